// What the trainer would ask the Progress window to show over a journal file: the whole pool of
// the key whose menu item is `keyItem` on the grand staff, "now" a minute after the last answer, in UTC.
#pragma once

#include <sqlite3.h>

#include <string>

#include "app/progress_view.h"
#include "theory/keys.h"
#include "ui/key_menus.h"

namespace lintra::tools {

inline app::ProgressRequest RequestOver(const std::string& journalPath, const std::string& keyItem) {
  app::ProgressRequest request;
  request.journalPath = journalPath;
  request.key = ui::KeyOfMenu(keyItem).value_or(theory::KeyId::GMajor);
  request.clefRange = practice::ClefRange::Grand;
  if (const theory::KeyInfo* key = theory::FindKey(request.key))
    request.pool.assign(key->pool.begin(), key->pool.end());
  sqlite3* db = nullptr;
  sqlite3_stmt* last = nullptr;
  if (sqlite3_open_v2(journalPath.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
      sqlite3_prepare_v2(db, "SELECT max(time_ms) FROM answers", -1, &last, nullptr) == SQLITE_OK &&
      sqlite3_step(last) == SQLITE_ROW) {
    request.nowUtcMs = sqlite3_column_int64(last, 0) + 60'000;
  }
  sqlite3_finalize(last);
  sqlite3_close(db);
  request.exportJournal = [] {};
  request.resetProgress = [] {};
  return request;
}

}  // namespace lintra::tools
