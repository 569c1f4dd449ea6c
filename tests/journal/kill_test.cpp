// A writer killed at any moment loses at most the answer it was writing.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <random>
#include <set>

#include "journal/journal.h"
#include "test_answers.h"

namespace lintra::journal {
namespace {

TEST(JournalKill, EveryAnswerReportedWrittenSurvivesAHundredKills) {
  test::TempFolder folder;
  const std::string file = folder.file("killed.sqlite");
  std::mt19937 random(12);
  std::set<std::int64_t> reported;  // answer times the children said were written
  std::int64_t next = 0;
  for (int round = 0; round < 100; ++round) {
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    const std::int64_t first = next;
    const pid_t child = fork();
    if (child == 0) {
      close(pipeFds[0]);
      Journal journal(file);
      if (journal.InMemory()) _exit(1);
      for (std::int64_t t = first;; ++t) {
        if (journal.Append(test::Answer(t, round, static_cast<int>(t % 70), t % 4 != 0, 600 + t % 900)) &&
            write(pipeFds[1], &t, sizeof t) != sizeof t) {
          _exit(1);
        }
      }
    }
    close(pipeFds[1]);
    // Kill after a random number of answers, then at a random moment within the next one's write.
    const int answers = std::uniform_int_distribution<int>(1, 30)(random);
    std::int64_t t = 0;
    for (int i = 0; i < answers && read(pipeFds[0], &t, sizeof t) == sizeof t; ++i) reported.insert(t);
    usleep(std::uniform_int_distribution<int>(0, 300)(random));
    kill(child, SIGKILL);
    while (read(pipeFds[0], &t, sizeof t) == sizeof t) reported.insert(t);
    close(pipeFds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself in round " << round;
    next = *reported.rbegin() + 2;  // leave room for one answer the kill may have caught mid-write
  }
  EXPECT_EQ(test::Text(file, "PRAGMA integrity_check"), "ok");
  EXPECT_GE(reported.size(), 100u);
  std::string list;
  for (std::int64_t r : reported) list += (list.empty() ? "" : ",") + std::to_string(r);
  const std::string found = "SELECT count(*) FROM answers WHERE time_ms IN (" + list + ")";
  EXPECT_EQ(test::Count(file, found.c_str()), static_cast<std::int64_t>(reported.size()));
  // Beyond those, each kill may have left the one answer it caught after its commit.
  EXPECT_LE(test::Count(file, "SELECT count(*) FROM answers"), static_cast<std::int64_t>(reported.size()) + 100);
}

}  // namespace
}  // namespace lintra::journal
