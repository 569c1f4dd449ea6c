#include "theory/keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

namespace lintra::theory {
namespace {

// A small model of scales, independent of the tables: letters, alterations and intervals.
constexpr std::string_view kLetters = "CDEFGAB";
constexpr int kNaturalSemitone[] = {0, 2, 4, 5, 7, 9, 11};
constexpr int kMajorSteps[] = {0, 2, 4, 5, 7, 9, 11};
constexpr int kNaturalMinorSteps[] = {0, 2, 3, 5, 7, 8, 10};
constexpr std::string_view kSharpOrder = "FCGDAEB";
constexpr std::string_view kFlatOrder = "BEADGCF";

using Spelling = std::map<char, int>;  // letter -> alteration (-1 flat, 0 natural, +1 sharp)

struct Scale {
  Spelling signature;  // major or natural minor: what the key signature says
  Spelling spelled;    // what the pool asks: harmonic minor raises the seventh
  char seventh = 0;
};

std::size_t LetterIndex(char letter) { return kLetters.find(letter); }

Scale ScaleOf(const KeyInfo& key) {
  // The code names the tonic: "f_sharp_minor", "b_flat_major".
  const std::string_view code = Code(key.id);
  const char tonicLetter = static_cast<char>(std::toupper(static_cast<unsigned char>(code[0])));
  const int tonicAlter = code.substr(1).starts_with("_sharp_") ? 1 : code.substr(1).starts_with("_flat_") ? -1 : 0;
  const int tonicSemitone = kNaturalSemitone[LetterIndex(tonicLetter)] + tonicAlter;
  const int* steps = key.minor ? kNaturalMinorSteps : kMajorSteps;
  Scale scale;
  for (std::size_t degree = 0; degree < 7; ++degree) {
    const std::size_t letterIndex = (LetterIndex(tonicLetter) + degree) % 7;
    const char letter = kLetters[letterIndex];
    const int semitone = (tonicSemitone + steps[degree] + 12) % 12;
    const int alter = (semitone - kNaturalSemitone[letterIndex] + 18) % 12 - 6;
    scale.signature[letter] = alter;
    scale.spelled[letter] = alter;
    if (degree == 6) {
      scale.seventh = letter;
    }
  }
  if (key.minor) {
    scale.spelled[scale.seventh] += 1;
  }
  return scale;
}

char LetterOf(NoteSlot slot) { return SpelledNoteTable()[slot].letterName[0]; }

int AlterOf(NoteSlot slot) {
  switch (SpelledNoteTable()[slot].kind) {
    case NoteKind::Sharp:
      return 1;
    case NoteKind::Flat:
      return -1;
    case NoteKind::Natural:
      return 0;
  }
  return 0;
}

bool InScale(const Scale& scale, NoteSlot slot) { return scale.spelled.at(LetterOf(slot)) == AlterOf(slot); }

constexpr NoteSlot kHighestAsked = 69;  // A4
constexpr NoteSlot kLowestTreble = 35;  // Db3

TEST(Keys, AreIndexedAsTheModulationDrawsThemAndKnownByStableCodes) {
  const auto& keys = Keys();
  EXPECT_EQ(keys[0].id, KeyId::CMajor);
  EXPECT_EQ(keys[6].id, KeyId::FSharpMajor);
  EXPECT_EQ(keys[12].id, KeyId::GFlatMajor);
  EXPECT_EQ(keys[13].id, KeyId::AMinor);
  EXPECT_EQ(keys[23].id, KeyId::EFlatMinor);
  std::set<std::string_view> codes;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    EXPECT_EQ(i >= 13, keys[i].minor) << Code(keys[i].id);
    EXPECT_EQ(&keys[i], FindKey(keys[i].id));
    EXPECT_EQ(Code(keys[i].id).ends_with(keys[i].minor ? "_minor" : "_major"), true) << Code(keys[i].id);
    codes.insert(Code(keys[i].id));
    EXPECT_EQ(ParseKeyCode(Code(keys[i].id)), keys[i].id);
  }
  EXPECT_EQ(24u, codes.size());
  EXPECT_EQ(nullptr, FindKey(KeyId::Chromatic));
  EXPECT_EQ(ParseKeyCode("chromatic"), KeyId::Chromatic);
  // Written into journals: these never change.
  EXPECT_EQ(Code(KeyId::FSharpMinor), "f_sharp_minor");
  EXPECT_EQ(Code(KeyId::AFlatMajor), "a_flat_major");
  EXPECT_FALSE(ParseKeyCode("GMajor1"));
  EXPECT_FALSE(ParseKeyCode(""));
}

TEST(Keys, InstructionsNameTheTonic) {
  for (const KeyInfo& key : Keys()) {
    const Scale scale = ScaleOf(key);
    const std::string_view code = Code(key.id);
    std::string expected = "Play scale-steps of ";
    expected += static_cast<char>(std::toupper(static_cast<unsigned char>(code[0])));
    if (code.substr(1).starts_with("_sharp_")) expected += '#';
    if (code.substr(1).starts_with("_flat_")) expected += 'b';
    expected += key.minor ? " Harmonic Minor" : " Major";
    if (key.id == KeyId::CSharpMinor) expected += '-';
    EXPECT_EQ(expected, key.instruction);
  }
  EXPECT_EQ("Play scale-steps of C# Harmonic Minor-", FindKey(KeyId::CSharpMinor)->instruction);
}

TEST(Keys, SignatureIsTheOneTheTonicNeeds) {
  for (const KeyInfo& key : Keys()) {
    SCOPED_TRACE(std::string(Code(key.id)));
    const Scale scale = ScaleOf(key);
    std::string sharps, flats;
    for (const auto& [letter, alter] : scale.signature) {
      ASSERT_LE(std::abs(alter), 1) << letter;
      if (alter > 0) sharps += letter;
      if (alter < 0) flats += letter;
    }
    ASSERT_TRUE(sharps.empty() || flats.empty());
    const std::string_view order = sharps.empty() ? kFlatOrder : kSharpOrder;
    const std::string& altered = sharps.empty() ? flats : sharps;
    EXPECT_EQ(static_cast<int>(altered.size()), key.signatureCount);
    // A signature always takes the first accidentals of its order.
    for (char letter : order.substr(0, altered.size())) {
      EXPECT_NE(std::string::npos, altered.find(letter)) << letter;
    }
    if (!sharps.empty()) {
      EXPECT_EQ("#", key.signatureKind);
    } else if (!flats.empty()) {
      EXPECT_EQ("b", key.signatureKind);
    } else {
      EXPECT_NE("#", key.signatureKind);
      EXPECT_NE("b", key.signatureKind);
    }
  }
}

TEST(Keys, PoolIsEveryScaleNoteInRangeAscending) {
  for (const KeyInfo& key : Keys()) {
    SCOPED_TRACE(std::string(Code(key.id)));
    const Scale scale = ScaleOf(key);
    EXPECT_TRUE(std::is_sorted(key.pool.begin(), key.pool.end()));
    for (NoteSlot slot : key.pool) {
      EXPECT_LE(slot, kHighestAsked);
      EXPECT_TRUE(InScale(scale, slot)) << SpelledNoteTable()[slot].letterName;
    }
    // Every scale note in range is asked, save the raised sevenths beyond the three marked ones.
    const std::set<NoteSlot> asked(key.pool.begin(), key.pool.end());
    for (NoteSlot slot = 0; slot <= kHighestAsked; ++slot) {
      if (!InScale(scale, slot)) continue;
      const bool extraLeadingTone =
          key.minor && LetterOf(slot) == scale.seventh &&
          std::find(key.leadingTones.begin(), key.leadingTones.end(), slot) == key.leadingTones.end();
      EXPECT_EQ(!extraLeadingTone, asked.count(slot) == 1) << SpelledNoteTable()[slot].letterName;
    }
  }
}

TEST(Keys, RaisedSeventhOnlyAtTheLeadingToneSlots) {
  for (const KeyInfo& key : Keys()) {
    SCOPED_TRACE(std::string(Code(key.id)));
    if (!key.minor) {
      EXPECT_EQ(" ", key.leadingToneAccidental);
      continue;
    }
    const Scale scale = ScaleOf(key);
    std::vector<NoteSlot> sevenths;
    for (NoteSlot slot : std::set<NoteSlot>(key.pool.begin(), key.pool.end())) {
      if (LetterOf(slot) == scale.seventh) sevenths.push_back(slot);
    }
    EXPECT_EQ(std::vector<NoteSlot>(key.leadingTones.begin(), key.leadingTones.end()), sevenths);
    for (NoteSlot slot : key.leadingTones) {
      EXPECT_TRUE(InScale(scale, slot)) << SpelledNoteTable()[slot].letterName;
    }
    // The sign in front must cancel what the signature says about the seventh.
    const int raised = scale.spelled.at(scale.seventh);
    EXPECT_EQ(raised == 0 ? "n" : "#", key.leadingToneAccidental);
    EXPECT_EQ(raised - 1, scale.signature.at(scale.seventh));
  }
}

TEST(Keys, EachClefRangeOffersAtLeastTwoNotes) {
  // The pick never repeats the slot just asked, so each range needs two distinct slots to end.
  for (const KeyInfo& key : Keys()) {
    SCOPED_TRACE(std::string(Code(key.id)));
    const std::set<NoteSlot> asked(key.pool.begin(), key.pool.end());
    const auto bass = std::count_if(asked.begin(), asked.end(), [](NoteSlot s) { return s < kLowestTreble; });
    const auto treble = static_cast<std::ptrdiff_t>(asked.size()) - bass;
    EXPECT_GE(bass, 2);
    EXPECT_GE(treble, 2);
  }
}

TEST(Keys, DocumentedGapsAndRepeats) {
  const KeyInfo& aMinor = *FindKey(KeyId::AMinor);
  EXPECT_EQ(2, std::count(aMinor.pool.begin(), aMinor.pool.end(), *FindByLetterName("F4")));
  EXPECT_EQ(0, std::count(aMinor.pool.begin(), aMinor.pool.end(), *FindByLetterName("G#4")));
  const KeyInfo& gMinor = *FindKey(KeyId::GMinor);
  EXPECT_EQ(0, std::count(gMinor.pool.begin(), gMinor.pool.end(), *FindByLetterName("F#1")));
  const KeyInfo& bbMinor = *FindKey(KeyId::BFlatMinor);
  EXPECT_EQ(0, std::count(bbMinor.pool.begin(), bbMinor.pool.end(), *FindByLetterName("A4")));
  for (const KeyId shortOfNotes : {KeyId::BMajor, KeyId::FSharpMajor, KeyId::BMinor}) {
    const KeyInfo& key = *FindKey(shortOfNotes);
    EXPECT_EQ(key.pool[22], key.pool[23]) << Code(shortOfNotes);
  }
}

TEST(RestoreOrders, ListEachKeyOfTheirModeOnce) {
  std::set<KeyId> majors(MajorRestoreOrder().begin(), MajorRestoreOrder().end());
  std::set<KeyId> minors(MinorRestoreOrder().begin(), MinorRestoreOrder().end());
  EXPECT_EQ(13u, majors.size());
  EXPECT_EQ(11u, minors.size());
  for (const KeyInfo& key : Keys()) {
    EXPECT_EQ(1u, (key.minor ? minors : majors).count(key.id)) << Code(key.id);
  }
  EXPECT_EQ(KeyId::CMajor, MajorRestoreOrder().front());
  EXPECT_EQ(KeyId::FSharpMajor, MajorRestoreOrder().back());
  EXPECT_EQ(KeyId::AMinor, MinorRestoreOrder().front());
  EXPECT_EQ(KeyId::EFlatMinor, MinorRestoreOrder().back());
}

}  // namespace
}  // namespace lintra::theory
