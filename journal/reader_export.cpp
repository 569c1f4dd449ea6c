#include <sqlite3.h>

#include "journal/answer_columns.h"
#include "journal/journal_reader.h"
#include "journal/statement.h"
#include "journal/utc_text.h"

namespace lintra::journal {
namespace {

// Names come from the program's own tables, but a key's name may come from the file, which is
// outside input: quote anything that could break a CSV line.
std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace

bool JournalReader::ExportCsv(std::ostream& out, const CsvNaming& naming) const {
  out << "time_utc,session,exercise,scale_kind,key,clef_range,question,question_midi,question_staff,"
         "question_place,answer_key,answer_midi,answer_source,correct,attempt,response_ms,mistake\n";
  Statement all(db_, std::string(kSelectAnswerSql) + " ORDER BY a.id");
  int rc = SQLITE_ROW;
  while ((rc = all.step()) == SQLITE_ROW) {
    const AnswerRecord r = ReadAnswer(all);
    // A key this program does not know is written as the file names it.
    const auto known = theory::ParseKeyCode(all.text(4));
    // The notes as the student reads them, the answer as the note they most likely read.
    const std::string question = practice::NoteNameAsShown(r.questionName, naming.notes);
    const std::string answer =
        practice::AnsweredNoteName(r.key, r.questionSlot, r.answerMidi, r.clefRange, naming.notes);
    out << IsoUtc(r.wallTimeUtcMs) << ',' << all.integer(17) << ',' << practice::Code(r.exercise) << ','
        << practice::Code(r.scaleKind) << ',' << CsvField(known ? naming.keyText(*known) : all.text(4)) << ','
        << practice::Code(r.clefRange) << ',' << CsvField(question) << ',' << r.questionMidi << ','
        << practice::Code(r.questionStaff) << ',' << r.questionPlace << ',' << CsvField(answer) << ',' << r.answerMidi
        << ',' << practice::Code(r.source) << ',' << (r.correct ? 1 : 0) << ',' << r.attempt << ',' << r.responseMs
        << ',' << practice::Code(r.mistake) << '\n';
  }
  return rc == SQLITE_DONE && static_cast<bool>(out);
}

}  // namespace lintra::journal
