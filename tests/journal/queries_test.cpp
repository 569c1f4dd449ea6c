// What the Progress window reads, the CSV export and the writer thread.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "journal/journal.h"
#include "journal/journal_writer.h"
#include "test_answers.h"

namespace lintra::journal {
namespace {

using test::Answer;
constexpr std::int64_t kDay = 86'400'000;
constexpr std::int64_t kMonday = 1765152000000;  // 2025-12-08T00:00:00Z

TEST(JournalQueries, MasteryInputsAreEachNotesLastFirstTriesInTheKey) {
  test::TempFolder folder;
  Journal journal(folder.file("j.sqlite"));
  for (int i = 0; i < 12; ++i) journal.Append(Answer(kMonday + i, 1, 40, i >= 2, 1000 + i));
  journal.Append(Answer(kMonday + 20, 1, 40, false, 5, 2));  // a second try does not count
  AnswerRecord otherKey = Answer(kMonday + 21, 1, 40, false, 7);
  otherKey.key = theory::KeyId::FMajor;
  journal.Append(otherKey);
  journal.Append(Answer(kMonday + 22, 1, 3, false, 3000));
  AnswerRecord played = Answer(kMonday + 23, 1, 40, false, 9);  // playing a named note is no reading
  played.exercise = Exercise::PlayKeyboard;
  journal.Append(played);

  const auto notes = journal.Reader().LastFirstTries(theory::KeyId::GMajor);
  ASSERT_EQ(notes.size(), 2u);
  EXPECT_EQ(notes[0].slot, 3);
  EXPECT_EQ(notes[0].staff, Staff::Bass);
  ASSERT_EQ(notes[1].lastFirstTries.size(), 10u);
  EXPECT_EQ(notes[1].staff, Staff::Treble);
  EXPECT_EQ(notes[1].lastFirstTries.front().responseMs, 1011);
  EXPECT_EQ(notes[1].lastFirstTries.back().responseMs, 1002);
  EXPECT_TRUE(notes[1].lastFirstTries.back().correct);
  EXPECT_TRUE(journal.Reader().LastFirstTries(theory::KeyId::DMajor).empty());

  // The same note read in the alto clef is another skill: its tries are the alto staff's alone.
  for (int i = 0; i < 3; ++i) {
    AnswerRecord alto = Answer(kMonday + 30 + i, 1, 40, true, 400 + i);
    alto.clefRange = ClefRange::Alto;
    alto.questionStaff = Staff::Alto;
    journal.Append(alto);
  }
  EXPECT_EQ(journal.Reader().LastFirstTries(theory::KeyId::GMajor)[1].lastFirstTries.front().responseMs, 1011);
  const auto altoNotes = journal.Reader().LastFirstTries(theory::KeyId::GMajor, practice::StaffKind::Alto);
  ASSERT_EQ(altoNotes.size(), 1u);
  EXPECT_EQ(altoNotes[0].staff, Staff::Alto);
  EXPECT_EQ(altoNotes[0].lastFirstTries.size(), 3u);
  EXPECT_TRUE(journal.Reader().LastFirstTries(theory::KeyId::GMajor, practice::StaffKind::Tenor).empty());
  EXPECT_EQ(journal.Reader().FirstTries(theory::KeyId::GMajor, practice::StaffKind::Alto).size(), 3u);
}

TEST(JournalQueries, FirstTriesComeInTheOrderTheyWereAnsweredByTimeThenAsWritten) {
  test::TempFolder folder;
  Journal journal(folder.file("j.sqlite"));
  journal.Append(Answer(kMonday + 50, 1, 40, true, 700));
  journal.Append(Answer(kMonday + 10, 1, 12, false, 900));    // written later, answered earlier
  journal.Append(Answer(kMonday + 50, 1, 3, true, 800));      // the same moment: as written
  journal.Append(Answer(kMonday + 60, 1, 40, true, 600, 2));  // a second try is no first try
  AnswerRecord outside = Answer(kMonday + 70, 1, 40, true, 500);
  outside.key = theory::KeyId::Chromatic;
  journal.Append(outside);
  const auto tries = journal.Reader().FirstTries(theory::KeyId::GMajor);
  ASSERT_EQ(tries.size(), 3u);
  EXPECT_EQ(tries[0].slot, 12);
  EXPECT_FALSE(tries[0].right);
  EXPECT_EQ(tries[0].utcMs, kMonday + 10);
  EXPECT_EQ(tries[1].slot, 40);
  EXPECT_EQ(tries[1].responseMs, 700);
  EXPECT_EQ(tries[2].slot, 3);
  EXPECT_EQ(journal.Reader().FirstTries(theory::KeyId::Chromatic).size(), 1u);
  EXPECT_TRUE(journal.Reader().FirstTries(theory::KeyId::EMinor).empty());
}

TEST(JournalQueries, AFileIsReadWithoutBeingMadeAndTellsWhatItHolds) {
  test::TempFolder folder;
  const std::string file = folder.file("j.sqlite");
  EXPECT_EQ(JournalReader(file).Probe(), JournalReader::State::Empty);
  EXPECT_FALSE(std::filesystem::exists(file));
  {
    Journal journal(file);
    EXPECT_EQ(JournalReader(file).Probe(), JournalReader::State::Empty);
    journal.Append(Answer(kMonday, 1, 40, true, 700));
    journal.Append(Answer(kMonday + 5, 1, 41, true, 700));
    const JournalReader reader(file);
    EXPECT_EQ(reader.Probe(), JournalReader::State::Ready);
    EXPECT_EQ(reader.AnswerCount(), 2);
    EXPECT_EQ(reader.LastAnswerUtcMs(), kMonday + 5);
  }
  test::Exec(file, "PRAGMA user_version = 99");
  EXPECT_EQ(JournalReader(file).Probe(), JournalReader::State::Unreadable);
  const std::string garbage = folder.file("garbage.sqlite");
  std::ofstream(garbage) << std::string(5000, 'x');
  EXPECT_EQ(JournalReader(garbage).Probe(), JournalReader::State::Unreadable);
  EXPECT_FALSE(JournalReader(garbage).LastAnswerUtcMs());
}

TEST(JournalQueries, TrendsGroupFirstTriesByLocalDayAndBySession) {
  test::TempFolder folder;
  Journal journal(folder.file("j.sqlite"));
  // Session s runs on day s at 23:30 UTC, which is the next local day at UTC+1.
  for (int s = 0; s < 25; ++s) {
    const std::int64_t start = kMonday + s * kDay + 23 * 3600'000 + 1800'000;
    for (int i = 0; i < 4; ++i) journal.Append(Answer(start + i * 1000, 500 + s, 10, i != 0, 1000 * (i + 1)));
    journal.Append(Answer(start + 5000, 500 + s, 10, true, 1, 2));
  }
  const std::int64_t now = kMonday + 25 * kDay + 12 * 3600'000;
  const auto days = journal.Reader().DailyTrend(now, 7, 60);
  ASSERT_EQ(days.size(), 7u);
  EXPECT_EQ(days.back().period, (kMonday + 25 * kDay) / kDay);
  EXPECT_EQ(days.back().firstTries, 4);
  EXPECT_EQ(days.back().firstTriesRight, 3);
  EXPECT_EQ(days.back().medianResponseMs, 2500);
  EXPECT_EQ(journal.Reader().DailyTrend(now, 7, 0).size(), 6u);

  const auto sessions = journal.Reader().SessionTrend();
  ASSERT_EQ(sessions.size(), 20u);
  EXPECT_EQ(sessions.front().period, 505);
  EXPECT_EQ(sessions.back().period, 524);
  EXPECT_EQ(sessions.back().firstTries, 4);
  EXPECT_EQ(sessions.back().startMs, kMonday + 24 * kDay + 23 * 3600'000 + 1800'000);
}

// The daily goal counts each session for the local day it began, in the offset it began with.
TEST(JournalQueries, FirstTriesPerSessionKeepTheirStartAndOffset) {
  test::TempFolder folder;
  Journal journal(folder.file("j.sqlite"));
  auto answer = [](std::int64_t t, std::int64_t session, int attempt, int offset) {
    auto a = Answer(t, session, 10, true, 900, attempt);
    a.utcOffsetMinutes = offset;
    return a;
  };
  for (int i = 0; i < 3; ++i) journal.Append(answer(kMonday + i * 1000, 7, 1, 60));
  journal.Append(answer(kMonday + 5000, 7, 2, 60));
  journal.Append(answer(kMonday + kDay, 9, 1, -300));
  journal.Append(answer(kMonday + kDay + 1000, 9, 1, -300));
  const auto sessions = journal.Reader().FirstTriesPerSession();
  ASSERT_EQ(sessions.size(), 2u);
  EXPECT_EQ(sessions[0].external, 7);
  EXPECT_EQ(sessions[0].startedMs, kMonday);
  EXPECT_EQ(sessions[0].utcOffsetMinutes, 60);
  EXPECT_EQ(sessions[0].firstTries, 3);
  EXPECT_EQ(sessions[1].utcOffsetMinutes, -300);
  EXPECT_EQ(sessions[1].firstTries, 2);
}

// A teacher looks at one key at a time: its days, its last sessions, and which of those practised weak
// notes (one answer asked so marks its session, whenever it comes).
TEST(JournalQueries, TrendsOfOneKeyMarkTheSessionsThatPractisedWeakNotes) {
  test::TempFolder folder;
  Journal journal(folder.file("j.sqlite"));
  auto inKey = [](theory::KeyId key, std::int64_t t, std::int64_t session, bool weak) {
    AnswerRecord r = Answer(t, session, 10, true, 900);
    r.key = key;
    r.weakNotes = weak;
    return r;
  };
  for (int s = 0; s < 6; ++s) {
    const std::int64_t start = kMonday + s * kDay;
    const auto key = s % 2 == 0 ? theory::KeyId::GMajor : theory::KeyId::FMajor;
    journal.Append(inKey(key, start, 100 + s, false));
    journal.Append(inKey(key, start + 1000, 100 + s, s == 4));  // the mark comes with a later answer
  }
  journal.Append(inKey(theory::KeyId::FMajor, kMonday + 4 * kDay + 5000, 104, false));  // another key, same session

  const auto g = journal.Reader().SessionTrend(2, theory::KeyId::GMajor);
  ASSERT_EQ(g.size(), 2u);
  EXPECT_EQ(g[0].period, 102);
  EXPECT_FALSE(g[0].weakNotes);
  EXPECT_EQ(g[1].period, 104);
  EXPECT_EQ(g[1].firstTries, 2);  // F major's answer of that session is not G major's
  EXPECT_TRUE(g[1].weakNotes);
  const auto f = journal.Reader().SessionTrend(20, theory::KeyId::FMajor);
  ASSERT_EQ(f.size(), 4u);
  EXPECT_EQ(f[2].period, 104);
  EXPECT_EQ(f[2].firstTries, 1);
  EXPECT_TRUE(f[2].weakNotes);  // the session is marked, whatever key it was in
  EXPECT_TRUE(journal.Reader().SessionTrend(20, theory::KeyId::DMajor).empty());
  const auto all = journal.Reader().SessionTrend();
  ASSERT_EQ(all.size(), 6u);
  EXPECT_EQ(std::count_if(all.begin(), all.end(), [](const TrendPoint& p) { return p.weakNotes; }), 1);

  const auto days = journal.Reader().DailyTrend(kMonday + 6 * kDay, 30, 0, theory::KeyId::FMajor);
  ASSERT_EQ(days.size(), 4u);  // days 1, 3 and 5, and G major's day 4 with one answer in F major
  EXPECT_EQ(days[2].firstTries, 1);
  EXPECT_EQ(journal.Reader().DailyTrend(kMonday + 6 * kDay, 30, 0).size(), 6u);
}

TEST(JournalQueries, RecentMistakesAreCountedByKindWithTheLatestAsExample) {
  test::TempFolder folder;
  Journal journal(folder.file("j.sqlite"));
  const std::int64_t now = kMonday + 10 * kDay;
  journal.Append(Answer(now - 8 * kDay, 1, 10, false, 900, 1, MistakeKind::OtherClef));  // too old
  journal.Append(Answer(now - 6 * kDay, 2, 11, false, 900, 1, MistakeKind::OtherClef));
  journal.Append(Answer(now - 5 * kDay, 2, 12, false, 900, 1, MistakeKind::Octave));
  journal.Append(Answer(now - 5 * kDay, 2, 12, true, 900, 2));
  journal.Append(Answer(now - 1 * kDay, 3, 13, false, 900, 1, MistakeKind::OtherClef));
  const auto kinds = journal.Reader().RecentMistakes(now);
  ASSERT_EQ(kinds.size(), 2u);
  EXPECT_EQ(kinds[0].kind, MistakeKind::OtherClef);
  EXPECT_EQ(kinds[0].count, 2);
  EXPECT_EQ(kinds[0].example.questionSlot, 13);
  EXPECT_EQ(kinds[0].example.sessionId, 3);
  EXPECT_EQ(kinds[0].example.questionName, theory::SpelledNoteTable()[13].letterName);
  EXPECT_EQ(kinds[0].example.key, theory::KeyId::GMajor);
  EXPECT_EQ(kinds[0].example.answerKey, "F1sharp");
  EXPECT_EQ(kinds[1].kind, MistakeKind::Octave);
  EXPECT_EQ(kinds[1].count, 1);
}

// As a teacher reads it: sessions numbered from 1 in the order they began, notes named as the student
// chose, a wrong answer as the note most likely read, and a key's name quoted where it needs it.
TEST(JournalExport, CsvNamesSessionsByNumberAndNotesAsTheStudentReadsThem) {
  test::TempFolder folder;
  Journal journal(folder.file("j.sqlite"));
  const theory::NoteSlot fSharp = *theory::FindByLetterName("F#3");  // MIDI 66, drawn without a sign in G major
  AnswerRecord right = Answer(kMonday, 1796634000000, fSharp, true, 800);
  right.questionName = "F#3";
  AnswerRecord natural =
      Answer(kMonday + 1234, 1796657400000, fSharp, false, 1500, 1, MistakeKind::KeySignatureIgnored);
  natural.questionName = "F#3";
  natural.answerMidi = 65;
  natural.source = AnswerSource::MidiKeyboard;
  journal.Append(right);
  journal.Append(natural);
  const auto keyText = [](theory::KeyId key) { return "the " + std::string(theory::Code(key)) + ", odd"; };
  const std::string header =
      "time_utc,session,exercise,scale_kind,key,clef_range,question,question_midi,question_staff,"
      "question_place,answer_key,answer_midi,answer_source,correct,attempt,response_ms,mistake\n";
  std::ostringstream letters;
  ASSERT_TRUE(journal.Reader().ExportCsv(letters, {keyText, {}}));
  EXPECT_EQ(letters.str(), header +
                               "2025-12-08T00:00:00.000Z,1,note_reading,major,\"the g_major, odd\",treble,F#3,66,"
                               "treble,3,F#3,66,screen,1,1,800,none\n"
                               "2025-12-08T00:00:01.234Z,2,note_reading,major,\"the g_major, odd\",treble,F#3,66,"
                               "treble,3,F3,65,midi,0,1,1500,key_signature\n");
  std::ostringstream syllables;
  ASSERT_TRUE(journal.Reader().ExportCsv(syllables, {keyText, {.syllables = true, .middleCIsC4 = true}}));
  EXPECT_NE(syllables.str().find(",Fá#4,66,treble,3,Fá#4,66,screen,"), std::string::npos) << syllables.str();
  EXPECT_NE(syllables.str().find(",Fá#4,66,treble,3,Fá4,65,midi,"), std::string::npos) << syllables.str();
}

TEST(JournalWriterThread, RecordedAnswersAreAllWrittenByFlushAndOnClose) {
  test::TempFolder folder;
  const std::string file = folder.file("j.sqlite");
  {
    JournalWriter writer(std::make_unique<Journal>(file), 16);
    for (int i = 0; i < 500; ++i) writer.Record(Answer(kMonday + i, 1, i % 70, true, 700));
    EXPECT_EQ(writer.Read([](const JournalReader& j) { return j.SessionTrend().at(0).firstTries; }), 500);
    for (int i = 0; i < 300; ++i) writer.Record(Answer(kMonday + 1000 + i, 2, i % 70, true, 700));
  }
  EXPECT_EQ(test::Count(file, "SELECT count(*) FROM answers"), 800);

  // Another program holds the file's write lock longer than a write waits: the answer is held, and
  // written as the writer closes once the lock is gone.
  sqlite3* other = nullptr;
  sqlite3_open(file.c_str(), &other);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
  {
    JournalWriter writer(std::make_unique<Journal>(file, 20));
    writer.Record(Answer(kMonday + 5000, 3, 10, true, 700));
    EXPECT_EQ(writer.Unsaved(), 1u);
    EXPECT_EQ(writer.Read([](const JournalReader& j) { return j.AnswerCount(); }), 801);
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
  }
  sqlite3_close(other);
  EXPECT_EQ(test::Count(file, "SELECT count(*) FROM answers"), 801);
}

}  // namespace
}  // namespace lintra::journal
