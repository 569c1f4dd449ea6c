// How well each note is read, from the first try at each question: a note is its place on a staff
// and its accidental, in the key in which it was asked (F#3 in G major is not F#3 in D major).
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <tuple>

#include "practice/answer_record.h"

namespace lintra::practice {

struct NoteKey {
  theory::KeyId key = theory::KeyId::CMajor;
  Staff staff = Staff::Treble;
  int place = 0;  // PlaceOnStaff
  theory::NoteKind accidental = theory::NoteKind::Natural;
  auto operator<=>(const NoteKey&) const = default;
};

NoteKey NoteKeyOf(theory::KeyId key, theory::NoteSlot slot);

enum class MasteryState { New, Learning, Fluent };
std::string_view Caption(MasteryState state);  // "new", "learning", "fluent"

inline constexpr int kMasteryWindow = 10;
inline constexpr int kNewBelowAttempts = 3;
inline constexpr int kFluentRight = 9;
inline constexpr double kFluentMedianMs = 2000.0;

struct Mastery {
  int attempts = 0;  // every first try ever recorded
  int recent = 0;    // first tries in the window (at most ten)
  int recentRight = 0;
  double medianMs = 0.0;  // over the window; 0 with no attempts
  MasteryState state = MasteryState::New;
  double Accuracy() const { return recent == 0 ? 0.0 : static_cast<double>(recentRight) / recent; }
};

class MasteryMap {
 public:
  // Later tries at a question (attempt > 1) and answers outside note reading do not count.
  void Add(const AnswerRecord& record);
  Mastery Of(const NoteKey& note) const;
  const std::map<NoteKey, Mastery>& All() const { return mastery_; }

 private:
  struct Window {
    std::array<bool, kMasteryWindow> right{};
    std::array<std::int64_t, kMasteryWindow> ms{};
    int next = 0;
  };
  std::map<NoteKey, Window> windows_;
  std::map<NoteKey, Mastery> mastery_;
};

}  // namespace lintra::practice
