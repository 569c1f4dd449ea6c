// What the student has chosen, as the practice features read it and bring it back: the key and the
// clef range in force, the pool, the key note reading returns to, the instrument.
#include <algorithm>

#include "app/form2.h"
#include "practice/weak_pick.h"
#include "ui/key_menus.h"

namespace lintra::app {
namespace {

// The key of `scale`'s submenu that is checked.
theory::KeyId CheckedKeyOf(ui::WindowModel& model, ui::MenuName scale) {
  for (const auto& key : theory::Keys()) {
    const auto& item = model.M(ui::KeyMenu(key.id));
    if (item.checked && item.parent != nullptr && item.parent->Name() == scale.text) return key.id;
  }
  return theory::KeyId::CMajor;
}

}  // namespace

theory::KeyId TForm2::KeyInForce() {
  if (Checked(menu::ChromaticScale)) return theory::KeyId::Chromatic;
  if (Checked(menu::MajorKeys1)) return CheckedKeyOf(model_, menu::MajorKeys1);
  if (Checked(menu::MinorKeys1)) return CheckedKeyOf(model_, menu::MinorKeys1);
  return theory::KeyId::CMajor;
}

practice::ClefRange TForm2::ClefRangeInForce() const {
  // The C clefs override the "Clefs" menu's choice while checked.
  if (model_.M(menu::AltoClef).checked) return practice::ClefRange::Alto;
  if (model_.M(menu::TenorClef).checked) return practice::ClefRange::Tenor;
  if (TrebleClef == 1) return practice::ClefRange::Treble;
  return PickRange == 35 ? practice::ClefRange::Bass : practice::ClefRange::Grand;
}

std::vector<theory::NoteSlot> TForm2::PoolInRange() {
  const bool chromatic = Checked(menu::ChromaticScale);
  const auto& lines = model_.C(control::KeyList).lines;
  int first = TrebleClef == 1 ? 35 : 0;
  int end = first + PickRange;
  if (practice::CClefOf(ClefRangeInForce())) {
    const practice::SlotRun run = practice::SlotsOf(ClefRangeInForce());
    first = run.first;
    end = run.last + 1;
  }
  std::vector<theory::NoteSlot> pool;
  for (int slot = first; slot < end && slot < static_cast<int>(theory::kNoteSlotCount); ++slot) {
    if (chromatic || std::find(lines.begin(), lines.end(), std::to_string(slot)) != lines.end()) {
      pool.push_back(static_cast<theory::NoteSlot>(slot));
    }
  }
  return pool;
}

std::vector<theory::NoteSlot> TForm2::PickCandidates() {
  if (practice::CClefOf(ClefRangeInForce())) {
    // Never the slot asked just before, unless it is the only one.
    auto pool = PoolInRange();
    std::erase(pool, static_cast<theory::NoteSlot>(CurrentSlot));
    return pool.empty() ? PoolInRange() : pool;
  }
  return practice::QuestionCandidates(model_.C(control::KeyList).lines, Checked(menu::ChromaticScale), TrebleClef,
                                      PickRange, CurrentSlot);
}

theory::KeyId TForm2::KeyToReturnTo() {
  // The reverse exercise always shows the chromatic scale; the key is the one its flags remember.
  if (!Checked(menu::PlayKeyboard)) return KeyInForce();
  if (RememberChromatic) return theory::KeyId::Chromatic;
  return CheckedKeyOf(model_, RememberMajor ? menu::MajorKeys1 : menu::MinorKeys1);
}

void TForm2::UseInstrument(int program) {
  Instrument = static_cast<std::int8_t>(program);
  Send(midi::ProgramChange{Instrument});
}

}  // namespace lintra::app
