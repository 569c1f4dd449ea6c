#include "practice/weak_pick.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "practice/reading_model.h"
#include "theory/keys.h"

namespace lintra::practice {
namespace {

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
  for (int round = 0; round < 12; ++round) {
    for (const auto slot : fluent) pick.Observe({slot, true, 1200, 0});
    for (const auto slot : learning) pick.Observe({slot, round % 2 == 0, 2500, 0});
  }
  for (const auto slot : fluent) EXPECT_EQ(pick.MasteryOf(slot).state, MasteryState::Fluent) << int{slot};
  for (const auto slot : learning) EXPECT_EQ(pick.MasteryOf(slot).state, MasteryState::Learning) << int{slot};
  for (const auto slot : unasked) EXPECT_EQ(pick.MasteryOf(slot).state, MasteryState::New) << int{slot};

  const auto candidates = QuestionCandidates(PoolLines(theory::KeyId::CMajor), false, 1, 35, 36);
  std::map<theory::NoteSlot, int> counts;
  theory::Random random;
  for (int i = 0; i < 10000; ++i) {
    random.Seed(43200000 + 2371 * i);  // the clock seed of a question every few seconds
    ++counts[pick.Pick(random, candidates)];
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
  pick.Pick(random, pool);
  const std::vector<theory::NoteSlot> edges{36, 37, 46};                  // 47 is left unasked
  const std::vector<theory::NoteSlot> inner{38, 39, 40, 41, 42, 43, 44};  // 45 is left unasked
  for (int round = 0; round < 6; ++round) {
    for (const auto slot : edges) pick.Observe(slot, round == 5, 1500);
    for (const auto slot : inner) pick.Observe(slot, true, 1500);
  }
  EXPECT_GT(pick.QuestionsToFluent(47), pick.QuestionsToFluent(45) + 1.0);
}

}  // namespace
}  // namespace lintra::practice
