// "Progress" > "Show Progress...": the Progress window asked to show the journal for the key, clef
// and pool in force, in the note names chosen, with the journal's own commands on its buttons.
#pragma once

#include "coach/answer_journal.h"
#include "coach/feature.h"
#include "coach/key_reading.h"
#include "coach/progress_view.h"
#include "coach/services.h"
#include "coach/window.h"

namespace lintra::coach {

class ProgressCommand : public Feature {
 public:
  ProgressCommand(Window& window, Services& services, AnswerJournal& journal, KeyReading& reading)
      : window_(window), services_(services), journal_(journal), reading_(reading) {}

  void AddHandlers(ui::Handlers& handlers) override;
  void Answered(const practice::JudgedAnswer& answer) override;
  ProgressRequest Request();

 private:
  Window& window_;
  Services& services_;
  AnswerJournal& journal_;
  KeyReading& reading_;
};

}  // namespace lintra::coach
