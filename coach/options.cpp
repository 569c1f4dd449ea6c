#include "coach/options.h"

#include <exception>
#include <stdexcept>

namespace lintra::coach {
namespace {

namespace menu = ui::menu;

// clang-format off
constexpr std::array<OptionRow, kOptionCount> kOptions{{
    {Option::MiddleCIsC4, "MiddleCIsC4", "0", Kept::Always, menu::MiddleCIsC4},
    {Option::PractiseWeakNotes, "PractiseWeakNotes", "0", Kept::WhileOn, menu::PractiseWeakNotes},
    {Option::ShowTimeAndMistake, "ShowTimeAndMistake", "0", Kept::WhileOn, menu::ShowTimeAndMistake},
    {Option::ResumeWhereILeftOff, "ResumeWhereILeftOff", "0", Kept::WhileOn, menu::ResumeWhereILeftOff},
    {Option::AnswerByMicrophone, "AnswerByMicrophone", "0", Kept::WhileOn, menu::AnswerByMicrophone},
    {Option::ListenWhileNotesSound, "ListenWhileNotesSound", "0", Kept::WhileOn, menu::ListenWhileNotesSound},
    {Option::SoundInput, "SoundInput", "", Kept::WhileSet},
    {Option::Language, "Language", "", Kept::WhileSet},
    {Option::DailyGoal, "DailyGoal", "", Kept::WhileSet},
    {Option::LastExercise, "LastExercise", "", Kept::WhileResuming},
    {Option::LastSpelling, "LastSpelling", "", Kept::WhileResuming},
    {Option::LastKey, "LastKey", "", Kept::WhileResuming},
    {Option::LastClef, "LastClef", "", Kept::WhileResuming},
    {Option::LastNoteNames, "LastNoteNames", "", Kept::WhileResuming},
    {Option::LastNaming, "LastNaming", "", Kept::WhileResuming},
    {Option::LastInstrument, "LastInstrument", "", Kept::WhileResuming},
    {Option::ReadLine, "ReadLine", "0", Kept::WhileOn, menu::ReadLine},
    {Option::LineLength, "LineLength", "4", Kept::WhileSet},
    {Option::LargestLeap, "LargestLeap", "fifth", Kept::WhileSet},
    {Option::AltoClef, "AltoClef", "0", Kept::WhileOn, menu::AltoClef},
    {Option::TenorClef, "TenorClef", "0", Kept::WhileOn, menu::TenorClef},
    {Option::NoteRange, "NoteRange", "41-83", Kept::WhileSet},  // MIDI notes, lowest and highest
}};
// clang-format on

constexpr bool EveryOptionHasOneRow() {
  for (std::size_t option = 0; option < kOptionCount; ++option) {
    int rows = 0;
    for (const OptionRow& row : kOptions) rows += static_cast<std::size_t>(row.option) == option ? 1 : 0;
    if (rows != 1) return false;
  }
  return true;
}
static_assert(EveryOptionHasOneRow());

}  // namespace

std::span<const OptionRow> OptionTable() { return kOptions; }
const OptionRow& RowOf(Option option) {
  for (const OptionRow& row : kOptions) {
    if (row.option == option) return row;
  }
  throw std::out_of_range("No row for this option");
}

Options::Options(std::filesystem::path file, LineFile format) : file_(std::move(file)), format_(std::move(format)) {
  for (const OptionRow& row : kOptions) Set(row.option, std::string(row.defaultValue));
}

void Options::Load() {
  std::vector<std::string> lines;
  try {
    lines = format_.load(file_);
  } catch (const std::exception&) {
  }
  for (auto& line : lines) {
    const auto equals = line.find('=');
    const std::string_view name = std::string_view(line).substr(0, equals);
    const OptionRow* known = nullptr;
    for (const OptionRow& row : kOptions) {
      if (equals != std::string::npos && row.name == name) known = &row;
    }
    if (known != nullptr) {
      Set(known->option, line.substr(equals + 1));
    } else {
      unknown_.push_back(std::move(line));
    }
  }
}

std::vector<std::string> Options::Lines() const {
  std::vector<std::string> lines;
  for (const OptionRow& row : kOptions) {
    const bool written = row.kept == Kept::Always     ? true
                         : row.kept == Kept::WhileOn  ? On(row.option)
                         : row.kept == Kept::WhileSet ? Value(row.option) != row.defaultValue
                                                      : On(Option::ResumeWhereILeftOff);
    if (written) lines.push_back(std::string(row.name) + "=" + Value(row.option));
  }
  lines.insert(lines.end(), unknown_.begin(), unknown_.end());
  return lines;
}

std::optional<std::string> Options::Save() const { return format_.save(file_, Lines()); }

}  // namespace lintra::coach
