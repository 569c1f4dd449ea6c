#include "coach/reading_choices.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <utility>

#include "practice/clef_range.h"
#include "theory/keys.h"
#include "ui/translate.h"

namespace lintra::coach {
namespace {

namespace menu = ui::menu;

// The radio items of the line's length and largest leap, with the options' words for them.
struct LengthRow {
  ui::MenuName item;
  std::size_t notes;
  std::string_view value;
};
constexpr std::array<LengthRow, 3> kLengths{
    {{menu::LineOf4, 4, "4"}, {menu::LineOf6, 6, "6"}, {menu::LineOf8, 8, "8"}}};

struct LeapRow {
  ui::MenuName item;
  practice::Leap leap;
  std::string_view value;
};
constexpr std::array<LeapRow, 3> kLeaps{{{menu::LeapThird, practice::Leap::Third, "third"},
                                         {menu::LeapFifth, practice::Leap::Fifth, "fifth"},
                                         {menu::LeapOctave, practice::Leap::Octave, "octave"}}};

// The row whose item is checked, else the one of the option's default.
template <typename Row, std::size_t N>
const Row& Chosen(ui::WindowModel& model, const std::array<Row, N>& rows, Option option) {
  for (const Row& row : rows) {
    if (model.M(row.item).checked) return row;
  }
  for (const Row& row : rows) {
    if (row.value == RowOf(option).defaultValue) return row;
  }
  return rows.front();
}

// The row an options file names; the default one for a value no row has (a file tampered with).
template <typename Row, std::size_t N>
void CheckNamed(ui::WindowModel& model, const std::array<Row, N>& rows, Option option, const std::string& value) {
  for (const Row& row : rows) {
    if (row.value == value) {
      model.SetChecked(model.M(row.item), true);
      return;
    }
  }
  for (const Row& row : rows) {
    if (row.value == RowOf(option).defaultValue) model.SetChecked(model.M(row.item), true);
  }
}

// "48-72": the lowest and the highest key as MIDI notes. Anything else is no range.
std::optional<theory::NoteRange> ParseRange(const std::string& text) {
  const auto dash = text.find('-');
  const auto number = [](std::string_view digits) -> std::optional<int> {
    if (digits.empty() || digits.size() > 3 || digits.find_first_not_of("0123456789") != std::string_view::npos)
      return std::nullopt;
    return std::stoi(std::string(digits));
  };
  if (dash == std::string::npos) return std::nullopt;
  const auto lowest = number(std::string_view(text).substr(0, dash));
  const auto highest = number(std::string_view(text).substr(dash + 1));
  if (!lowest || !highest) return std::nullopt;
  return theory::MakeNoteRange(*lowest, *highest);
}

int MidiOf(theory::NoteSlot slot) { return theory::SpelledNoteTable()[slot].midiNote; }

}  // namespace

ReadingChoices::ReadingChoices(Window& window, Services& services, Options& options, KeyReading& reading,
                               std::function<void()> save)
    : window_(window), services_(services), options_(options), reading_(reading), save_(std::move(save)) {}

void ReadingChoices::AddHandlers(ui::Handlers& handlers) {
  auto& model = window_.Model();
  const auto choose = [this, &model](ui::MenuName item) {
    return [this, &model, item] {
      model.SetChecked(model.M(item), true);
      save_();
      // The line on the staff is redrawn to the new choice at once, as "Read a Line" draws one.
      if (model.M(menu::ReadLine).checked) window_.AskAnew();
    };
  };
  for (const LengthRow& row : kLengths) handlers.Add(model.M(row.item).layout.handler, choose(row.item));
  for (const LeapRow& row : kLeaps) handlers.Add(model.M(row.item).layout.handler, choose(row.item));
  handlers.Add(model.M(menu::ChooseRange).layout.handler, [this] { ChooseRangeClick(); });
}

void ReadingChoices::OptionsLoaded() {
  auto& model = window_.Model();
  CheckNamed(model, kLengths, Option::LineLength, options_.Value(Option::LineLength));
  CheckNamed(model, kLeaps, Option::LargestLeap, options_.Value(Option::LargestLeap));
  range_ = ParseRange(options_.Value(Option::NoteRange)).value_or(theory::NoteRange{});
  model.SetChecked(model.M(menu::ChooseRange), Narrowed());
}

void ReadingChoices::SavingOptions(Options& options) {
  auto& model = window_.Model();
  options.Set(Option::LineLength, std::string(Chosen(model, kLengths, Option::LineLength).value));
  options.Set(Option::LargestLeap, std::string(Chosen(model, kLeaps, Option::LargestLeap).value));
  options.Set(Option::NoteRange, std::to_string(range_.lowest) + "-" + std::to_string(range_.highest));
}

void ReadingChoices::OptionToggled(Option option) {
  // The staff or the kind of question changes at once, as a key command changes it.
  if (option == Option::ReadLine || option == Option::AltoClef || option == Option::TenorClef) {
    window_.Guard([this] { window_.AskAnew(); });
  }
}

practice::LineRules ReadingChoices::Rules() const {
  auto& model = window_.Model();
  return {Chosen(model, kLengths, Option::LineLength).notes, Chosen(model, kLeaps, Option::LargestLeap).leap};
}

std::string ReadingChoices::NameOf(int midi) {
  return theory::NameOfKey(midi, window_.Model().M(menu::MiddleCIsC4).checked);
}

std::vector<theory::NoteSlot> ReadingChoices::WithinRange(const std::vector<theory::NoteSlot>& slots) const {
  std::vector<theory::NoteSlot> within;
  for (const theory::NoteSlot slot : slots) {
    if (range_.Contains(MidiOf(slot))) within.push_back(slot);
  }
  return within;
}

void ReadingChoices::TellNoneInRange() {
  const std::string told = std::string(theory::Code(window_.KeyInForce())) + " " +
                           std::string(practice::Code(window_.ClefRangeInForce())) + " " +
                           std::to_string(range_.lowest) + "-" + std::to_string(range_.highest);
  if (told == toldNoneInRange_) return;
  toldNoneInRange_ = told;
  services_.dialogs.Message(ui::Args(ui::Tr("Messages",
                                            "No note of this key and clef lies between %1 and %2, the range you "
                                            "chose, so all of its notes are asked until you choose another range."),
                                     {NameOf(range_.lowest), NameOf(range_.highest)}));
}

std::vector<theory::NoteSlot> ReadingChoices::Candidates() {
  auto all = window_.PickCandidates();
  if (!Narrowed()) return all;
  if (auto within = WithinRange(all); !within.empty()) return within;
  // A range of a single note of the pool: it may be asked twice running, there being no other.
  if (auto pool = WithinRange(window_.PoolInRange()); !pool.empty()) return pool;
  TellNoneInRange();
  return all;
}

std::optional<theory::NoteSlot> ReadingChoices::PickQuestion(theory::Random& random) {
  if (!Narrowed() && !practice::CClefOf(window_.ClefRangeInForce())) return std::nullopt;
  const auto candidates = Candidates();
  if (candidates.empty()) throw std::runtime_error("The question pool holds no note in the chosen range");
  return candidates[random.Below(static_cast<std::uint32_t>(candidates.size()))];
}

std::vector<theory::NoteSlot> ReadingChoices::PickLine(theory::Random& random) {
  const theory::KeyId key = window_.KeyInForce();
  const bool chromatic = key == theory::KeyId::Chromatic;
  practice::ClefRange range = window_.ClefRangeInForce();
  // The chromatic scale asks the whole grand staff, whatever the clef, as its single questions do.
  if (chromatic && !practice::CClefOf(range)) range = practice::ClefRange::Grand;
  const auto pool = window_.PoolInRange();
  auto candidates = practice::LineCandidates(pool, chromatic, range, range_);
  if (candidates.empty() && Narrowed()) {
    TellNoneInRange();
    candidates = practice::LineCandidates(pool, chromatic, range, {});
  }
  if (candidates.empty()) throw std::runtime_error("The question pool holds no note in the chosen range");
  std::vector<std::uint32_t> weights;
  if (window_.Model().M(menu::PractiseWeakNotes).checked) {
    weights = reading_.Of(key, practice::StaffKindOf(range)).Weights(candidates, reading_.NowUtcMs());
  }
  return practice::DrawLine(random, candidates, Rules(), weights);
}

std::optional<int> ReadingChoices::AskKey(const std::string& prompt, int current) {
  std::string typed = NameOf(current);
  if (!services_.dialogs.InputQuery(ui::Tr("Messages", "Choose Range"), prompt, typed)) return std::nullopt;
  const bool c4 = window_.Model().M(menu::MiddleCIsC4).checked;
  if (const auto key = theory::KeyOfName(typed, c4)) return key;
  services_.dialogs.Message(ui::Args(ui::Tr("Messages",
                                            "\"%1\" is no key of the keyboard. Type a letter, then # or b for a "
                                            "sharp or a flat, then the octave: a note from %2 to %3."),
                                     {typed, NameOf(theory::kLowestKeyMidi), NameOf(theory::kHighestKeyMidi)}));
  return std::nullopt;
}

void ReadingChoices::ChooseRangeClick() {
  const std::string lowestKey = NameOf(theory::kLowestKeyMidi), highestKey = NameOf(theory::kHighestKeyMidi);
  const auto lowest = AskKey(
      ui::Args(ui::Tr("Messages", "The lowest note asked, from %1 to %2:"), {lowestKey, highestKey}), range_.lowest);
  if (!lowest) return;
  const auto highest = AskKey(
      ui::Args(ui::Tr("Messages", "The highest note asked, from %1 to %2:"), {lowestKey, highestKey}), range_.highest);
  if (!highest) return;
  // Typed the other way round, the range is still the one meant.
  const auto chosen = *theory::MakeNoteRange(std::min(*lowest, *highest), std::max(*lowest, *highest));
  const auto previous = std::exchange(range_, chosen);
  if (WithinRange(window_.PoolInRange()).empty()) {
    range_ = previous;
    services_.dialogs.Message(
        ui::Args(ui::Tr("Messages",
                        "No note of this key and clef lies between %1 and %2. The range "
                        "stays from %3 to %4."),
                 {NameOf(chosen.lowest), NameOf(chosen.highest), NameOf(range_.lowest), NameOf(range_.highest)}));
    return;
  }
  auto& model = window_.Model();
  model.SetChecked(model.M(menu::ChooseRange), Narrowed());
  save_();
  window_.AskAnew();
}

}  // namespace lintra::coach
