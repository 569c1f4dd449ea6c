#include "tools/bench/journal/practice_generator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <random>

#include "practice/diagnosis.h"

namespace lintra::journal::bench {
namespace {

constexpr std::array<theory::KeyId, 5> kKeys{theory::KeyId::CMajor, theory::KeyId::GMajor, theory::KeyId::FMajor,
                                             theory::KeyId::DMajor, theory::KeyId::AMinor};

struct NoteSkill {
  int seen = 0;
};

struct Question {
  std::int64_t sessionId;
  int key;  // in kKeys
  ClefRange clef;
  int slot;
};

// The answer at `t`, right or one of the usual misreadings; the generator draws the misreading
// and the source.
AnswerRecord Answered(std::mt19937& random, const Question& q, bool right, std::int64_t t) {
  const auto& table = theory::SpelledNoteTable();
  AnswerRecord r;
  r.wallTimeUtcMs = t;
  r.sessionId = q.sessionId;
  r.key = kKeys[static_cast<std::size_t>(q.key)];
  r.scaleKind = q.key == 4 ? ScaleKind::Minor : ScaleKind::Major;
  r.clefRange = q.clef;
  r.questionSlot = static_cast<theory::NoteSlot>(q.slot);
  r.questionName = table[r.questionSlot].letterName;
  r.questionMidi = table[r.questionSlot].midiNote;
  r.questionStaff = q.slot >= 36 ? Staff::Treble : Staff::Bass;
  r.questionPlace = (q.slot / 3) % 12 - 2;
  // Misreadings of one or two steps, an octave, or the same place on the other staff.
  constexpr std::array<int, 8> kMisread{-1, 1, -1, 1, -2, 2, 7, -12};
  const int misread = kMisread[std::uniform_int_distribution<std::size_t>(0, kMisread.size() - 1)(random)];
  const int wrongSlot = std::clamp(q.slot + 3 * misread, 0, 72);
  const auto& answered = table[right ? r.questionSlot : static_cast<std::size_t>(wrongSlot)];
  r.answerKey = answered.letterName;
  r.answerMidi = answered.midiNote;
  r.source = std::bernoulli_distribution(0.3)(random) ? AnswerSource::MidiKeyboard : AnswerSource::OnScreen;
  r.correct = right;
  r.mistake = right ? MistakeKind::None : practice::Diagnose(r.key, r.questionSlot, r.answerMidi).kind;
  return r;
}

}  // namespace

std::int64_t GeneratePractice(const PracticePlan& plan,
                              const std::function<void(const std::vector<AnswerRecord>&)>& session) {
  std::mt19937 random(plan.seed);
  const std::int64_t dayMs = 86'400'000;
  std::map<std::pair<int, int>, NoteSkill> skill;  // (key, slot)
  std::int64_t written = 0;
  std::int64_t sessionId = plan.startUtcMs;
  std::int64_t t = plan.startUtcMs + 7 * 3'600'000;
  std::vector<AnswerRecord> answers;
  while (written < plan.answers) {
    {
      // Practice from 07:00 to 23:00 UTC.
      const std::int64_t hour = (t % dayMs) / 3'600'000;
      if (hour >= 23 || hour < 7) t = (t / dayMs + (hour >= 23 ? 1 : 0)) * dayMs + 7 * 3'600'000;
      const int key = std::uniform_int_distribution<int>(0, static_cast<int>(kKeys.size()) - 1)(random);
      const int lowest = std::uniform_int_distribution<int>(0, 30)(random);
      const int poolSize = std::uniform_int_distribution<int>(15, 25)(random);
      const auto clef = static_cast<ClefRange>(std::uniform_int_distribution<int>(0, 2)(random));
      const std::int64_t length = std::uniform_int_distribution<std::int64_t>(300, 900)(random);
      answers.clear();
      ++sessionId;
      for (std::int64_t q = 0; q < length && written < plan.answers; ++q) {
        const int slot = std::min<int>(static_cast<int>(theory::kNoteSlotCount) - 1,
                                       lowest + 3 * std::uniform_int_distribution<int>(0, poolSize - 1)(random) / 2);
        NoteSkill& note = skill[{key, slot}];
        const double practice = note.seen++;
        const double pRight = 0.55 + 0.43 * (1.0 - std::exp(-practice / 40.0));
        const double meanMs = 900.0 + 2600.0 * std::exp(-practice / 60.0);
        for (int attempt = 1; attempt <= 3; ++attempt) {
          const bool right = std::bernoulli_distribution(attempt == 1 ? pRight : 0.8)(random);
          const auto response = static_cast<std::int64_t>(
              meanMs * std::exp(std::normal_distribution<double>(0.0, 0.35)(random)) / (attempt == 1 ? 1 : 2));
          t += response;
          AnswerRecord r = Answered(random, {sessionId, key, clef, slot}, right, t);
          r.attempt = attempt;
          r.responseMs = response;
          answers.push_back(r);
          ++written;
          t += 600;  // the next question is shown and sounded
          if (right || written >= plan.answers) break;
        }
      }
      session(answers);
      t += std::uniform_int_distribution<std::int64_t>(5, 40)(random) * 60'000;  // a break
    }
  }
  return answers.empty() ? plan.startUtcMs : answers.back().wallTimeUtcMs;
}

}  // namespace lintra::journal::bench
