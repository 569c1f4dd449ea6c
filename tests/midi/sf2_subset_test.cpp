#include "midi/synth/sf2_subset.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "midi/synth/sf2_subset_loader.h"
#include "midi/synth/synth_service.h"

namespace lintra::midi {
namespace {

// Two synthesizers alike but for how the soundfont came in: whole, or as the
// subsets of the programs played.  What they render must be the same sample
// for sample, fallbacks of missing banks and the drum kit included.
struct Synth {
  fluid_settings_t* settings = new_fluid_settings();
  fluid_synth_t* synth = nullptr;
  explicit Synth(const Sf2Subsets* subsets) {
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    synth = new_fluid_synth(settings);
    if (subsets) fluid_synth_add_sfloader(synth, NewSubsetLoader(settings));
  }
  ~Synth() {
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
  }
  std::vector<float> Play(int channel, int bank, int program, int key = 60) {
    fluid_synth_bank_select(synth, channel, bank);
    fluid_synth_program_change(synth, channel, program);
    fluid_synth_noteon(synth, channel, key, 100);
    std::vector<float> out(2 * 4096);
    fluid_synth_write_float(synth, 4096, out.data(), 0, 2, out.data(), 1, 2);
    fluid_synth_all_sounds_off(synth, -1);
    return out;
  }
};

std::size_t SampleHeaders(const std::string& tables) {
  const std::size_t at = tables.find("shdr");
  if (at == std::string::npos || at + 8 > tables.size()) return 0;
  std::uint32_t size = 0;
  for (int i = 0; i < 4; ++i) size |= std::uint32_t(std::uint8_t(tables[at + 4 + i])) << (8 * i);
  return size / 46 - 1;  // less the terminal record
}

// Opened for some keys, subsets play those keys as the whole file does and leave out the zones that
// cover none of them (a piano's zones span a few keys each: none reaches from middle C to the ends).
TEST(Sf2SubsetTest, SubsetsPlayAsTheWholeSoundfont) {
  const std::string path = FindSoundfont();
  if (path.empty() || !std::filesystem::exists(path)) GTEST_SKIP() << "no General MIDI soundfont on this machine";
  const auto subsets = Sf2Subsets::Open(path), middle = Sf2Subsets::Open(path, {59, 61});
  ASSERT_TRUE(subsets && middle);
  // The subset of middle C's piano keys carries the headers of the few samples it plays, not the file's.
  EXPECT_LT(SampleHeaders(middle->Subset(0)), SampleHeaders(subsets->Subset(0)));
  EXPECT_LE(SampleHeaders(middle->Subset(0)), 9u);
  Remember(*subsets);
  Remember(*middle);
  {
    // `fresh` and `keys` play nothing before the keyed notes: a synthesizer's earlier notes shape the next.
    Synth whole(nullptr), parts(subsets.get()), fresh(nullptr), keys(middle.get());
    for (Synth* synth : {&whole, &parts, &fresh, &keys}) {  // no tail of an earlier note in what a silent one renders
      fluid_synth_reverb_on(synth->synth, -1, 0);
      fluid_synth_chorus_on(synth->synth, -1, 0);
    }
    for (Synth* synth : {&whole, &fresh}) ASSERT_NE(fluid_synth_sfload(synth->synth, path.c_str(), 1), FLUID_FAILED);
    for (const int program : {0, 19, 113})
      ASSERT_NE(fluid_synth_sfload(parts.synth, SubsetName(*subsets, program).c_str(), 0), FLUID_FAILED) << program;
    ASSERT_NE(fluid_synth_sfload(keys.synth, SubsetName(*middle, 0).c_str(), 0), FLUID_FAILED);
    // Channel 0: present presets and a bank the soundfont lacks (falls back
    // to bank 0); channel 9: the drum kit from program 0's subset.
    const struct {
      int channel, bank, program;
    } plays[] = {{0, 0, 19}, {0, 0, 113}, {0, 5, 19}, {0, 0, 0}, {9, 128, 0}};
    for (const auto& p : plays) {
      const auto a = whole.Play(p.channel, p.bank, p.program);
      const auto b = parts.Play(p.channel, p.bank, p.program);
      EXPECT_EQ(a, b) << p.channel << " " << p.bank << ":" << p.program;
      EXPECT_NE(a, std::vector<float>(a.size(), 0.0f)) << "silent " << p.program;
    }
    for (const int key : {59, 60, 61}) EXPECT_EQ(fresh.Play(0, 0, 0, key), keys.Play(0, 0, 0, key)) << key;
    for (const int key : {21, 108}) {
      const auto sounding = fresh.Play(0, 0, 0, key), left = keys.Play(0, 0, 0, key);
      EXPECT_NE(sounding, std::vector<float>(sounding.size(), 0.0f)) << key;
      EXPECT_EQ(left, std::vector<float>(left.size(), 0.0f)) << key;
    }
  }
  Forget(*middle);
  Forget(*subsets);
}

TEST(Sf2SubsetTest, FilesNotLaidOutAsSoundfontsAreLeftToTheWholeLoad) {
  const auto dir = std::filesystem::temp_directory_path() / "lintra-sf2-subset-test";
  std::filesystem::create_directories(dir);
  const auto write = [&](const char* name, const std::string& bytes) {
    std::ofstream(dir / name, std::ios::binary) << bytes;
    return (dir / name).string();
  };
  EXPECT_FALSE(Sf2Subsets::Open(write("empty.sf2", "")));
  EXPECT_FALSE(Sf2Subsets::Open(write("wave.sf2", std::string("RIFF\x04\0\0\0WAVE", 12))));
  // A pdta list whose chunk claims more than the file holds.
  std::string bad("RIFF\x18\0\0\0sfbkLIST\x0c\0\0\0pdtaphdr\xff\0\0\0", 32);
  EXPECT_FALSE(Sf2Subsets::Open(write("truncated.sf2", bad)));
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace lintra::midi
