#include "journal/first_tries.h"

#include <sqlite3.h>

#include "journal/answer.h"
#include "journal/statement.h"

namespace lintra::journal {

std::vector<practice::FirstTry> FirstTriesInOrder(sqlite3* db, std::string_view keyItem) {
  std::vector<practice::FirstTry> tries;
  Statement name(db, "SELECT id FROM names WHERE text = ?1");
  if (name.bind(1, keyItem).step() != SQLITE_ROW) return tries;
  // Row ids give the order answers came in, whatever the clock said meanwhile.
  Statement read(db,
                 "SELECT slot, correct, response_ms, time_ms FROM answers"
                 " WHERE key_name = ?1 AND attempt = 1 AND exercise = ?2 AND slot >= 0 AND slot < ?3 ORDER BY id");
  read.bind(1, name.integer(0))
      .bind(2, static_cast<std::int64_t>(Exercise::NoteReading))
      .bind(3, static_cast<std::int64_t>(theory::kNoteSlotCount));
  while (read.step() == SQLITE_ROW) {
    tries.push_back(
        {static_cast<theory::NoteSlot>(read.integer(0)), read.integer(1) != 0, read.integer(2), read.integer(3)});
  }
  return tries;
}

}  // namespace lintra::journal
