// The practice features around the quiz: the journal of answers, the weak-note pick, the time and
// mistake line, resuming where the student left off, the Progress window, and the options that
// switch them. The window's logic tells the coach its moments and every judged answer; the coach
// tells each feature. A new feature is a class of its own, made in coach.cpp's list.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "coach/answer_journal.h"
#include "coach/feature.h"
#include "coach/options.h"
#include "coach/reading_choices.h"
#include "coach/services.h"
#include "coach/window.h"

namespace lintra::coach {

class Coach {
 public:
  Coach(Window& window, Services services, LineFile optionsFormat);
  ~Coach();
  Coach(const Coach&) = delete;
  Coach& operator=(const Coach&) = delete;

  // A feature made outside the coach (one of the window's inputs), told of everything before the
  // coach's own. Before AddHandlers.
  void Join(std::unique_ptr<Feature> feature);

  // The features' menu commands and the options' on/off items.
  void AddHandlers(ui::Handlers& handlers);

  // The window's moments, in the order they come.
  void Creating();
  void StartValuesSet();
  void Started();
  void Closing();
  void Answered(const practice::JudgedAnswer& answer);
  std::optional<theory::NoteSlot> PickQuestion(theory::Random& random);
  // A new line of notes to read, while "Read a Line" is on.
  std::vector<theory::NoteSlot> PickLine(theory::Random& random);

  AnswerJournal& Journal() { return *journal_; }
  const ReadingChoices& Reading() const { return *reading_; }
  const Options& Settings() const { return options_; }
  // Writes the options now, as the check marks and the features hold them; an error text when the
  // file could not be written.
  std::optional<std::string> SaveOptions();

 private:
  void ToggleOption(Option option);
  // Writes the options after a choice; where they cannot be written, the student is told.
  void SaveChoice();

  Window& window_;
  Services services_;
  Options options_;
  AnswerJournal* journal_ = nullptr;                // one of the features
  ReadingChoices* reading_ = nullptr;               // one of the features
  std::vector<std::unique_ptr<Feature>> features_;  // told in this order
};

}  // namespace lintra::coach
