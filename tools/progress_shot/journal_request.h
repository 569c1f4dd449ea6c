// What the trainer would ask the Progress window to show over a journal file: the whole pool of
// the key whose menu item is `keyItem` on the grand staff, "now" a minute after the last answer, in UTC,
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

inline coach::ProgressRequest RequestOver(const std::string& journalPath, const std::string& keyItem) {
  coach::ProgressRequest request;
  request.journalPath = journalPath;
  request.key = ui::KeyOfMenu(keyItem).value_or(theory::KeyId::GMajor);
  request.clefRange = practice::ClefRange::Grand;
  if (const theory::KeyInfo* key = theory::FindKey(request.key))
    request.pool.assign(key->pool.begin(), key->pool.end());
  if (const auto last = journal::JournalReader(journalPath).LastAnswerUtcMs()) request.nowUtcMs = *last + 60'000;
  auto kept = std::make_shared<std::unique_ptr<practice::ReadingModel>>();
  request.reading = [kept, journalPath, key = request.key]() -> practice::ReadingModel& {
    if (!*kept) *kept = coach::ReadingFromJournal(journal::JournalReader(journalPath), key);
    return **kept;
  };
  request.exportJournal = [] {};
  request.resetProgress = [] {};
  return request;
}

}  // namespace lintra::tools
