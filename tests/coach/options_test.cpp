// The options file: one line per option as its row says, and the lines of other builds kept.
#include "coach/options.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>

#include "ui/window_model.h"

namespace lintra::coach {
namespace {

struct Files {
  std::map<std::filesystem::path, std::vector<std::string>> files;
  LineFile Format() {
    return {[this](const std::filesystem::path& file) {
              if (!files.count(file)) throw std::runtime_error("no file");
              return files.at(file);
            },
            [this](const std::filesystem::path& file, const std::vector<std::string>& lines) {
              files[file] = lines;
              return std::optional<std::string>();
            }};
  }
};

TEST(Options, EachHasOneNameAndAnOnOffItemThatTheLayoutHolds) {
  ui::WindowModel model;
  std::set<std::string_view> names;
  for (const OptionRow& row : OptionTable()) {
    EXPECT_TRUE(names.insert(row.name).second) << row.name;
    EXPECT_EQ(&RowOf(row.option), &row);
    if (row.item) {
      EXPECT_TRUE(model.M(*row.item).layout.toggle) << row.name;
    }
  }
}

TEST(Options, LinesAreWrittenAsTheirRowsSayAndOtherBuildsLinesAreKept) {
  Files files;
  files.files["o"] = {"PractiseWeakNotes=1", "FutureOption=7", "LastKey=GMajor1",     "LastTempo=90",
                      "no equals sign",      "MiddleCIsC4=1",  "ShowTimeAndMistake=0"};
  Options options("o", files.Format());
  options.Load();
  EXPECT_TRUE(options.On(Option::PractiseWeakNotes));
  EXPECT_TRUE(options.On(Option::MiddleCIsC4));
  EXPECT_FALSE(options.On(Option::ShowTimeAndMistake));
  EXPECT_EQ(options.Value(Option::LastKey), "GMajor1");
  // Not resuming: where the student left off is not written; the lines no option names are.
  EXPECT_EQ(options.Lines(), (std::vector<std::string>{"MiddleCIsC4=1", "PractiseWeakNotes=1", "FutureOption=7",
                                                       "LastTempo=90", "no equals sign"}));
  options.Set(Option::MiddleCIsC4, "0");
  options.Set(Option::ResumeWhereILeftOff, "1");
  options.Set(Option::LastInstrument, "24");
  ASSERT_FALSE(options.Save());
  EXPECT_EQ(files.files["o"],
            (std::vector<std::string>{"MiddleCIsC4=0", "PractiseWeakNotes=1", "ResumeWhereILeftOff=1",
                                      "LastExercise=", "LastSpelling=", "LastKey=GMajor1",
                                      "LastClef=", "LastNoteNames=", "LastNaming=", "LastInstrument=24",
                                      "FutureOption=7", "LastTempo=90", "no equals sign"}));

  Options fresh("missing", files.Format());
  fresh.Load();
  EXPECT_EQ(fresh.Lines(), std::vector<std::string>{"MiddleCIsC4=0"});  // as older builds read it
  // A value kept while set: the sound input, written only once one other than the default is chosen.
  fresh.Set(Option::SoundInput, "USB Audio = 2");
  EXPECT_EQ(fresh.Lines(), (std::vector<std::string>{"MiddleCIsC4=0", "SoundInput=USB Audio = 2"}));
  files.files["o"] = fresh.Lines();
  Options again("o", files.Format());
  again.Load();
  EXPECT_EQ(again.Value(Option::SoundInput), "USB Audio = 2");
}

}  // namespace
}  // namespace lintra::coach
