// A prepared statement that finalizes itself, with the few typed binds and reads the journal uses.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace lintra::journal {

class Statement {
 public:
  Statement(sqlite3* db, std::string_view sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  bool ok() const { return stmt_ != nullptr; }
  int prepareCode() const { return prepareCode_; }
  Statement& bind(int index, std::int64_t value);
  Statement& bind(int index, std::string_view text);
  // SQLITE_ROW, SQLITE_DONE or an error code.
  int step();
  void reset();
  std::int64_t integer(int column) const;
  std::string text(int column) const;

 private:
  sqlite3_stmt* stmt_ = nullptr;
  int prepareCode_ = 0;
};

// Runs statements that return no rows; gives SQLite's result code.
int Execute(sqlite3* db, const char* sql);

}  // namespace lintra::journal
