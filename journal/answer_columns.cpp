#include "journal/answer_columns.h"

#include "journal/statement.h"

namespace lintra::journal {

const char* const kInsertAnswerSql =
    "INSERT INTO answers(time_ms, session, exercise, scale, key_name, clef_range, slot, midi, staff, place,"
    " answer_name, answer_midi, source, correct, attempt, response_ms, mistake, line_note)"
    " VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18)";

const char* const kSelectAnswerSql =
    "SELECT a.time_ms, s.external, a.exercise, a.scale, k.text, a.clef_range, a.slot, a.midi, a.staff, a.place,"
    " n.text, a.answer_midi, a.source, a.correct, a.attempt, a.response_ms, a.mistake, a.session"
    " FROM answers a JOIN sessions s ON s.id = a.session JOIN names k ON k.id = a.key_name"
    " JOIN names n ON n.id = a.answer_name";

void BindAnswer(Statement& insert, const AnswerRecord& r, std::int64_t session, std::int64_t keyName,
                std::int64_t answerName) {
  insert.bind(1, r.wallTimeUtcMs)
      .bind(2, session)
      .bind(3, static_cast<std::int64_t>(r.exercise))
      .bind(4, static_cast<std::int64_t>(r.scaleKind))
      .bind(5, keyName)
      .bind(6, static_cast<std::int64_t>(r.clefRange))
      .bind(7, static_cast<std::int64_t>(r.questionSlot))
      .bind(8, static_cast<std::int64_t>(r.questionMidi))
      .bind(9, static_cast<std::int64_t>(r.questionStaff))
      .bind(10, static_cast<std::int64_t>(r.questionPlace))
      .bind(11, answerName)
      .bind(12, static_cast<std::int64_t>(r.answerMidi))
      .bind(13, static_cast<std::int64_t>(r.source))
      .bind(14, std::int64_t{r.correct ? 1 : 0})
      .bind(15, static_cast<std::int64_t>(r.attempt))
      .bind(16, r.responseMs)
      .bind(17, static_cast<std::int64_t>(r.mistake))
      .bind(18, static_cast<std::int64_t>(r.lineNote));
}

// The columns hold the enumerators' positions; reordering an enum would change what old files mean.
static_assert(static_cast<int>(Exercise::PlayKeyboard) == 1 && static_cast<int>(ScaleKind::Chromatic) == 2 &&
              static_cast<int>(ClefRange::Grand) == 2 && static_cast<int>(AnswerSource::MidiKeyboard) == 1 &&
              static_cast<int>(AnswerSource::Microphone) == 2 && static_cast<int>(Staff::Bass) == 1 &&
              static_cast<int>(MistakeKind::Other) == 8);

AnswerRecord ReadAnswer(const Statement& s) {
  AnswerRecord r;
  r.wallTimeUtcMs = s.integer(0);
  r.sessionId = s.integer(1);
  r.exercise = static_cast<Exercise>(s.integer(2));
  r.scaleKind = static_cast<ScaleKind>(s.integer(3));
  if (const auto key = theory::ParseKeyCode(s.text(4))) r.key = *key;
  r.clefRange = static_cast<ClefRange>(s.integer(5));
  const auto slot = s.integer(6);
  if (slot >= 0 && static_cast<std::size_t>(slot) < theory::kNoteSlotCount) {
    r.questionSlot = static_cast<theory::NoteSlot>(slot);
    r.questionName = theory::SpelledNoteTable()[r.questionSlot].letterName;
  }
  r.questionMidi = static_cast<int>(s.integer(7));
  r.questionStaff = static_cast<Staff>(s.integer(8));
  r.questionPlace = static_cast<int>(s.integer(9));
  r.answerKey = s.text(10);
  r.answerMidi = static_cast<int>(s.integer(11));
  r.source = static_cast<AnswerSource>(s.integer(12));
  r.correct = s.integer(13) != 0;
  r.attempt = static_cast<int>(s.integer(14));
  r.responseMs = s.integer(15);
  r.mistake = static_cast<MistakeKind>(s.integer(16));
  return r;
}

}  // namespace lintra::journal
