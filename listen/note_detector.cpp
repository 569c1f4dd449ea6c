#include "listen/note_detector.h"

#include <algorithm>
#include <cmath>

#include "listen/note_pitch.h"

namespace lintra::listen {

namespace {

constexpr std::size_t kChunk = 4096;     // input frames filtered at a time
constexpr double kHopSeconds = 0.00267;  // how often onsets and pitch are looked at
const double kHalfSemitone = std::exp2(1.0 / 24.0);
constexpr double kHeardThreshold = 0.15;      // YIN's absolute threshold
constexpr double kExpectedAtMost = 0.25;      // the expected period repeats at least this well
constexpr double kShorterPeriodRatio = 0.75;  // below: periods of notes a fourth and more above
constexpr int kRightHops = 2;                 // the expected note holds this many hops
constexpr int kSteadyHops = 3;                // and any note heard without an expectation
constexpr double kClearlyAperiodic = 0.05;    // above: a period repeats less than noise-free
constexpr double kAsGoodAsClean = 0.02;       // below: a period repeats as a clean tone's, nothing to compare
constexpr double kWindowPeriods = 1.5;        // a period is judged over at least this many of it
constexpr double kDeafAfterGapSeconds = 0.15;

}  // namespace

NoteDetector::NoteDetector(double sampleRate, DetectorSettings settings)
    : sampleRate_(sampleRate),
      settings_(settings),
      downsampler_(sampleRate),
      rate_(downsampler_.OutputRate()),
      hop_(std::max(16, static_cast<int>(std::lround(rate_ * kHopSeconds)))),
      minLag_(std::max(2, static_cast<int>(rate_ / NoteToHz(settings.highestNote + 0.5)))),
      maxLag_(static_cast<int>(std::ceil(rate_ / NoteToHz(settings.lowestNote - 0.5)))),
      maxSpan_(3 * maxLag_),
      periodicity_(maxSpan_),
      onsets_(settings.onsets),
      chunk_(kChunk / static_cast<std::size_t>(downsampler_.Factor()) + 1) {
  history_.reserve(static_cast<std::size_t>(4 * maxSpan_));
}

void NoteDetector::Expect(int note) {
  if (expected_ != note) state_ = State::Waiting;
  expected_ = note;
}

void NoteDetector::ExpectNothing() { expected_.reset(); }

void NoteDetector::TrainerSounding(std::int64_t atFrame) {
  // A sounding not yet passed by the input is extended, not cut short.
  if (mutedFrom_ == kNever || position_ >= mutedUntil_) mutedFrom_ = atFrame;
  mutedUntil_ = kNever;
}

void NoteDetector::TrainerSilent(std::int64_t atFrame) {
  if (mutedFrom_ == kNever) return;
  mutedUntil_ = atFrame + static_cast<std::int64_t>(settings_.echoTailSeconds * sampleRate_);
}

void NoteDetector::Skip(std::int64_t frames) {
  position_ += frames;
  skipped_ += frames;
  history_.clear();
  historyStart_ = analysisCount_;
  state_ = State::Waiting;
  deafUntil_ = position_ + static_cast<std::int64_t>(kDeafAfterGapSeconds * sampleRate_);
}

std::int64_t NoteDetector::FrameOf(std::int64_t analysisIndex) const {
  return analysisIndex * downsampler_.Factor() + skipped_;
}

bool NoteDetector::Muted(std::int64_t from, std::int64_t to) const {
  if (to <= deafUntil_) return true;
  return !echoAllowed_ && mutedFrom_ < to && from < mutedUntil_;
}

void NoteDetector::Process(const float* mono, std::size_t frames, const AnswerHandler& onAnswer) {
  while (frames > 0) {
    const std::size_t count = std::min(frames, kChunk);
    const std::size_t produced = downsampler_.Process(mono, count, chunk_.data());
    position_ += static_cast<std::int64_t>(count);
    mono += count;
    frames -= count;
    for (std::size_t i = 0; i < produced; ++i) {
      if (history_.size() == history_.capacity()) {
        const auto drop = static_cast<std::ptrdiff_t>(history_.size()) - maxSpan_;
        history_.erase(history_.begin(), history_.begin() + drop);
        historyStart_ += drop;
      }
      const float sample = chunk_[i];
      history_.push_back(sample);
      ++analysisCount_;
      hopEnergy_ += double{sample} * sample;
      if (++hopFill_ == hop_) {
        EndHop(onAnswer);
        hopEnergy_ = 0;
        hopFill_ = 0;
      }
    }
  }
}

void NoteDetector::EndHop(const AnswerHandler& onAnswer) {
  const std::optional<int> onset = onsets_.Push(hopEnergy_ / hop_);
  if (ringing_) {
    ringPeak_ = std::max(ringPeak_, onsets_.Level());
    if (onsets_.Level() < settings_.ringEndRatio * ringPeak_) ringing_.reset();
  }
  if (Muted(FrameOf(analysisCount_ - hop_), FrameOf(analysisCount_))) {
    state_ = State::Waiting;
    return;
  }
  if (onset) {
    state_ = State::Listening;
    onsetIndex_ = std::max(historyStart_, analysisCount_ - (*onset + 1) * hop_);
    onsetFrame_ = FrameOf(onsetIndex_);
    rightStreak_ = 0;
    steadyNote_.reset();
    steadyHops_ = 0;
  }
  if (state_ == State::Listening) Analyse(onAnswer);
}

void NoteDetector::Analyse(const AnswerHandler& onAnswer) {
  const std::int64_t elapsed = analysisCount_ - onsetIndex_;
  if (elapsed > static_cast<std::int64_t>(settings_.giveUpSeconds * rate_)) {
    state_ = State::Waiting;
    return;
  }
  const int span = static_cast<int>(std::min<std::int64_t>(elapsed, maxSpan_));
  if (span < 4 * minLag_) return;
  periodicity_.Compute(&history_[static_cast<std::size_t>(analysisCount_ - span - historyStart_)], span,
                       std::min(maxLag_, span / 2));

  const std::optional<Heard> heard = HeardNote();
  if (heard && steadyNote_ == heard->note) {
    ++steadyHops_;
  } else {
    steadyNote_ = heard ? std::optional<int>(heard->note) : std::nullopt;
    steadySince_ = analysisCount_;
    steadyHops_ = heard ? 1 : 0;
  }

  if (!expected_) {
    if (steadyHops_ >= kSteadyHops) Answer(heard->note, heard->lag, onAnswer);
    return;
  }
  double lag = 0;
  rightStreak_ = JudgeExpected(lag) == Verdict::Right ? rightStreak_ + 1 : 0;
  if (rightStreak_ >= kRightHops) {
    Answer(*expected_, lag, onAnswer);
  } else if (steadyHops_ >= kSteadyHops && heard->note != *expected_ &&
             analysisCount_ - steadySince_ >= static_cast<std::int64_t>(settings_.otherNoteSeconds * rate_)) {
    Answer(heard->note, heard->lag, onAnswer);
  }
}

std::optional<NoteDetector::Heard> NoteDetector::HeardNote() const {
  const std::optional<Dip> first = periodicity_.FirstDipBelow(kHeardThreshold, minLag_);
  if (!first || periodicity_.Window() < kWindowPeriods * first->lag) return std::nullopt;
  double lag = first->lag;
  // A weak fundamental: the stretch repeats markedly better an octave lower.
  if (2.0 * lag * kHalfSemitone <= maxLag_) {
    const std::optional<Dip> lower = periodicity_.DipNear(2.0 * lag, kHalfSemitone);
    if (!lower) return std::nullopt;  // not in reach yet
    if (lower->local && lower->value < 0.5 * first->value && first->value > kClearlyAperiodic) lag = lower->lag;
  }
  const int note = static_cast<int>(std::lround(HzToNote(rate_ / lag)));
  if (note < settings_.lowestNote || note > settings_.highestNote) return std::nullopt;
  return Heard{note, lag};
}

NoteDetector::Verdict NoteDetector::JudgeExpected(double& lag) const {
  const double period = rate_ / NoteToHz(*expected_);
  const std::optional<Dip> dip = periodicity_.DipNear(period, kHalfSemitone);
  if (!dip || periodicity_.Window() < kWindowPeriods * period) return Verdict::NotYet;
  if (!dip->local || dip->value > kExpectedAtMost) return Verdict::Wrong;
  // The octave below repeats at twice the period; a low note with a weak
  // fundamental barely repeats at the period itself.
  bool lowerBetter = false;
  if (2.0 * period * kHalfSemitone <= maxLag_) {
    const std::optional<Dip> lower = periodicity_.DipNear(2.0 * period, kHalfSemitone);
    if (!lower) return Verdict::NotYet;
    lowerBetter = lower->local && lower->value < 0.5 * dip->value && dip->value > kAsGoodAsClean;
  }
  // A note a fourth or more above (the octave, the twelfth) repeats at the
  // expected period too, but at a shorter one as well.
  const int shorter = std::min(periodicity_.MaxLag(), static_cast<int>(period * kShorterPeriodRatio));
  double best = 1.0;
  for (int l = minLag_; l <= shorter; ++l) best = std::min(best, periodicity_.At(l));
  const bool rivalled = best < std::max(0.1, 2.0 * dip->value);
  // Both at once: a strong second harmonic over something an octave below
  // the expected note, which a higher note would not have. The expected note
  // is the likelier.
  if (rivalled && !lowerBetter) return Verdict::Wrong;
  if (lowerBetter && !rivalled && dip->value > kClearlyAperiodic) return Verdict::Wrong;
  lag = dip->lag;
  return Verdict::Right;
}

void NoteDetector::Answer(int note, double lag, const AnswerHandler& onAnswer) {
  state_ = State::Waiting;
  const bool soonAfter = note == lastNote_ && onsetFrame_ - lastAnswerOnset_ <
                                                  static_cast<std::int64_t>(settings_.sameNoteSeconds * sampleRate_);
  if (note == ringing_ || soonAfter) return;  // the note answered before, still sounding
  ringing_ = note;
  ringPeak_ = onsets_.Level();
  lastNote_ = note;
  lastAnswerOnset_ = onsetFrame_;
  const double cents = std::clamp((HzToNote(rate_ / lag) - note) * 100.0, -50.0, 50.0);
  if (onAnswer) onAnswer(NoteAnswer{note, cents, onsetFrame_, FrameOf(analysisCount_)});
}

}  // namespace lintra::listen
