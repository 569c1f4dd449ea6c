#include "listen/note_detector.h"

#include <gtest/gtest.h>

#include "testing/pink_noise.h"
#include "tones.h"

namespace lintra::listen {
namespace {

constexpr double kRates[] = {22050, 44100, 48000, 96000};

std::vector<float> Played(const Tone& tone, double rate, double lead = 0.2) {
  std::vector<float> samples;
  AppendSilence(samples, lead, rate);
  AppendTone(samples, tone, rate);
  AppendSilence(samples, 0.3, rate);
  return samples;
}

// Without an expected note: one answer per note, the note heard, at every
// common rate, for a pure tone, a rich one and one without its fundamental.
TEST(NoteDetector, HearsSineRichAndMissingFundamentalOnceAtEveryRate) {
  const std::vector<std::vector<double>> spectra = {{1.0}, {1.0, 0.5, 0.33, 0.25, 0.2, 0.17}, {0, 1.0, 0.8, 0.6, 0.4}};
  for (const double rate : kRates) {
    for (const auto& harmonics : spectra) {
      for (const int note : {41, 47, 60, 71, 83}) {
        NoteDetector detector(rate);
        const auto answers =
            Detect(detector, Played({.note = static_cast<double>(note), .harmonics = harmonics}, rate));
        ASSERT_EQ(answers.size(), 1u) << rate << " Hz, note " << note << ", " << harmonics.size() << " harmonics";
        EXPECT_EQ(answers[0].note, note) << rate << " Hz, " << harmonics.size() << " harmonics";
        // A pure tone's first periods read a few cents sharp.
        EXPECT_NEAR(answers[0].cents, 0, harmonics.size() == 1 ? 15 : 6);
        // The onset lies at 200 ms; the answer follows within a tenth of a second.
        EXPECT_NEAR(answers[0].onsetFrame / rate, 0.2, 0.01);
        EXPECT_GT(answers[0].answerFrame, answers[0].onsetFrame);
        EXPECT_LT((answers[0].answerFrame - answers[0].onsetFrame) / rate, 0.1);
      }
    }
  }
}

TEST(NoteDetector, TellsHowFarOffTheNoteIs) {
  NoteDetector detector(44100);
  const auto answers = Detect(detector, Played({.note = 57.3, .harmonics = {1.0, 0.5, 0.3}}, 44100));
  ASSERT_EQ(answers.size(), 1u);
  EXPECT_EQ(answers[0].note, 57);
  EXPECT_NEAR(answers[0].cents, 30, 3);
}

// A low note whose second harmonic dominates (as a bassoon's or a low
// string's): the expected note wins over its octave above, and the octaves
// around it, played instead, are told as what they are.
TEST(NoteDetector, ExpectedNoteWeighsItsOctaves) {
  const std::vector<double> weakFundamental = {0.3, 1.0, 0.3, 0.6, 0.15, 0.3};
  for (const double rate : {44100.0, 48000.0}) {
    for (const int expected : {50, 57, 64}) {
      for (const int played : {expected, expected + 12, expected - 12}) {
        NoteDetector detector(rate);
        detector.Expect(expected);
        const Tone tone{.note = static_cast<double>(played),
                        .harmonics = played == expected ? weakFundamental : std::vector<double>{1.0, 0.4, 0.2}};
        const auto answers = Detect(detector, Played(tone, rate));
        ASSERT_EQ(answers.size(), 1u) << "expected " << expected << ", played " << played;
        EXPECT_EQ(answers[0].note, played) << "expected " << expected << " at " << rate << " Hz";
      }
    }
  }
}

// A note that rings on, swelling and fading by 8 dB five times a second,
// answers once, and not the question after it; the next note struck does.
TEST(NoteDetector, RingingNoteAnswersOnceAndNeverTheNextQuestion) {
  const double rate = 48000;
  NoteDetector detector(rate);
  detector.Expect(60);
  std::vector<float> samples;
  AppendSilence(samples, 0.1, rate);
  AppendTone(samples,
             {.note = 60, .harmonics = {1.0, 0.5, 0.3}, .seconds = 3.0, .decayPerSecond = 0.2, .tremoloDepth = 0.6},
             rate);
  std::vector<NoteAnswer> answers = Detect(detector, {samples.begin(), samples.begin() + 48000});
  ASSERT_EQ(answers.size(), 1u);
  EXPECT_EQ(answers[0].note, 60);
  detector.Expect(64);
  EXPECT_TRUE(Detect(detector, {samples.begin() + 48000, samples.end()}).empty());

  samples.clear();
  AppendTone(samples, {.note = 64, .harmonics = {1.0, 0.5, 0.3}}, rate);
  answers = Detect(detector, samples);
  ASSERT_EQ(answers.size(), 1u);
  EXPECT_EQ(answers[0].note, 64);
}

TEST(NoteDetector, SilenceAndNoiseGiveNothing) {
  for (const double rate : {22050.0, 96000.0}) {
    std::vector<float> samples;
    AppendSilence(samples, 2.0, rate);
    testing::PinkNoise noise(3);
    // Noise that starts, stops and comes back louder.
    for (int burst = 0; burst < 10; ++burst) {
      const auto frames = static_cast<std::size_t>(0.5 * rate);
      for (std::size_t i = 0; i < frames; ++i) samples.push_back(0.01f * static_cast<float>(burst + 1) * noise.Next());
      AppendSilence(samples, 0.3, rate);
    }
    NoteDetector free(rate), question(rate);
    question.Expect(60);
    EXPECT_TRUE(Detect(free, samples).empty()) << rate;
    EXPECT_TRUE(Detect(question, samples).empty()) << rate;
  }
}

// The trainer's own note through the speakers does not answer, unless the
// echo is allowed; once its tail has passed, the student's note does.
TEST(NoteDetector, TrainersOwnNoteIsNotHeardUnlessAllowed) {
  const double rate = 44100;
  const std::vector<float> echo = Played({.note = 62, .harmonics = {1.0, 0.5}}, rate, 0.1);
  for (const bool allowed : {false, true}) {
    NoteDetector detector(rate);
    detector.Expect(62);
    detector.AllowEcho(allowed);
    detector.TrainerSounding(static_cast<std::int64_t>(0.05 * rate));
    detector.TrainerSilent(static_cast<std::int64_t>(1.0 * rate));
    EXPECT_EQ(Detect(detector, echo).size(), allowed ? 1u : 0u);
    if (allowed) continue;
    const auto answers = Detect(detector, Played({.note = 62, .harmonics = {1.0, 0.5}}, rate));
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].note, 62);
  }
}

}  // namespace
}  // namespace lintra::listen
