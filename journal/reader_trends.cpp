#include <sqlite3.h>

#include <algorithm>
#include <map>

#include "journal/answer_columns.h"
#include "journal/journal_reader.h"
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

}  // namespace

std::vector<TrendPoint> JournalReader::DailyTrend(std::int64_t nowUtcMs, int days, int utcOffsetMinutes,
                                                  std::optional<theory::KeyId> key) const {
  std::vector<TrendPoint> points;
  if (db_ == nullptr) return points;
  const auto keyRow = key ? KeyRow(*key) : std::nullopt;
  if (key && !keyRow) return points;
  sqlite3* db = db_;
  const std::int64_t offsetMs = std::int64_t{utcOffsetMinutes} * 60 * 1000;
  auto dayOf = [&](std::int64_t t) {
    const std::int64_t local = t + offsetMs;
    return local >= 0 ? local / kDayMs : (local - kDayMs + 1) / kDayMs;
  };
  const std::int64_t firstDay = dayOf(nowUtcMs) - (days - 1);
  const std::int64_t boundaryMs = firstDay * kDayMs - offsetMs;
  // "+key_name": the run of row ids is the way in, not the index of notes.
  Statement scan(db,
                 "SELECT time_ms, correct, response_ms FROM answers"
                 " WHERE id >= ?1 AND attempt = 1 AND time_ms >= ?2 AND time_ms <= ?3"
                 " AND (?4 IS NULL OR +key_name = ?4)");
  scan.bind(1, FirstAnswerSince(db, boundaryMs)).bind(2, boundaryMs).bind(3, nowUtcMs);
  if (keyRow) scan.bind(4, *keyRow);
  std::map<std::int64_t, Tally> byDay;
  while (scan.step() == SQLITE_ROW) {
    const std::int64_t t = scan.integer(0);
    byDay[dayOf(t)].Add(t, scan.integer(1) != 0, scan.integer(2));
  }
  for (auto& [day, tally] : byDay) points.push_back(tally.Point(day));
  return points;
}

namespace {

struct SessionTally {
  std::int64_t external = 0;  // the caller's id
  bool weakNotes = false;
  Tally tally;
};

// The sessions' ids as the caller knows them and their marks.
void ReadSessions(sqlite3* db, std::map<std::int64_t, SessionTally>& sessions) {
  Statement read(db, "SELECT external, weak_notes FROM sessions WHERE id = ?1");
  for (auto& [id, session] : sessions) {
    read.reset();
    if (read.bind(1, id).step() != SQLITE_ROW) continue;
    session.external = read.integer(0);
    session.weakNotes = read.integer(1) != 0;
  }
}

std::vector<TrendPoint> Points(std::map<std::int64_t, SessionTally>& sessions) {
  std::vector<TrendPoint> points;
  for (auto& [id, session] : sessions) {
    if (session.tally.times.empty()) continue;
    points.push_back(session.tally.Point(session.external));
    points.back().weakNotes = session.weakNotes;
  }
  return points;
}

}  // namespace

std::vector<TrendPoint> JournalReader::SessionTrend(int sessions, std::optional<theory::KeyId> key) const {
  if (db_ == nullptr) return {};
  const auto keyRow = key ? KeyRow(*key) : std::nullopt;
  if (key && !keyRow) return {};
  sqlite3* db = db_;
  std::map<std::int64_t, SessionTally> byId;  // the journal's id: the figures
  if (keyRow) {
    // Newest first, until a session beyond the last `sessions` one comes: a key practised lately is
    // found at once, without the index of notes and a sort of every answer in the key.
    Statement scan(db,
                   "SELECT session, time_ms, correct, response_ms FROM answers"
                   " WHERE +key_name = ?1 AND attempt = 1 ORDER BY id DESC");
    scan.bind(1, *keyRow);
    while (scan.step() == SQLITE_ROW) {
      const std::int64_t session = scan.integer(0);
      if (!byId.contains(session) && byId.size() == static_cast<std::size_t>(std::max(sessions, 0))) break;
      byId[session].tally.Add(scan.integer(1), scan.integer(2) != 0, scan.integer(3));
    }
    ReadSessions(db, byId);
    return Points(byId);
  }
  Statement recent(db, "SELECT id, first_answer FROM sessions ORDER BY id DESC LIMIT ?1");
  recent.bind(1, std::int64_t{sessions});
  std::int64_t from = -1;
  while (recent.step() == SQLITE_ROW) {
    byId[recent.integer(0)];
    from = from < 0 ? recent.integer(1) : std::min(from, recent.integer(1));
  }
  if (byId.empty()) return {};
  Statement scan(db, "SELECT session, time_ms, correct, response_ms FROM answers WHERE id >= ?1 AND attempt = 1");
  scan.bind(1, from);
  while (scan.step() == SQLITE_ROW) {
    auto it = byId.find(scan.integer(0));
    if (it != byId.end()) it->second.tally.Add(scan.integer(1), scan.integer(2) != 0, scan.integer(3));
  }
  ReadSessions(db, byId);
  return Points(byId);
}

std::vector<SessionFirstTries> JournalReader::FirstTriesPerSession() const {
  std::vector<SessionFirstTries> sessions;
  if (db_ == nullptr) return sessions;
  // One pass over the answers, grouped; the sessions table is small.
  Statement scan(db_,
                 "SELECT s.external, s.started_ms, s.utc_offset IS NULL, coalesce(s.utc_offset, 0), coalesce(c.n, 0)"
                 " FROM sessions s LEFT JOIN (SELECT session, count(*) AS n FROM answers WHERE attempt = 1"
                 " GROUP BY session) c ON c.session = s.id ORDER BY s.started_ms, s.id");
  while (scan.step() == SQLITE_ROW) {
    SessionFirstTries session{scan.integer(0), scan.integer(1), std::nullopt, static_cast<int>(scan.integer(4))};
    if (scan.integer(2) == 0) session.utcOffsetMinutes = static_cast<int>(scan.integer(3));
    sessions.push_back(session);
  }
  return sessions;
}

std::vector<MistakeSummary> JournalReader::RecentMistakes(std::int64_t nowUtcMs, int days) const {
  std::vector<MistakeSummary> kinds;
  if (db_ == nullptr) return kinds;
  sqlite3* db = db_;
  const std::int64_t boundaryMs = nowUtcMs - std::int64_t{days} * kDayMs;
  Statement count(db,
                  "SELECT mistake, count(*), max(id) FROM answers WHERE id >= ?1 AND time_ms >= ?2"
                  " AND time_ms <= ?3 AND mistake <> 0 GROUP BY mistake ORDER BY count(*) DESC, mistake");
  count.bind(1, FirstAnswerSince(db, boundaryMs)).bind(2, boundaryMs).bind(3, nowUtcMs);
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

}  // namespace lintra::journal
