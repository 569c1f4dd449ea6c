// Every first try at reading a note in one key, in the order they were answered: what the recall
// model is rebuilt from.
#pragma once

#include <string_view>
#include <vector>

#include "practice/first_try.h"

struct sqlite3;

namespace lintra::journal {

// Rows whose note lies outside the table (a file another program damaged) are left out.
std::vector<practice::FirstTry> FirstTriesInOrder(sqlite3* db, std::string_view keyItem);

}  // namespace lintra::journal
