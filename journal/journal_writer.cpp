#include "journal/journal_writer.h"

#include <chrono>
#include <vector>

namespace lintra::journal {

JournalWriter::JournalWriter(std::unique_ptr<Journal> journal, std::size_t capacity)
    : journal_(std::move(journal)), capacity_(capacity), thread_([this] { Run(); }) {}

JournalWriter::~JournalWriter() {
  {
    std::lock_guard lock(queueMutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void JournalWriter::Record(AnswerRecord record) {
  {
    std::unique_lock lock(queueMutex_);
    changed_.wait(lock, [&] { return queue_.size() < capacity_; });
    queue_.push_back(std::move(record));
    ++recorded_;
  }
  changed_.notify_all();
}

void JournalWriter::Flush() {
  std::unique_lock lock(queueMutex_);
  const std::size_t target = recorded_;
  changed_.wait(lock, [&] { return written_ >= target; });
}

ResetResult JournalWriter::Reset(std::int64_t nowUtcMs) {
  Flush();
  std::lock_guard lock(journalMutex_);
  return journal_->Reset(nowUtcMs);
}

std::size_t JournalWriter::Unsaved() {
  Flush();
  std::lock_guard lock(journalMutex_);
  return journal_->Waiting();
}

bool JournalWriter::InMemory() {
  Flush();
  std::lock_guard lock(journalMutex_);
  return journal_->InMemory();
}

std::size_t JournalWriter::SaveHeld() {
  Flush();
  std::lock_guard lock(journalMutex_);
  journal_->Append(std::span<const AnswerRecord>());
  return journal_->Waiting();
}

std::optional<Notice> JournalWriter::TakeNotice() {
  std::lock_guard lock(journalMutex_);
  return journal_->TakeNotice();
}

std::optional<Notice> JournalWriter::PollNotice() {
  std::unique_lock lock(journalMutex_, std::try_to_lock);
  if (!lock.owns_lock()) return std::nullopt;
  return journal_->TakeNotice();
}

void JournalWriter::Run() {
  std::vector<AnswerRecord> batch;
  for (;;) {
    {
      std::unique_lock lock(queueMutex_);
      changed_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
      if (queue_.empty() && stopping_) break;
      batch.assign(std::make_move_iterator(queue_.begin()), std::make_move_iterator(queue_.end()));
      queue_.clear();
    }
    changed_.notify_all();  // room in the queue
    {
      std::lock_guard lock(journalMutex_);
      // Answers another trainer's lock kept out stay in the journal's hands and go first next time;
      // retry them after a pause so a flush cannot wait for ever.
      if (!journal_->Append(batch)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        journal_->Append(std::span<const AnswerRecord>());
      }
    }
    {
      std::lock_guard lock(queueMutex_);
      written_ += batch.size();
    }
    changed_.notify_all();
  }
  // The last chance for answers another trainer's lock held back.
  std::lock_guard lock(journalMutex_);
  if (journal_->Waiting() > 0) journal_->Append(std::span<const AnswerRecord>());
}

}  // namespace lintra::journal
