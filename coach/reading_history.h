// The model of the student's reading of a key, as the journal tells it: what the weak-note pick
// starts from when it meets a key, and what the Progress window shows. One function for both, so
// that the window shows what the pick would weigh.
#pragma once

#include <memory>

#include "journal/journal_reader.h"
#include "practice/reading_model.h"

namespace lintra::coach {

// Every first try in `key` on `staff`, in the order answered: recall fades between them by the clock.
std::unique_ptr<practice::ReadingModel> ReadingFromJournal(const journal::JournalReader& journal, theory::KeyId key,
                                                           practice::StaffKind staff = practice::StaffKind::Grand);

}  // namespace lintra::coach
