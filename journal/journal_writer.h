// Records answers from the user-interface thread without waiting for the disk: a bounded queue
// that a thread of its own writes to the journal in batches. The queue is flushed on destruction,
// and answers another program's lock held back are tried once more then.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "journal/journal.h"

namespace lintra::journal {

class JournalWriter {
 public:
  explicit JournalWriter(std::unique_ptr<Journal> journal, std::size_t capacity = 4096);
  ~JournalWriter();
  JournalWriter(const JournalWriter&) = delete;
  JournalWriter& operator=(const JournalWriter&) = delete;

  // Waits only when `capacity` answers are already queued (a disk that far behind).
  void Record(AnswerRecord record);
  // Returns once every answer recorded before the call has been written (or is held by the journal).
  void Flush();
  // Runs `read` on the journal's reader between two writes, after a flush.
  template <typename F>
  auto Read(F&& read) {
    Flush();
    std::lock_guard lock(journalMutex_);
    const JournalReader reader = journal_->Reader();
    return read(reader);
  }
  // Moves the journal aside as a backup and starts a new one (Journal::Reset), after a flush.
  ResetResult Reset(std::int64_t nowUtcMs);
  // After a flush, the answers not yet in the file.
  std::size_t Unsaved();
  // After a flush, whether answers are held in memory: the reader reads them with the file's.
  bool InMemory();
  // Tries once more to write the answers not yet in the file; gives how many are still not.
  std::size_t SaveHeld();
  std::optional<Notice> TakeNotice();
  // As TakeNotice, but never waits for a write in progress: nothing then, the notice comes next time.
  std::optional<Notice> PollNotice();

 private:
  void Run();

  std::unique_ptr<Journal> journal_;
  const std::size_t capacity_;
  std::mutex journalMutex_;
  std::mutex queueMutex_;
  std::condition_variable changed_;
  std::deque<AnswerRecord> queue_;
  std::size_t recorded_ = 0;
  std::size_t written_ = 0;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace lintra::journal
