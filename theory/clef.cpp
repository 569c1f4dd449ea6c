#include "theory/clef.h"

namespace lintra::theory {
namespace {

constexpr int kTopLinePlace = 8;

// Alto and treble signatures are the same pattern one place apart; the tenor's sharps climb a
// fifth and fall a fourth throughout, since its first sharp (F) would stand above the staff.
// clang-format off
constexpr std::array<ClefInfo, kClefCount> kClefs{{
    //                           bottom own  lowest highest  sharps F C G D A E   flats B E A D G C
    {Clef::Treble, "treble",     13,    2,   35,    69,     {8, 5, 9, 6, 3, 7},  {4, 7, 3, 6, 2, 5}},
    {Clef::Bass,   "bass",        1,    6,    0,    34,     {6, 3, 7, 4, 1, 5},  {2, 5, 1, 4, 0, 3}},
    // C2 (the viola's low C, below one ledger line) to E4, two ledger lines above.
    {Clef::Alto,   "alto",        7,    4,   11,    61,     {7, 4, 8, 5, 2, 6},  {3, 6, 2, 5, 1, 4}},
    // B1 on its ledger line to C4, two ledger lines above: cello, bassoon and trombone.
    {Clef::Tenor,  "tenor",       5,    6,    8,    55,     {2, 6, 3, 7, 4, 8},  {5, 8, 4, 7, 3, 6}},
}};
// clang-format on

}  // namespace

const std::array<ClefInfo, kClefCount>& Clefs() { return kClefs; }

const ClefInfo& InfoOf(Clef clef) {
  for (const ClefInfo& info : kClefs) {
    if (info.clef == clef) return info;
  }
  return kClefs.front();
}

int PlaceOn(Clef clef, int step) { return step - InfoOf(clef).bottomLineStep; }
int StepAt(Clef clef, int place) { return place + InfoOf(clef).bottomLineStep; }

int LedgerLinesAt(int place) {
  if (place < 0) return -place / 2;
  if (place > kTopLinePlace) return (place - kTopLinePlace) / 2;
  return 0;
}

}  // namespace lintra::theory
