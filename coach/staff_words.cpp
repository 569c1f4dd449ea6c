#include "coach/staff_words.h"

#include <array>
#include <string_view>

#include "practice/staff_place.h"
#include "ui/translate.h"

namespace lintra::coach {
namespace {

constexpr std::string_view kContext = "Staff";
constexpr int kTopLinePlace = 8;
// The ledger line between the staves of the grand staff, which both share.
constexpr int kMiddleLedgerStep = 11;

// clang-format off
constexpr std::array<std::string_view, 5> kLines{
    LINTRA_TRANSLATE_NOOP("Staff", "on the first line"),
    LINTRA_TRANSLATE_NOOP("Staff", "on the second line"),
    LINTRA_TRANSLATE_NOOP("Staff", "on the third line"),
    LINTRA_TRANSLATE_NOOP("Staff", "on the fourth line"),
    LINTRA_TRANSLATE_NOOP("Staff", "on the fifth line"),
};
constexpr std::array<std::string_view, 4> kSpaces{
    LINTRA_TRANSLATE_NOOP("Staff", "in the first space"),
    LINTRA_TRANSLATE_NOOP("Staff", "in the second space"),
    LINTRA_TRANSLATE_NOOP("Staff", "in the third space"),
    LINTRA_TRANSLATE_NOOP("Staff", "in the fourth space"),
};
// From one accidental to six, the most a key has.
constexpr std::array<std::string_view, 6> kSharpSignatures{
    LINTRA_TRANSLATE_NOOP("Staff", "Key signature of one sharp."),
    LINTRA_TRANSLATE_NOOP("Staff", "Key signature of two sharps."),
    LINTRA_TRANSLATE_NOOP("Staff", "Key signature of three sharps."),
    LINTRA_TRANSLATE_NOOP("Staff", "Key signature of four sharps."),
    LINTRA_TRANSLATE_NOOP("Staff", "Key signature of five sharps."),
    LINTRA_TRANSLATE_NOOP("Staff", "Key signature of six sharps."),
};
constexpr std::array<std::string_view, 6> kFlatSignatures{
    LINTRA_TRANSLATE_NOOP("Staff", "Key signature of one flat."),
    LINTRA_TRANSLATE_NOOP("Staff", "Key signature of two flats."),
    LINTRA_TRANSLATE_NOOP("Staff", "Key signature of three flats."),
    LINTRA_TRANSLATE_NOOP("Staff", "Key signature of four flats."),
    LINTRA_TRANSLATE_NOOP("Staff", "Key signature of five flats."),
    LINTRA_TRANSLATE_NOOP("Staff", "Key signature of six flats."),
};
// By theory::Clef.
constexpr std::array<std::string_view, theory::kClefCount> kSingleStaves{
    LINTRA_TRANSLATE_NOOP("Staff", "Staff with a treble clef."),
    LINTRA_TRANSLATE_NOOP("Staff", "Staff with a bass clef."),
    LINTRA_TRANSLATE_NOOP("Staff", "Staff with an alto clef."),
    LINTRA_TRANSLATE_NOOP("Staff", "Staff with a tenor clef."),
};
// clang-format on

// The ordinal of a ledger line, counted from the staff outwards. Notes from F1 to B4 need at most
// seven on any clef's staff.
std::string LedgerOrdinal(int count) {
  switch (count) {
    case 1:
      return ui::Tr("Staff", "first", "of ledger lines");
    case 2:
      return ui::Tr("Staff", "second", "of ledger lines");
    case 3:
      return ui::Tr("Staff", "third", "of ledger lines");
    case 4:
      return ui::Tr("Staff", "fourth", "of ledger lines");
    case 5:
      return ui::Tr("Staff", "fifth", "of ledger lines");
    case 6:
      return ui::Tr("Staff", "sixth", "of ledger lines");
    case 7:
      return ui::Tr("Staff", "seventh", "of ledger lines");
    default:
      return std::to_string(count);
  }
}

std::string LedgerWords(int place) {
  const std::string ordinal = LedgerOrdinal(theory::LedgerLinesAt(place));
  const bool onLine = place % 2 == 0;
  if (place < 0) {
    return ui::Args(onLine ? ui::Tr("Staff", "on the %1 ledger line below")
                           : ui::Tr("Staff", "in the space below the %1 ledger line below"),
                    {ordinal});
  }
  return ui::Args(onLine ? ui::Tr("Staff", "on the %1 ledger line above")
                         : ui::Tr("Staff", "in the space above the %1 ledger line above"),
                  {ordinal});
}

std::string SignatureWords(const StaffPicture& picture) {
  const auto* table = picture.signatureKind == "#"   ? &kSharpSignatures
                      : picture.signatureKind == "b" ? &kFlatSignatures
                                                     : nullptr;
  const int count = picture.signatureCount;
  if (table == nullptr || count < 1 || count > static_cast<int>(table->size())) {
    return ui::Tr("Staff", "No key signature.");
  }
  return ui::TrMarked(kContext, (*table)[static_cast<std::size_t>(count - 1)]);
}

std::string StaffSentence(const StaffPicture& picture) {
  if (!picture.singleClef) return ui::Tr("Staff", "Grand staff with a treble clef and a bass clef.");
  return ui::TrMarked(kContext, kSingleStaves[static_cast<std::size_t>(*picture.singleClef)]);
}

std::string PlaceSentence(const StaffPicture& picture, int step) {
  if (picture.singleClef) {
    return ui::Args(ui::Tr("Staff", "The note is %1."), {PlaceWords(theory::PlaceOn(*picture.singleClef, step))});
  }
  if (step == kMiddleLedgerStep) return ui::Tr("Staff", "The note is on the ledger line between the staves.");
  const std::string place = PlaceWords(practice::PlaceOnStaff(step));
  return ui::Args(practice::StaffOf(step) == theory::Clef::Treble
                      ? ui::Tr("Staff", "The note is on the treble staff, %1.")
                      : ui::Tr("Staff", "The note is on the bass staff, %1."),
                  {place});
}

std::string SignSentence(std::string_view accidental) {
  if (accidental == "#") return ui::Tr("Staff", "A sharp stands before it.");
  if (accidental == "b") return ui::Tr("Staff", "A flat stands before it.");
  if (accidental == "n") return ui::Tr("Staff", "A natural sign stands before it.");
  return {};
}

std::string NoteSentences(const StaffPicture& picture) {
  if (!picture.note) return ui::Tr("Staff", "No note is shown.");
  std::string words;
  if (picture.line) {
    words = ui::Args(ui::Tr("Staff", "Reading note %1 of %2."),
                     {std::to_string(picture.line->reading), std::to_string(picture.line->length)}) +
            ' ';
  }
  words += PlaceSentence(picture, picture.note->step);
  if (const std::string sign = SignSentence(picture.note->accidental); !sign.empty()) words += ' ' + sign;
  return words;
}

}  // namespace

std::string PlaceWords(int place) {
  if (place >= 0 && place <= kTopLinePlace) {
    const auto index = static_cast<std::size_t>(place / 2);
    return ui::TrMarked(kContext, place % 2 == 0 ? kLines[index] : kSpaces[index]);
  }
  if (place == -1) return ui::Tr("Staff", "in the space below the bottom line");
  if (place == kTopLinePlace + 1) return ui::Tr("Staff", "in the space above the top line");
  return LedgerWords(place);
}

StaffWords DescribeStaff(const StaffPicture& picture) {
  return {StaffSentence(picture) + ' ' + SignatureWords(picture), NoteSentences(picture)};
}

}  // namespace lintra::coach
