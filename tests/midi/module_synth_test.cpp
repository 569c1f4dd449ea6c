#include "midi/loader/module_synth.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "midi/synth/synth_service.h"
#include "theory/marked_text.h"

namespace lintra::midi {
namespace {

struct Heard {
  std::vector<std::string> silences;
  ModuleSynth::SilenceHook Hook() {
    return [this](const std::string& silence, const std::string& detail) {
      silences.push_back(theory::FillMarkers(silence, {detail}));
    };
  }
};

void ExpectSameCaps(const OutCaps& a, const OutCaps& b) {
  EXPECT_EQ(a.productName, b.productName);
  EXPECT_EQ(a.driverVersion, b.driverVersion);
  EXPECT_EQ(a.technology, b.technology);
  EXPECT_EQ(a.voices, b.voices);
  EXPECT_EQ(a.notes, b.notes);
  EXPECT_EQ(a.channelMask, b.channelMask);
}

TEST(ModuleSynth, LoadsTheModuleAndAnswersItsRecordWithoutIt) {
  Heard heard;
  ModuleSynth synth({"/nonexistent/lintra-synth.so", LINTRA_SYNTH_MODULE}, heard.Hook(), {29, 71});
  // The record the window reads as it is built is the real synthesizer's, module or not.
  SynthService real;
  OutCaps expected, caps;
  ASSERT_EQ(real.DescribeOutput(0, expected), kOk);
  for (const int id : {0, kMidiMapper}) {
    ASSERT_EQ(synth.DescribeOutput(id, caps), kOk);
    ExpectSameCaps(caps, expected);
  }
  EXPECT_EQ(synth.DescribeOutput(1, caps), kErrBadDeviceId);

  const ModuleLoad load = synth.Load();
  EXPECT_EQ(load.path, LINTRA_SYNTH_MODULE);
  EXPECT_EQ(load.problem, "");
  std::unique_ptr<OutputConnection> port;
  ASSERT_EQ(synth.OpenOutput(0, port), kOk);
  EXPECT_EQ(port->Send(NoteOn{60}), kOk);
  EXPECT_EQ(port->Close(), kOk);
}

// Without a module, or with a file that is none, the trainer still runs: the synthesizer takes every
// message and, when first opened, says once why it is silent.
TEST(ModuleSynth, WithoutAUsableModuleIsSilentAndSaysWhy) {
  const auto broken = std::filesystem::temp_directory_path() / "lintra-module-synth-test-broken.so";
  std::ofstream(broken) << "not a shared object";
  struct Case {
    std::vector<std::filesystem::path> candidates;
    std::string problemNames;
  };
  for (const Case& c :
       {Case{{"/nonexistent/a/lintra-synth.so", "/nonexistent/b/lintra-synth.so"}, "/nonexistent/b/lintra-synth.so"},
        Case{{broken}, broken.string()}}) {
    SCOPED_TRACE(c.problemNames);
    Heard heard;
    ModuleSynth synth(c.candidates, heard.Hook(), {});
    const ModuleLoad load = synth.Load();
    EXPECT_EQ(load.path, "");
    EXPECT_NE(load.problem.find(c.problemNames), std::string::npos) << load.problem;
    EXPECT_TRUE(heard.silences.empty());  // not before it is opened

    std::unique_ptr<OutputConnection> port;
    ASSERT_EQ(synth.OpenOutput(kMidiMapper, port), kOk);
    EXPECT_EQ(port->Send(NoteOn{60}), kOk);
    EXPECT_EQ(port->Close(), kOk);
    ASSERT_EQ(synth.OpenOutput(0, port), kOk);
    ASSERT_EQ(heard.silences.size(), 1u);
    EXPECT_EQ(heard.silences[0], "its module could not be loaded: " + load.problem);
  }
  std::filesystem::remove(broken);
}

}  // namespace
}  // namespace lintra::midi
