// What the trainer would ask the Progress window to show over a journal file: the pool of the key
// whose menu item is `keyItem` in `range`, "now" a minute after the last answer, in UTC,
// and the model of the student's reading of that key, read from the journal when first asked for and
// kept, as the trainer keeps it.
#pragma once

#include <memory>
#include <string>

#include "coach/progress_view.h"
#include "coach/reading_history.h"
#include "journal/journal_reader.h"
#include "theory/keys.h"
#include "ui/key_menus.h"

namespace lintra::tools {

inline coach::ProgressRequest RequestOver(const std::string& journalPath, const std::string& keyItem,
                                          practice::ClefRange range = practice::ClefRange::Grand) {
  coach::ProgressRequest request;
  request.journalPath = journalPath;
  request.key = ui::KeyOfMenu(keyItem).value_or(theory::KeyId::GMajor);
  request.clefRange = range;
  request.pool = practice::PoolIn(request.key, range);
  if (const auto last = journal::JournalReader(journalPath).LastAnswerUtcMs()) request.nowUtcMs = *last + 60'000;
  auto kept = std::make_shared<std::unique_ptr<practice::ReadingModel>>();
  request.reading = [kept, journalPath, key = request.key,
                     staff = practice::StaffKindOf(range)]() -> practice::ReadingModel& {
    if (!*kept) *kept = coach::ReadingFromJournal(journal::JournalReader(journalPath), key, staff);
    return **kept;
  };
  request.exportJournal = [] {};
  request.resetProgress = [] {};
  return request;
}

}  // namespace lintra::tools
