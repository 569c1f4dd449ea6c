// What the trainer would ask the Progress window to show over a journal file: the whole pool of
// the key whose menu item is `keyItem` on the grand staff, "now" a minute after the last answer, in UTC.
#pragma once

#include <string>

#include "coach/progress_view.h"
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
  request.exportJournal = [] {};
  request.resetProgress = [] {};
  return request;
}

}  // namespace lintra::tools
