#include "theory/keys.h"

#include "theory/marked_text.h"

namespace lintra::theory {
namespace {

// clang-format off
constexpr std::array<KeyInfo, kKeyCount> kKeys{{
    {KeyId::CMajor, false, " ", 0,
     LINTRA_TRANSLATE_NOOP("Keys", "Play scale-steps of C Major"),
     {0, 3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 33, 36, 39, 42, 45, 48, 51, 54, 57, 60, 63, 66, 69},
     {0, 0, 0}, " "},
    {KeyId::GMajor, false, "#", 1,
     LINTRA_TRANSLATE_NOOP("Keys", "Play scale-steps of G Major"),
     {1, 3, 6, 9, 12, 15, 18, 22, 24, 27, 30, 33, 36, 39, 43, 45, 48, 51, 54, 57, 60, 64, 66, 69},
     {0, 0, 0}, " "},
    {KeyId::DMajor, false, "#", 2,
     LINTRA_TRANSLATE_NOOP("Keys", "Play scale-steps of D Major"),
     {1, 3, 6, 9, 13, 15, 18, 22, 24, 27, 30, 34, 36, 39, 43, 45, 48, 51, 55, 57, 60, 64, 66, 69},
     {0, 0, 0}, " "},
    {KeyId::AMajor, false, "#", 3,
     LINTRA_TRANSLATE_NOOP("Keys", "Play scale-steps of A Major"),
     {1, 4, 6, 9, 13, 15, 18, 22, 25, 27, 30, 34, 36, 39, 43, 46, 48, 51, 55, 57, 60, 64, 67, 69},
     {0, 0, 0}, " "},
    {KeyId::EMajor, false, "#", 4,
     LINTRA_TRANSLATE_NOOP("Keys", "Play scale-steps of E Major"),
     {1, 4, 6, 9, 13, 16, 18, 22, 25, 27, 30, 34, 37, 39, 43, 46, 48, 51, 55, 58, 60, 64, 67, 69},
     {0, 0, 0}, " "},
    {KeyId::BMajor, false, "#", 5,
     LINTRA_TRANSLATE_NOOP("Keys", "Play scale-steps of B Major"),
     {1, 4, 7, 9, 13, 16, 18, 22, 25, 28, 30, 34, 37, 39, 43, 46, 49, 51, 55, 58, 60, 64, 67, 67},
     {0, 0, 0}, " "},
    {KeyId::FSharpMajor, false, "#", 6,
     LINTRA_TRANSLATE_NOOP("Keys", "Play scale-steps of F# Major"),
     {1, 4, 7, 9, 13, 16, 19, 22, 25, 28, 30, 34, 37, 40, 43, 46, 49, 51, 55, 58, 61, 64, 67, 67},
     {0, 0, 0}, " "},
    {KeyId::FMajor, false, "b", 1,
     LINTRA_TRANSLATE_NOOP("Keys", "Play scale-steps of F Major"),
     {0, 3, 6, 8, 12, 15, 18, 21, 24, 27, 29, 33, 36, 39, 42, 45, 48, 50, 54, 57, 60, 63, 66, 69},
     {0, 0, 0}, " "},
    {KeyId::BFlatMajor, false, "b", 2,
     LINTRA_TRANSLATE_NOOP("Keys", "Play scale-steps of Bb Major"),
     {0, 3, 6, 8, 12, 15, 17, 21, 24, 27, 29, 33, 36, 38, 42, 45, 48, 50, 54, 57, 59, 63, 66, 69},
     {0, 0, 0}, " "},
    {KeyId::EFlatMajor, false, "b", 3,
     LINTRA_TRANSLATE_NOOP("Keys", "Play scale-steps of Eb Major"),
     {0, 3, 5, 8, 12, 15, 17, 21, 24, 26, 29, 33, 36, 38, 42, 45, 47, 50, 54, 57, 59, 63, 66, 68},
     {0, 0, 0}, " "},
    {KeyId::AFlatMajor, false, "b", 4,
     LINTRA_TRANSLATE_NOOP("Keys", "Play scale-steps of Ab Major"),
     {0, 3, 5, 8, 12, 14, 17, 21, 24, 26, 29, 33, 35, 38, 42, 45, 47, 50, 54, 56, 59, 63, 66, 68},
     {0, 0, 0}, " "},
    {KeyId::DFlatMajor, false, "b", 5,
     LINTRA_TRANSLATE_NOOP("Keys", "Play scale-steps of Db Major"),
     {0, 2, 5, 8, 12, 14, 17, 21, 23, 26, 29, 33, 35, 38, 42, 44, 47, 50, 54, 56, 59, 63, 65, 68},
     {0, 0, 0}, " "},
    {KeyId::GFlatMajor, false, "b", 6,
     LINTRA_TRANSLATE_NOOP("Keys", "Play scale-steps of Gb Major"),
     {0, 2, 5, 8, 11, 14, 17, 21, 23, 26, 29, 32, 35, 38, 42, 44, 47, 50, 53, 56, 59, 63, 65, 68},
     {0, 0, 0}, " "},
    {KeyId::AMinor, true, "n", 0,
     LINTRA_TRANSLATE_NOOP("Keys", "Play scale-steps of A Harmonic Minor"),
     {0, 4, 6, 9, 12, 15, 18, 21, 25, 27, 30, 33, 36, 39, 42, 46, 48, 51, 54, 57, 60, 63, 63, 69},
     {4, 25, 46}, "#"},
    {KeyId::EMinor, true, "#", 1,
     LINTRA_TRANSLATE_NOOP("Keys", "Play scale-steps of E Harmonic Minor"),
     {1, 3, 6, 9, 12, 16, 18, 22, 24, 27, 30, 33, 37, 39, 43, 45, 48, 51, 54, 58, 60, 64, 66, 69},
     {16, 37, 58}, "#"},
    {KeyId::BMinor, true, "#", 2,
     LINTRA_TRANSLATE_NOOP("Keys", "Play scale-steps of B Harmonic Minor"),
     {1, 3, 7, 9, 13, 15, 18, 22, 24, 28, 30, 34, 36, 39, 43, 45, 49, 51, 55, 57, 60, 64, 66, 66},
     {7, 28, 49}, "#"},
    {KeyId::FSharpMinor, true, "#", 3,
     LINTRA_TRANSLATE_NOOP("Keys", "Play scale-steps of F# Harmonic Minor"),
     {1, 4, 6, 9, 13, 15, 19, 22, 25, 27, 30, 34, 36, 40, 43, 46, 48, 51, 55, 57, 61, 64, 67, 69},
     {19, 40, 61}, "#"},
    {KeyId::CSharpMinor, true, "#", 4,
     LINTRA_TRANSLATE_NOOP("Keys", "Play scale-steps of C# Harmonic Minor-"),
     {1, 4, 6, 10, 13, 16, 18, 22, 25, 27, 31, 34, 37, 39, 43, 46, 48, 52, 55, 58, 60, 64, 67, 69},
     {10, 31, 52}, "#"},
    {KeyId::DMinor, true, "b", 1,
     LINTRA_TRANSLATE_NOOP("Keys", "Play scale-steps of D Harmonic Minor"),
     {0, 3, 6, 8, 13, 15, 18, 21, 24, 27, 29, 34, 36, 39, 42, 45, 48, 50, 55, 57, 60, 63, 66, 69},
     {13, 34, 55}, "#"},
    {KeyId::GMinor, true, "b", 2,
     LINTRA_TRANSLATE_NOOP("Keys", "Play scale-steps of G Harmonic Minor"),
     {3, 3, 6, 8, 12, 15, 17, 22, 24, 27, 29, 33, 36, 38, 43, 45, 48, 50, 54, 57, 59, 64, 66, 69},
     {22, 43, 64}, "#"},
    {KeyId::CMinor, true, "b", 3,
     LINTRA_TRANSLATE_NOOP("Keys", "Play scale-steps of C Harmonic Minor"),
     {0, 3, 5, 9, 12, 15, 17, 21, 24, 26, 30, 33, 36, 38, 42, 45, 47, 51, 54, 57, 59, 63, 66, 68},
     {9, 30, 51}, "n"},
    {KeyId::FMinor, true, "b", 4,
     LINTRA_TRANSLATE_NOOP("Keys", "Play scale-steps of F Harmonic Minor"),
     {0, 3, 5, 8, 12, 14, 18, 21, 24, 26, 29, 33, 35, 39, 42, 45, 47, 50, 54, 56, 60, 63, 66, 68},
     {18, 39, 60}, "n"},
    {KeyId::BFlatMinor, true, "b", 5,
     LINTRA_TRANSLATE_NOOP("Keys", "Play scale-steps of Bb Harmonic Minor"),
     {0, 2, 6, 8, 12, 14, 17, 21, 23, 27, 29, 33, 35, 38, 42, 44, 48, 50, 54, 56, 59, 63, 65, 65},
     {6, 27, 48}, "n"},
    {KeyId::EFlatMinor, true, "b", 6,
     LINTRA_TRANSLATE_NOOP("Keys", "Play scale-steps of Eb Harmonic Minor"),
     {0, 2, 5, 8, 11, 15, 17, 21, 23, 26, 29, 32, 36, 38, 42, 44, 47, 50, 53, 57, 59, 63, 65, 68},
     {15, 36, 57}, "n"},
}};
// clang-format on

// Each row sits at the position of its identity.
constexpr bool RowsInIdentityOrder() {
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    if (static_cast<std::size_t>(kKeys[i].id) != i) return false;
  }
  return true;
}
static_assert(RowsInIdentityOrder());

constexpr std::array<std::string_view, kKeyIdCount> kCodes{
    "c_major", "g_major",      "d_major",       "a_major",       "e_major",      "b_major",      "f_sharp_major",
    "f_major", "b_flat_major", "e_flat_major",  "a_flat_major",  "d_flat_major", "g_flat_major", "a_minor",
    "e_minor", "b_minor",      "f_sharp_minor", "c_sharp_minor", "d_minor",      "g_minor",      "c_minor",
    "f_minor", "b_flat_minor", "e_flat_minor",  "chromatic",
};

constexpr std::array<KeyId, 13> kMajorRestoreOrder{
    KeyId::CMajor,     KeyId::FMajor,     KeyId::GMajor,     KeyId::BFlatMajor, KeyId::DMajor,
    KeyId::EFlatMajor, KeyId::AMajor,     KeyId::AFlatMajor, KeyId::EMajor,     KeyId::DFlatMajor,
    KeyId::BMajor,     KeyId::GFlatMajor, KeyId::FSharpMajor};

constexpr std::array<KeyId, 11> kMinorRestoreOrder{
    KeyId::AMinor,      KeyId::DMinor, KeyId::EMinor,      KeyId::GMinor,     KeyId::BMinor,    KeyId::CMinor,
    KeyId::FSharpMinor, KeyId::FMinor, KeyId::CSharpMinor, KeyId::BFlatMinor, KeyId::EFlatMinor};

}  // namespace

const std::array<KeyInfo, kKeyCount>& Keys() { return kKeys; }

const KeyInfo* FindKey(KeyId key) {
  const auto index = static_cast<std::size_t>(key);
  return index < kKeys.size() ? &kKeys[index] : nullptr;
}

std::string_view Code(KeyId key) { return kCodes.at(static_cast<std::size_t>(key)); }

std::optional<KeyId> ParseKeyCode(std::string_view code) {
  for (std::size_t i = 0; i < kCodes.size(); ++i) {
    if (kCodes[i] == code) return static_cast<KeyId>(i);
  }
  return std::nullopt;
}

const std::array<KeyId, 13>& MajorRestoreOrder() { return kMajorRestoreOrder; }
const std::array<KeyId, 11>& MinorRestoreOrder() { return kMinorRestoreOrder; }

}  // namespace lintra::theory
