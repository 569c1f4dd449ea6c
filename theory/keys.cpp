#include "theory/keys.h"

namespace lintra::theory {
namespace {

// clang-format off
constexpr std::array<KeyInfo, kKeyCount> kKeys{{
    {"CMajor1", "C Major", "CMajorClick", false, " ", 0,
     "Play scale-steps of C Major",
     {0, 3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 33, 36, 39, 42, 45, 48, 51, 54, 57, 60, 63, 66, 69},
     {0, 0, 0}, " "},
    {"GMajor1", "G Major", "GMajorClick", false, "#", 1,
     "Play scale-steps of G Major",
     {1, 3, 6, 9, 12, 15, 18, 22, 24, 27, 30, 33, 36, 39, 43, 45, 48, 51, 54, 57, 60, 64, 66, 69},
     {0, 0, 0}, " "},
    {"DMajor1", "D Major", "DMajorClick", false, "#", 2,
     "Play scale-steps of D Major",
     {1, 3, 6, 9, 13, 15, 18, 22, 24, 27, 30, 34, 36, 39, 43, 45, 48, 51, 55, 57, 60, 64, 66, 69},
     {0, 0, 0}, " "},
    {"AMajor1", "A Major", "AMajorClick", false, "#", 3,
     "Play scale-steps of A Major",
     {1, 4, 6, 9, 13, 15, 18, 22, 25, 27, 30, 34, 36, 39, 43, 46, 48, 51, 55, 57, 60, 64, 67, 69},
     {0, 0, 0}, " "},
    {"EMajor1", "E Major", "EMajorClick", false, "#", 4,
     "Play scale-steps of E Major",
     {1, 4, 6, 9, 13, 16, 18, 22, 25, 27, 30, 34, 37, 39, 43, 46, 48, 51, 55, 58, 60, 64, 67, 69},
     {0, 0, 0}, " "},
    {"BMajor1", "B Major", "BMajorClick", false, "#", 5,
     "Play scale-steps of B Major",
     {1, 4, 7, 9, 13, 16, 18, 22, 25, 28, 30, 34, 37, 39, 43, 46, 49, 51, 55, 58, 60, 64, 67, 67},
     {0, 0, 0}, " "},
    {"FsharpMajor1", "F# Major", "FsharpMajorClick", false, "#", 6,
     "Play scale-steps of F# Major",
     {1, 4, 7, 9, 13, 16, 19, 22, 25, 28, 30, 34, 37, 40, 43, 46, 49, 51, 55, 58, 61, 64, 67, 67},
     {0, 0, 0}, " "},
    {"FMajor1", "F Major", "FMajorClick", false, "b", 1,
     "Play scale-steps of F Major",
     {0, 3, 6, 8, 12, 15, 18, 21, 24, 27, 29, 33, 36, 39, 42, 45, 48, 50, 54, 57, 60, 63, 66, 69},
     {0, 0, 0}, " "},
    {"BbMajor1", "Bb Major", "BbMajorClick", false, "b", 2,
     "Play scale-steps of Bb Major",
     {0, 3, 6, 8, 12, 15, 17, 21, 24, 27, 29, 33, 36, 38, 42, 45, 48, 50, 54, 57, 59, 63, 66, 69},
     {0, 0, 0}, " "},
    {"EbMajor1", "Eb Major", "EbMajorClick", false, "b", 3,
     "Play scale-steps of Eb Major",
     {0, 3, 5, 8, 12, 15, 17, 21, 24, 26, 29, 33, 36, 38, 42, 45, 47, 50, 54, 57, 59, 63, 66, 68},
     {0, 0, 0}, " "},
    {"abMajor1", "Ab Major", "AbMajorClick", false, "b", 4,
     "Play scale-steps of Ab Major",
     {0, 3, 5, 8, 12, 14, 17, 21, 24, 26, 29, 33, 35, 38, 42, 45, 47, 50, 54, 56, 59, 63, 66, 68},
     {0, 0, 0}, " "},
    {"DbMajor1", "Db Major", "DbMajorClick", false, "b", 5,
     "Play scale-steps of Db Major",
     {0, 2, 5, 8, 12, 14, 17, 21, 23, 26, 29, 33, 35, 38, 42, 44, 47, 50, 54, 56, 59, 63, 65, 68},
     {0, 0, 0}, " "},
    {"GbMajor1", "Gb Major", "GbMajorClick", false, "b", 6,
     "Play scale-steps of Gb Major",
     {0, 2, 5, 8, 11, 14, 17, 21, 23, 26, 29, 32, 35, 38, 42, 44, 47, 50, 53, 56, 59, 63, 65, 68},
     {0, 0, 0}, " "},
    {"AMinor1", "A Minor", "AMinorClick", true, "n", 0,
     "Play scale-steps of A Harmonic Minor",
     {0, 4, 6, 9, 12, 15, 18, 21, 25, 27, 30, 33, 36, 39, 42, 46, 48, 51, 54, 57, 60, 63, 63, 69},
     {4, 25, 46}, "#"},
    {"EMinor1", "E Minor", "EMinorClick", true, "#", 1,
     "Play scale-steps of E Harmonic Minor",
     {1, 3, 6, 9, 12, 16, 18, 22, 24, 27, 30, 33, 37, 39, 43, 45, 48, 51, 54, 58, 60, 64, 66, 69},
     {16, 37, 58}, "#"},
    {"BMinor1", "B Minor", "BMinorClick", true, "#", 2,
     "Play scale-steps of B Harmonic Minor",
     {1, 3, 7, 9, 13, 15, 18, 22, 24, 28, 30, 34, 36, 39, 43, 45, 49, 51, 55, 57, 60, 64, 66, 66},
     {7, 28, 49}, "#"},
    {"FsharpMinor1", "F# Minor", "FsharpMinorClick", true, "#", 3,
     "Play scale-steps of F# Harmonic Minor",
     {1, 4, 6, 9, 13, 15, 19, 22, 25, 27, 30, 34, 36, 40, 43, 46, 48, 51, 55, 57, 61, 64, 67, 69},
     {19, 40, 61}, "#"},
    {"CsharpMinor1", "C# Minor", "CsharpMinorClick", true, "#", 4,
     "Play scale-steps of C# Harmonic Minor-",
     {1, 4, 6, 10, 13, 16, 18, 22, 25, 27, 31, 34, 37, 39, 43, 46, 48, 52, 55, 58, 60, 64, 67, 69},
     {10, 31, 52}, "#"},
    {"DMinor1", "D Minor", "DMinorClick", true, "b", 1,
     "Play scale-steps of D Harmonic Minor",
     {0, 3, 6, 8, 13, 15, 18, 21, 24, 27, 29, 34, 36, 39, 42, 45, 48, 50, 55, 57, 60, 63, 66, 69},
     {13, 34, 55}, "#"},
    {"GMinor1", "G Minor", "GMinorClick", true, "b", 2,
     "Play scale-steps of G Harmonic Minor",
     {3, 3, 6, 8, 12, 15, 17, 22, 24, 27, 29, 33, 36, 38, 43, 45, 48, 50, 54, 57, 59, 64, 66, 69},
     {22, 43, 64}, "#"},
    {"CMinor1", "C Minor", "CMinorClick", true, "b", 3,
     "Play scale-steps of C Harmonic Minor",
     {0, 3, 5, 9, 12, 15, 17, 21, 24, 26, 30, 33, 36, 38, 42, 45, 47, 51, 54, 57, 59, 63, 66, 68},
     {9, 30, 51}, "n"},
    {"FMinor1", "F Minor", "FMinorClick", true, "b", 4,
     "Play scale-steps of F Harmonic Minor",
     {0, 3, 5, 8, 12, 14, 18, 21, 24, 26, 29, 33, 35, 39, 42, 45, 47, 50, 54, 56, 60, 63, 66, 68},
     {18, 39, 60}, "n"},
    {"BbMinor1", "Bb Minor", "BbMinorClick", true, "b", 5,
     "Play scale-steps of Bb Harmonic Minor",
     {0, 2, 6, 8, 12, 14, 17, 21, 23, 27, 29, 33, 35, 38, 42, 44, 48, 50, 54, 56, 59, 63, 65, 65},
     {6, 27, 48}, "n"},
    {"EbMinor1", "Eb Minor", "EbMinorClick", true, "b", 6,
     "Play scale-steps of Eb Harmonic Minor",
     {0, 2, 5, 8, 11, 15, 17, 21, 23, 26, 29, 32, 36, 38, 42, 44, 47, 50, 53, 57, 59, 63, 65, 68},
     {15, 36, 57}, "n"},
}};
// clang-format on

constexpr std::array<std::string_view, 13> kMajorRestoreOrder{
    "CMajor1",  "FMajor1", "GMajor1",  "BbMajor1", "DMajor1",  "EbMajor1",     "AMajor1",
    "abMajor1", "EMajor1", "DbMajor1", "BMajor1",  "GbMajor1", "FsharpMajor1",
};

constexpr std::array<std::string_view, 11> kMinorRestoreOrder{
    "AMinor1",      "DMinor1", "EMinor1",      "GMinor1",  "BMinor1",  "CMinor1",
    "FsharpMinor1", "FMinor1", "CsharpMinor1", "BbMinor1", "EbMinor1",
};

}  // namespace

const std::array<KeyInfo, kKeyCount>& Keys() { return kKeys; }

const KeyInfo* FindKey(std::string_view item) {
  for (const KeyInfo& key : kKeys) {
    if (key.item == item) {
      return &key;
    }
  }
  return nullptr;
}

const std::array<std::string_view, 13>& MajorRestoreOrder() { return kMajorRestoreOrder; }
const std::array<std::string_view, 11>& MinorRestoreOrder() { return kMinorRestoreOrder; }

}  // namespace lintra::theory
