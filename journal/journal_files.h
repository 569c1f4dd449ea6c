// The journal's files as a whole: the database and the write-ahead log and index beside it, which
// hold committed answers not yet in the database and so always move with it.
#pragma once

#include <cstdint>
#include <string>

namespace lintra::journal {

struct Moved {
  enum class Outcome {
    NoFile,  // nothing at `path`: nothing moved
    Moved,   // `target` is where it is now
    Failed,  // it could not be moved and is where it was; `error` says why
  };
  Outcome outcome = Outcome::NoFile;
  std::string target;
  std::string error;
};

// Renames `path` (and its write-ahead log) to `path` + "." + `label` + "-" + the UTC time, never
// over an existing file.
Moved MoveAside(const std::string& path, const std::string& label, std::int64_t utcMs);
// Puts a journal moved aside back at `path`, where nothing may stand.
void MoveBack(const Moved& moved, const std::string& path);
// Removes a journal that holds no answer, with its log.
void RemoveJournal(const std::string& path);

}  // namespace lintra::journal
