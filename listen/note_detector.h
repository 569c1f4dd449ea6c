// Hears notes in a mono stream and answers once for each new onset.
//
// During a question the caller says which note it expects. The detector then
// takes the expected note as soon as the stretch since the onset repeats at
// that note's period better than at any shorter one (a note an octave or a
// twelfth higher repeats there too) and not clearly better an octave lower;
// any other note answers only once it has held steadily for a while, so a
// note played right is never answered wrongly first. Without an expected
// note it answers with the note YIN hears, once it has held for a few hops.
//
// A note answered is taken to ring on until its level falls 15 dB below its
// peak: an onset heard as that same note before then (a swell, a beat, a
// bow change) does not answer again.
//
// While the trainer itself sounds a note, and for a short tail after, onsets
// are ignored unless the caller allows the echo. A note that started before
// the question, or before the trainer's note ended, never answers.
//
// Not thread-safe: one thread feeds it and steers it. Memory is taken by the
// constructor; Process allocates nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

#include "listen/downsampler.h"
#include "listen/note_answer.h"
#include "listen/onset_tracker.h"
#include "listen/periodicity.h"

namespace lintra::listen {

struct DetectorSettings {
  // The trainer's keys are 41 to 83; a margin on both sides keeps a note just
  // outside from being heard as its octave inside.
  int lowestNote = 36;
  int highestNote = 88;
  double echoTailSeconds = 0.2;
  double giveUpSeconds = 1.0;      // after an onset, with no answer by then
  double otherNoteSeconds = 0.08;  // how long a note other than the expected one holds before it answers
  double ringEndRatio = 1.0 / 32;  // the fall from its peak that ends a note's ringing (15 dB)
  double sameNoteSeconds = 0.3;    // the same note never answers twice within this, ringing or not
  OnsetSettings onsets;
};

class NoteDetector {
 public:
  using AnswerHandler = std::function<void(const NoteAnswer&)>;

  explicit NoteDetector(double sampleRate, DetectorSettings settings = {});

  double SampleRate() const { return sampleRate_; }
  // Input frames consumed (and skipped) so far.
  std::int64_t Position() const { return position_; }

  // A question asks for `note`. A note already sounding does not answer it.
  void Expect(int note);
  void ExpectNothing();
  std::optional<int> Expected() const { return expected_; }

  // The trainer sounds a note from input frame `atFrame` on; it went silent
  // at `atFrame`. Frames may lie ahead of Position().
  void TrainerSounding(std::int64_t atFrame);
  void TrainerSilent(std::int64_t atFrame);
  void AllowEcho(bool allowed) { echoAllowed_ = allowed; }

  // `frames` of input were lost: time moves on, and no note pending or
  // heard in the next moments answers.
  void Skip(std::int64_t frames);

  void Process(const float* mono, std::size_t frames, const AnswerHandler& onAnswer);

 private:
  enum class State { Waiting, Listening };
  enum class Verdict { NotYet, Right, Wrong };
  struct Heard {
    int note = 0;
    double lag = 0;
  };

  void EndHop(const AnswerHandler& onAnswer);
  void Analyse(const AnswerHandler& onAnswer);
  std::optional<Heard> HeardNote() const;
  Verdict JudgeExpected(double& lag) const;
  void Answer(int note, double lag, const AnswerHandler& onAnswer);
  bool Muted(std::int64_t from, std::int64_t to) const;
  std::int64_t FrameOf(std::int64_t analysisIndex) const;

  double sampleRate_;
  DetectorSettings settings_;
  Downsampler downsampler_;
  double rate_;  // of the analysis
  int hop_;
  int minLag_, maxLag_, maxSpan_;
  Periodicity periodicity_;
  OnsetTracker onsets_;

  std::vector<float> chunk_;
  std::vector<float> history_;  // the analysis samples from `historyStart_` on
  std::int64_t historyStart_ = 0;
  std::int64_t analysisCount_ = 0;
  std::int64_t position_ = 0;
  std::int64_t skipped_ = 0;  // input frames lost before the current analysis samples
  double hopEnergy_ = 0;
  int hopFill_ = 0;

  std::optional<int> expected_;
  State state_ = State::Waiting;
  std::int64_t onsetIndex_ = 0;  // analysis index
  std::int64_t onsetFrame_ = 0;
  int rightStreak_ = 0;
  std::optional<int> steadyNote_;
  std::int64_t steadySince_ = 0;  // analysis index
  int steadyHops_ = 0;

  std::optional<int> ringing_;  // the note last answered, while it rings
  double ringPeak_ = 0;
  std::optional<int> lastNote_;
  std::int64_t lastAnswerOnset_ = 0;

  bool echoAllowed_ = false;
  static constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();
  std::int64_t mutedFrom_ = kNever;
  std::int64_t mutedUntil_ = kNever;
  std::int64_t deafUntil_ = 0;  // after lost input
};

}  // namespace lintra::listen
