#include "journal/statement.h"

#include <sqlite3.h>

namespace lintra::journal {

Statement::Statement(sqlite3* db, std::string_view sql) {
  prepareCode_ = sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr);
  if (prepareCode_ != SQLITE_OK) {
    sqlite3_finalize(stmt_);
    stmt_ = nullptr;
  }
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement& Statement::bind(int index, std::int64_t value) {
  if (stmt_ != nullptr) sqlite3_bind_int64(stmt_, index, value);
  return *this;
}

Statement& Statement::bind(int index, std::string_view text) {
  if (stmt_ != nullptr) sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
  return *this;
}

int Statement::step() { return stmt_ == nullptr ? prepareCode_ : sqlite3_step(stmt_); }

void Statement::reset() {
  if (stmt_ == nullptr) return;
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

std::int64_t Statement::integer(int column) const { return sqlite3_column_int64(stmt_, column); }

std::string Statement::text(int column) const {
  const auto* p = sqlite3_column_text(stmt_, column);
  return p == nullptr ? std::string() : std::string(reinterpret_cast<const char*>(p));
}

int Execute(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }

}  // namespace lintra::journal
