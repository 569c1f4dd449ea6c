#include "coach/coach.h"

#include "coach/daily_goal.h"
#include "coach/key_reading.h"
#include "coach/progress_command.h"
#include "coach/resume.h"
#include "coach/status_line.h"
#include "coach/weak_notes.h"

namespace lintra::coach {

Coach::Coach(Window& window, Services services, LineFile optionsFormat)
    : window_(window), services_(std::move(services)), options_(services_.optionsFile, std::move(optionsFormat)) {
  auto journal = std::make_unique<AnswerJournal>(window_, services_, [this] {
    for (const auto& feature : features_) feature->JournalReset();
  });
  journal_ = journal.get();
  auto reading = std::make_unique<KeyReading>(*journal_, services_.clock);
  auto choices = std::make_unique<ReadingChoices>(window_, services_, options_, *reading, [this] { SaveChoice(); });
  reading_ = choices.get();
  features_.push_back(std::make_unique<WeakNotes>(window_, *reading, *choices));
  // After the weak-note pick: a range or a C clef only leaves the plain pick its questions.
  features_.push_back(std::move(choices));
  features_.push_back(std::make_unique<StatusLine>(window_));
  features_.push_back(std::make_unique<Resume>(window_, options_, [this] { SaveOptions(); }));
  features_.push_back(std::make_unique<ProgressCommand>(window_, services_, *journal_, *reading));
  features_.push_back(std::move(reading));
  auto& kept = *journal;
  // After the features that show and weigh an answer: they see it before it is written.
  features_.push_back(std::move(journal));
  // After the journal: it reads the journal's earlier sessions once this one has its id.
  features_.push_back(
      std::make_unique<DailyGoal>(window_, services_, options_, kept, [this] { return SaveOptions(); }));
}

Coach::~Coach() = default;

void Coach::Join(std::unique_ptr<Feature> feature) { features_.insert(features_.begin(), std::move(feature)); }

void Coach::AddHandlers(ui::Handlers& handlers) {
  for (const auto& feature : features_) feature->AddHandlers(handlers);
  for (const OptionRow& row : OptionTable()) {
    if (row.item) handlers.Add(window_.Model().M(*row.item).layout.handler, [this, &row] { ToggleOption(row.option); });
  }
}

void Coach::Creating() {
  options_.Load();
  for (const OptionRow& row : OptionTable()) {
    if (row.item && options_.On(row.option)) window_.Model().SetChecked(window_.Model().M(*row.item), true);
  }
  for (const auto& feature : features_) feature->OptionsLoaded();
}

void Coach::StartValuesSet() {
  for (const auto& feature : features_) feature->StartValuesSet();
}

void Coach::Started() {
  for (const auto& feature : features_) feature->Started();
}

void Coach::Closing() {
  for (const auto& feature : features_) feature->Closing();
}

void Coach::Answered(const practice::JudgedAnswer& answer) {
  for (const auto& feature : features_) feature->Answered(answer);
}

std::optional<theory::NoteSlot> Coach::PickQuestion(theory::Random& random) {
  for (const auto& feature : features_) {
    if (const auto slot = feature->PickQuestion(random)) return slot;
  }
  return std::nullopt;
}

std::vector<theory::NoteSlot> Coach::PickLine(theory::Random& random) { return reading_->PickLine(random); }

void Coach::ToggleOption(Option option) {
  auto& item = window_.Model().M(*RowOf(option).item);
  window_.Model().SetChecked(item, !item.checked);
  SaveChoice();
  for (const auto& feature : features_) feature->OptionToggled(option);
}

void Coach::SaveChoice() {
  if (const auto error = SaveOptions()) {
    services_.dialogs.Message(*error + " The choice applies until the program ends.");
  }
}

std::optional<std::string> Coach::SaveOptions() {
  // The on/off items are what the options are.
  for (const OptionRow& row : OptionTable()) {
    if (row.item) options_.Set(row.option, window_.Model().M(*row.item).checked ? "1" : "0");
  }
  for (const auto& feature : features_) feature->SavingOptions(options_);
  return options_.Save();
}

}  // namespace lintra::coach
