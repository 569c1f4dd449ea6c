// The options kept between starts, in a small file beside the device settings file (which keeps its
// own four-line format): one "Name=Value" line each, named by the table of options.cpp. A line this
// build does not know is kept as it was, so that builds can share the file.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/layout_names.h"

namespace lintra::coach {

enum class Option {
  MiddleCIsC4,  // "Options" > "Middle C Is C4"
  PractiseWeakNotes,
  ShowTimeAndMistake,
  ResumeWhereILeftOff,
  AnswerByMicrophone,     // "Microphone" > "Answer by Microphone"
  ListenWhileNotesSound,  // "Microphone" > "Listen While Notes Sound (Headphones)"
  SoundInput,             // the sound input chosen; empty: the system's default input
  Language,               // "Options" > "Language...": a language code; empty: the desktop's language
  DailyGoal,              // "Progress" > "Daily Goal...": first tries a day; empty: no goal
  // Where the student left off, while "Resume Where I Left Off" is on.
  LastExercise,
  LastSpelling,
  LastKey,
  LastClef,
  LastNoteNames,
  LastNaming,
  LastInstrument,
  // The "Reading" menu's.
  ReadLine,
  LineLength,
  LargestLeap,
  AltoClef,
  TenorClef,
  NoteRange,
};
inline constexpr std::size_t kOptionCount = static_cast<std::size_t>(Option::NoteRange) + 1;  // the last one

// When an option's line is written.
enum class Kept {
  Always,         // "Name=Value", always: older builds read it so
  WhileOn,        // "Name=1" while on, nothing while off: with all of them off the file is as it always was
  WhileResuming,  // while "Resume Where I Left Off" is on
  WhileSet,       // while it holds a value other than its default
};

struct OptionRow {
  Option option;
  std::string_view name;  // the file's word for it; never changes once written
  std::string_view defaultValue;
  Kept kept;
  // The on/off menu item that shows an option of two values ("1" on, anything else off).
  std::optional<ui::MenuName> item = std::nullopt;
};

// In the order the lines are written.
std::span<const OptionRow> OptionTable();
const OptionRow& RowOf(Option option);

// How the file's lines are read and written: the program's settings file format.
struct LineFile {
  // The lines; throws when the file is missing or unreadable.
  std::function<std::vector<std::string>(const std::filesystem::path&)> load;
  // An error text when the file could not be written.
  std::function<std::optional<std::string>(const std::filesystem::path&, const std::vector<std::string>&)> save;
};

class Options {
 public:
  Options(std::filesystem::path file, LineFile format);

  // A missing or unreadable file leaves every option at its default, as on a first start.
  void Load();
  // An error text when the file could not be written.
  std::optional<std::string> Save() const;
  std::vector<std::string> Lines() const;

  const std::string& Value(Option option) const { return values_[static_cast<std::size_t>(option)]; }
  bool On(Option option) const { return Value(option) == "1"; }
  void Set(Option option, std::string value) { values_[static_cast<std::size_t>(option)] = std::move(value); }

 private:
  std::filesystem::path file_;
  LineFile format_;
  std::array<std::string, kOptionCount> values_;
  std::vector<std::string> unknown_;  // lines this build does not know, for the build that wrote them
};

}  // namespace lintra::coach
