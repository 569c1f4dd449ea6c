#include "journal/journal_queries.h"

#include <sqlite3.h>

#include <algorithm>
#include <ctime>
#include <map>
#include <string>

#include "journal/answer_columns.h"
#include "journal/statement.h"

namespace lintra::journal {
namespace {

constexpr std::int64_t kDayMs = 24 * 60 * 60 * 1000;

// Answers are appended in time order, so a period's answers begin at the first answer of the
// session that was running when the period began.
std::int64_t FirstAnswerSince(sqlite3* db, std::int64_t boundaryMs) {
  Statement find(db,
                 "SELECT coalesce((SELECT first_answer FROM sessions WHERE started_ms < ?1"
                 " ORDER BY started_ms DESC LIMIT 1), (SELECT min(first_answer) FROM sessions), 1)");
  return find.bind(1, boundaryMs).step() == SQLITE_ROW ? find.integer(0) : 1;
}

struct Tally {
  std::int64_t startMs = 0;
  int right = 0;
  std::vector<std::int64_t> times;

  void Add(std::int64_t timeMs, bool correct, std::int64_t responseMs) {
    if (times.empty() || timeMs < startMs) startMs = timeMs;
    right += correct ? 1 : 0;
    times.push_back(responseMs);
  }
  TrendPoint Point(std::int64_t period) {
    TrendPoint point{period, startMs, static_cast<int>(times.size()), right, 0};
    if (!times.empty()) {
      auto middle = times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2);
      std::nth_element(times.begin(), middle, times.end());
      point.medianResponseMs = *middle;
      if (times.size() % 2 == 0) {
        const auto below = *std::max_element(times.begin(), middle);
        point.medianResponseMs = (below + *middle) / 2;
      }
    }
    return point;
  }
};

std::string IsoTime(std::int64_t utcMs) {
  const std::time_t seconds = static_cast<std::time_t>(utcMs / 1000);
  std::tm tm{};
  gmtime_r(&seconds, &tm);
  char text[40];
  const std::size_t n = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &tm);
  std::snprintf(text + n, sizeof text - n, ".%03dZ", static_cast<int>(utcMs % 1000));
  return text;
}

// Names of keys and answers come from the program's own tables, but a file is outside input:
// quote anything that could break a CSV line.
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

std::vector<NoteHistory> MasteryInputs(sqlite3* db, theory::KeyId keyId, int attempts) {
  std::vector<NoteHistory> notes;
  Statement name(db, "SELECT id FROM names WHERE text = ?1");
  if (name.bind(1, theory::Code(keyId)).step() != SQLITE_ROW) return notes;
  const std::int64_t key = name.integer(0);
  // Walks the index note by note instead of reading every answer in the key.
  Statement next(db, "SELECT slot FROM answers WHERE key_name = ?1 AND slot > ?2 ORDER BY slot LIMIT 1");
  Statement last(db,
                 "SELECT correct, response_ms, staff FROM answers WHERE key_name = ?1 AND slot = ?2"
                 " AND attempt = 1 AND exercise = ?4 ORDER BY id DESC LIMIT ?3");
  std::int64_t slot = -1;
  for (;;) {
    next.reset();
    if (next.bind(1, key).bind(2, slot).step() != SQLITE_ROW) break;
    slot = next.integer(0);
    NoteHistory note;
    note.slot = static_cast<theory::NoteSlot>(slot);
    last.reset();
    last.bind(1, key).bind(2, slot).bind(3, std::int64_t{attempts});
    last.bind(4, static_cast<std::int64_t>(Exercise::NoteReading));
    while (last.step() == SQLITE_ROW) {
      note.staff = static_cast<Staff>(last.integer(2));
      note.lastFirstTries.push_back({last.integer(0) != 0, last.integer(1)});
    }
    if (!note.lastFirstTries.empty()) notes.push_back(std::move(note));
  }
  return notes;
}

std::vector<TrendPoint> DailyTrend(sqlite3* db, std::int64_t nowUtcMs, int days, int utcOffsetMinutes) {
  const std::int64_t offsetMs = std::int64_t{utcOffsetMinutes} * 60 * 1000;
  auto dayOf = [&](std::int64_t t) {
    const std::int64_t local = t + offsetMs;
    return local >= 0 ? local / kDayMs : (local - kDayMs + 1) / kDayMs;
  };
  const std::int64_t firstDay = dayOf(nowUtcMs) - (days - 1);
  const std::int64_t boundaryMs = firstDay * kDayMs - offsetMs;
  Statement scan(db,
                 "SELECT time_ms, correct, response_ms FROM answers"
                 " WHERE id >= ?1 AND attempt = 1 AND time_ms >= ?2 AND time_ms <= ?3");
  scan.bind(1, FirstAnswerSince(db, boundaryMs)).bind(2, boundaryMs).bind(3, nowUtcMs);
  std::map<std::int64_t, Tally> byDay;
  while (scan.step() == SQLITE_ROW) {
    const std::int64_t t = scan.integer(0);
    byDay[dayOf(t)].Add(t, scan.integer(1) != 0, scan.integer(2));
  }
  std::vector<TrendPoint> points;
  for (auto& [day, tally] : byDay) points.push_back(tally.Point(day));
  return points;
}

std::vector<TrendPoint> SessionTrend(sqlite3* db, int sessions) {
  Statement recent(db, "SELECT id, external, first_answer FROM sessions ORDER BY id DESC LIMIT ?1");
  recent.bind(1, std::int64_t{sessions});
  std::map<std::int64_t, std::pair<std::int64_t, Tally>> byId;  // the journal's id: the caller's, the figures
  std::int64_t from = -1;
  while (recent.step() == SQLITE_ROW) {
    byId[recent.integer(0)].first = recent.integer(1);
    from = from < 0 ? recent.integer(2) : std::min(from, recent.integer(2));
  }
  std::vector<TrendPoint> points;
  if (byId.empty()) return points;
  Statement scan(db, "SELECT session, time_ms, correct, response_ms FROM answers WHERE id >= ?1 AND attempt = 1");
  scan.bind(1, from);
  while (scan.step() == SQLITE_ROW) {
    auto it = byId.find(scan.integer(0));
    if (it != byId.end()) it->second.second.Add(scan.integer(1), scan.integer(2) != 0, scan.integer(3));
  }
  for (auto& [id, entry] : byId) {
    if (!entry.second.times.empty()) points.push_back(entry.second.Point(entry.first));
  }
  return points;
}

std::vector<MistakeSummary> RecentMistakes(sqlite3* db, std::int64_t nowUtcMs, int days) {
  const std::int64_t boundaryMs = nowUtcMs - std::int64_t{days} * kDayMs;
  Statement count(db,
                  "SELECT mistake, count(*), max(id) FROM answers WHERE id >= ?1 AND time_ms >= ?2"
                  " AND time_ms <= ?3 AND mistake <> 0 GROUP BY mistake ORDER BY count(*) DESC, mistake");
  count.bind(1, FirstAnswerSince(db, boundaryMs)).bind(2, boundaryMs).bind(3, nowUtcMs);
  std::vector<MistakeSummary> kinds;
  Statement example(db, std::string(kSelectAnswerSql) + " WHERE a.id = ?1");
  while (count.step() == SQLITE_ROW) {
    MistakeSummary summary;
    summary.kind = static_cast<MistakeKind>(count.integer(0));
    summary.count = static_cast<int>(count.integer(1));
    example.reset();
    if (example.bind(1, count.integer(2)).step() == SQLITE_ROW) summary.example = ReadAnswer(example);
    kinds.push_back(std::move(summary));
  }
  return kinds;
}

bool ExportCsv(sqlite3* db, std::ostream& out, const KeyText& keyText) {
  out << "time_utc,session,exercise,scale_kind,key,clef_range,question,question_midi,question_staff,"
         "question_place,answer_key,answer_midi,answer_source,correct,attempt,response_ms,mistake\n";
  Statement all(db, std::string(kSelectAnswerSql) + " ORDER BY a.id");
  int rc = SQLITE_ROW;
  while ((rc = all.step()) == SQLITE_ROW) {
    const AnswerRecord r = ReadAnswer(all);
    // A key this program does not know is written as the file names it.
    const auto known = theory::ParseKeyCode(all.text(4));
    out << IsoTime(r.wallTimeUtcMs) << ',' << r.sessionId << ',' << practice::Code(r.exercise) << ','
        << practice::Code(r.scaleKind) << ',' << CsvField(known ? keyText(*known) : all.text(4)) << ','
        << practice::Code(r.clefRange) << ',' << r.questionName << ',' << r.questionMidi << ','
        << practice::Code(r.questionStaff) << ',' << r.questionPlace << ',' << CsvField(r.answerKey) << ','
        << r.answerMidi << ',' << practice::Code(r.source) << ',' << (r.correct ? 1 : 0) << ',' << r.attempt << ','
        << r.responseMs << ',' << practice::Code(r.mistake) << '\n';
  }
  return rc == SQLITE_DONE && static_cast<bool>(out);
}

}  // namespace lintra::journal
