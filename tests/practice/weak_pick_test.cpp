#include "practice/weak_pick.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "practice/reading_model.h"
#include "theory/keys.h"

namespace lintra::practice {
namespace {

constexpr std::int64_t kNoon = 1765195200000;  // 2025-12-08T12:00:00Z

std::vector<std::string> PoolLines(theory::KeyId key) {
  std::vector<std::string> lines;
  for (const auto slot : theory::FindKey(key)->pool) lines.push_back(std::to_string(slot));
  return lines;
}

TEST(WeakPick, OffersExactlyWhatThePlainPickCanAsk) {
  const auto cMajor = PoolLines(theory::KeyId::CMajor);
  const auto treble = QuestionCandidates(cMajor, false, 1, 35, 36);
  EXPECT_EQ(treble, (std::vector<theory::NoteSlot>{39, 42, 45, 48, 51, 54, 57, 60, 63, 66, 69}));
  // A draw of middle C after middle C becomes D3, above the bass range.
  const auto bass = QuestionCandidates(cMajor, false, 0, 35, 33);
  EXPECT_EQ(bass.back(), 36);
  EXPECT_EQ(bass.size(), 12u);
  const auto chromatic = QuestionCandidates(cMajor, true, 1, 35, 69);
  EXPECT_EQ(chromatic.size(), 70u);
  EXPECT_EQ(chromatic.back(), 72);
}

// Treble C major: four notes answered well and fast, four learnt half-way, three never asked.
TEST(WeakPick, AsksNewAndLearningNotesFarMoreOftenThanFluentOnesButEveryNote) {
  const std::vector<theory::NoteSlot> fluent{39, 42, 45, 48};
  const std::vector<theory::NoteSlot> learning{51, 54, 57, 60};
  const std::vector<theory::NoteSlot> unasked{63, 66, 69};
  // The model the pick draws from is the one whose states the Progress window shows.
  ReadingModel pick;
  std::int64_t now = kNoon;
  for (int round = 0; round < 12; ++round) {
    for (const auto slot : fluent) pick.Observe({slot, true, 1200, now += 4000});
    for (const auto slot : learning) pick.Observe({slot, round % 2 == 0, 2500, now += 4000});
  }
  for (const auto slot : fluent) EXPECT_EQ(pick.MasteryOf(slot, now).state, MasteryState::Fluent) << int{slot};
  for (const auto slot : learning) EXPECT_EQ(pick.MasteryOf(slot, now).state, MasteryState::Learning) << int{slot};
  for (const auto slot : unasked) EXPECT_EQ(pick.MasteryOf(slot, now).state, MasteryState::New) << int{slot};

  const auto candidates = QuestionCandidates(PoolLines(theory::KeyId::CMajor), false, 1, 35, 36);
  std::map<theory::NoteSlot, int> counts;
  theory::Random random;
  for (int i = 0; i < 10000; ++i) {
    random.Seed(43200000 + 2371 * i);  // the clock seed of a question every few seconds
    ++counts[pick.Pick(random, candidates, now + 2371 * i)];
  }
  for (const auto slot : candidates) EXPECT_GT(counts[slot], 0) << int{slot};
  int mostFluent = 0;
  for (const auto slot : fluent) mostFluent = std::max(mostFluent, counts[slot]);
  for (const auto slot : learning) EXPECT_GE(counts[slot], 2 * mostFluent) << int{slot};
  for (const auto slot : unasked) EXPECT_GE(counts[slot], 2 * mostFluent) << int{slot};
}

// The pool's two lowest and two highest notes are judged by how the others among them went: after
// missed ledger-line notes, the one not yet asked looks harder than a staff note not yet asked.
TEST(WeakPick, JudgesTheLedgerLineNotesOfAPoolByEachOther) {
  std::vector<theory::NoteSlot> pool;
  for (theory::NoteSlot slot = 36; slot < 48; ++slot) pool.push_back(slot);
  WeakNotePick pick;
  theory::Random random;
  random.Seed(1);
  std::int64_t now = kNoon;
  pick.Pick(random, pool, now);
  const std::vector<theory::NoteSlot> edges{36, 37, 46};                  // 47 is left unasked
  const std::vector<theory::NoteSlot> inner{38, 39, 40, 41, 42, 43, 44};  // 45 is left unasked
  for (int round = 0; round < 6; ++round) {
    for (const auto slot : edges) pick.Observe({slot, round == 5, 1500, now += 4000});
    for (const auto slot : inner) pick.Observe({slot, true, 1500, now += 4000});
  }
  const auto need = [&](theory::NoteSlot slot) { return pick.Recall().QuestionsTo(0.93, slot, now, 0.95); };
  EXPECT_LT(pick.Recall().RecallNow(47, now), pick.Recall().RecallNow(45, now) - 0.2);
  EXPECT_GT(need(47), need(45));
}

// Yesterday ended with every note fluent, but three were learnt only then: overnight those fell below
// fluent, and today's first question goes to one of them. Every pick is one draw of the generator.
TEST(WeakPick, OpensASessionWithTheNotesThatFadedSinceTheLastOneInOneDraw) {
  constexpr std::int64_t kDay = 86'400'000;
  const std::vector<theory::NoteSlot> settled{40, 41, 42};
  const std::vector<theory::NoteSlot> fresh{43, 44, 45};
  WeakNotePick pick;
  std::int64_t now = kNoon;
  // A note is missed twice when it is new, then read right; on the next two mornings it is missed
  // once more (a night takes some of what was learnt), then read right.
  const auto learn = [&](const std::vector<theory::NoteSlot>& slots, int day, int rounds) {
    for (int round = 0; round < rounds; ++round) {
      for (const auto slot : slots) pick.Observe({slot, day > 2 || round >= (day == 0 ? 2 : 1), 900, now += 4000});
    }
  };
  for (int day = 0; day < 6; ++day) {
    now = kNoon + day * kDay;
    learn(settled, day, 4);
  }
  learn(fresh, 0, 8);
  for (const auto slot : settled) EXPECT_EQ(pick.Recall().StateNow(slot, now), MasteryState::Fluent) << int{slot};
  for (const auto slot : fresh) EXPECT_EQ(pick.Recall().StateNow(slot, now), MasteryState::Fluent) << int{slot};
  const std::int64_t nextMorning = kNoon + 6 * kDay;
  for (const auto slot : fresh) EXPECT_EQ(pick.Recall().StateNow(slot, nextMorning), MasteryState::Learning);

  std::vector<theory::NoteSlot> candidates = settled;
  candidates.insert(candidates.end(), fresh.begin(), fresh.end());
  int faded = 0;
  for (int i = 0; i < 1000; ++i) {
    theory::Random random;
    theory::Random once;
    random.Seed(nextMorning % kDay + 997 * i);
    once.Seed(nextMorning % kDay + 997 * i);
    const auto slot = pick.Pick(random, candidates, nextMorning);
    once.Below(1);
    ASSERT_EQ(random.State(), once.State());
    faded += std::find(fresh.begin(), fresh.end(), slot) != fresh.end() ? 1 : 0;
  }
  EXPECT_GE(faded, 900);
}

}  // namespace
}  // namespace lintra::practice
