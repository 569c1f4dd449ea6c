#include "journal/journal_files.h"

#include <filesystem>
#include <system_error>

#include "journal/utc_text.h"

namespace lintra::journal {
namespace {

constexpr const char* kCompanions[] = {"-wal", "-shm"};

bool Exists(const std::string& file) {
  std::error_code error;
  return std::filesystem::exists(file, error);
}

}  // namespace

Moved MoveAside(const std::string& path, const std::string& label, std::int64_t utcMs) {
  if (!Exists(path)) return {};
  const std::string base = path + "." + label + "-" + CompactUtc(utcMs);
  std::string target = base;
  for (int n = 2; Exists(target) || Exists(target + "-wal"); ++n) target = base + "-" + std::to_string(n);
  std::error_code error;
  std::filesystem::rename(path, target, error);
  if (error) return {Moved::Outcome::Failed, {}, error.message()};
  // The log may hold committed answers not yet in the main file: it goes with it.
  for (const char* suffix : kCompanions) {
    if (Exists(path + suffix)) std::filesystem::rename(path + suffix, target + suffix, error);
  }
  return {Moved::Outcome::Moved, target, {}};
}

void MoveBack(const Moved& moved, const std::string& path) {
  if (moved.outcome != Moved::Outcome::Moved) return;
  std::error_code error;
  std::filesystem::rename(moved.target, path, error);
  for (const char* suffix : kCompanions) {
    if (Exists(moved.target + suffix)) std::filesystem::rename(moved.target + suffix, path + suffix, error);
  }
}

void RemoveJournal(const std::string& path) {
  std::error_code error;
  std::filesystem::remove(path, error);
  for (const char* suffix : kCompanions) std::filesystem::remove(path + suffix, error);
}

}  // namespace lintra::journal
