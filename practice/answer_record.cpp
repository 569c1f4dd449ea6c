#include "practice/answer_record.h"

#include <array>
#include <utility>

#include "practice/diagnosis.h"
#include "theory/keys.h"

namespace lintra::practice {
namespace {

template <typename E, std::size_t N>
using CodeTable = std::array<std::pair<E, std::string_view>, N>;

constexpr CodeTable<Exercise, 2> kExercises{
    {{Exercise::NoteReading, "note_reading"}, {Exercise::PlayKeyboard, "play_keyboard"}}};
constexpr CodeTable<ScaleKind, 3> kScaleKinds{
    {{ScaleKind::Major, "major"}, {ScaleKind::Minor, "minor"}, {ScaleKind::Chromatic, "chromatic"}}};
constexpr CodeTable<ClefRange, 5> kClefRanges{{{ClefRange::Treble, "treble"},
                                               {ClefRange::Bass, "bass"},
                                               {ClefRange::Grand, "grand"},
                                               {ClefRange::Alto, "alto"},
                                               {ClefRange::Tenor, "tenor"}}};
constexpr CodeTable<AnswerSource, 3> kSources{{{AnswerSource::OnScreen, "screen"},
                                               {AnswerSource::MidiKeyboard, "midi"},
                                               {AnswerSource::Microphone, "microphone"}}};
constexpr CodeTable<Staff, 4> kStaves{
    {{Staff::Treble, "treble"}, {Staff::Bass, "bass"}, {Staff::Alto, "alto"}, {Staff::Tenor, "tenor"}}};

template <typename E, std::size_t N>
std::string_view Lookup(const CodeTable<E, N>& table, E value) {
  for (const auto& [v, code] : table) {
    if (v == value) return code;
  }
  return table.front().second;
}

template <typename E, std::size_t N>
std::optional<E> Parse(const CodeTable<E, N>& table, std::string_view code) {
  for (const auto& [v, c] : table) {
    if (c == code) return v;
  }
  return std::nullopt;
}

}  // namespace

AnswerRecord MakeAnswerRecord(const JudgedAnswer& answer, std::int64_t sessionId) {
  AnswerRecord record;
  record.wallTimeUtcMs = answer.wallTimeUtcMs;
  record.sessionId = sessionId;
  record.exercise = answer.exercise;
  record.key = answer.key;
  const theory::KeyInfo* key = theory::FindKey(answer.key);
  record.scaleKind = key == nullptr ? ScaleKind::Chromatic : key->minor ? ScaleKind::Minor : ScaleKind::Major;
  record.clefRange = answer.clefRange;
  const auto& row = theory::SpelledNoteTable().at(answer.questionSlot);
  record.questionSlot = answer.questionSlot;
  record.questionName = row.letterName;
  record.questionMidi = row.midiNote;
  const int step = LetterStep(answer.questionSlot);
  record.questionStaff = StaffOf(answer.clefRange, step);
  record.questionPlace = PlaceOnStaff(answer.clefRange, step);
  record.answerKey = answer.answerKey;
  record.answerMidi = answer.answerMidi;
  record.source = answer.source;
  record.correct = answer.correct;
  record.attempt = answer.attempt;
  record.responseMs = answer.responseMs;
  record.lineNote = answer.lineNote;
  record.mistake = answer.correct ? MistakeKind::None
                                  : Diagnose(answer.key, answer.questionSlot, answer.answerMidi, answer.clefRange).kind;
  return record;
}

std::string_view Code(Exercise value) { return Lookup(kExercises, value); }
std::string_view Code(ScaleKind value) { return Lookup(kScaleKinds, value); }
std::string_view Code(ClefRange value) { return Lookup(kClefRanges, value); }
std::string_view Code(AnswerSource value) { return Lookup(kSources, value); }
std::string_view Code(Staff value) { return Lookup(kStaves, value); }
std::optional<Exercise> ParseExercise(std::string_view code) { return Parse(kExercises, code); }
std::optional<ScaleKind> ParseScaleKind(std::string_view code) { return Parse(kScaleKinds, code); }
std::optional<ClefRange> ParseClefRange(std::string_view code) { return Parse(kClefRanges, code); }
std::optional<AnswerSource> ParseAnswerSource(std::string_view code) { return Parse(kSources, code); }
std::optional<Staff> ParseStaff(std::string_view code) { return Parse(kStaves, code); }

}  // namespace lintra::practice
