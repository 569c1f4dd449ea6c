// The Progress window as the practice features see it: asked to show the student's reading over
// the journal, for the pool and key in force. The Qt front end opens a real window; the scenario
// runner records what it was asked to show.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "practice/answer_record.h"
#include "practice/reading_model.h"
#include "theory/keys.h"
#include "theory/note_table.h"

namespace lintra::journal {
class JournalReader;
}

namespace lintra::coach {

struct ProgressRequest {
  std::string journalPath;  // read on a connection of the window's own (WAL)
  // Reads the journal for the window, the answers the file could not take yet with the file's, and
  // gives how many those are; without it the window reads `journalPath` itself.
  std::function<std::size_t(const std::function<void(const journal::JournalReader&)>&)> readJournal;
  theory::KeyId key = theory::KeyId::CMajor;  // the key the mastery map is drawn in, or the chromatic scale
  practice::ClefRange clefRange = practice::ClefRange::Treble;
  std::vector<theory::NoteSlot> pool;  // every note of the current pool in the clef's range
  bool syllables = false;              // note names as the window shows them
  bool middleCIsC4 = false;
  // The model of the student's reading of the key, as the trainer keeps it; without one, the window
  // reads it from the journal.
  std::function<practice::ReadingModel&()> reading;
  std::int64_t nowUtcMs = 0;
  int utcOffsetMinutes = 0;  // local days for the daily trend
  // The window's own buttons run the "Progress" menu's commands of the same names.
  std::function<void()> exportJournal;  // "Export Journal..."
  std::function<void()> resetProgress;  // "Reset Progress..."; the window shows the journal anew after it
  // The request made again now: the clock read anew, every answer given since in the journal.
  std::function<ProgressRequest()> renewed;
};

// The request for another key or clef range than the trainer's, for a teacher looking through the
// student's keys: the pool of that key in that range, and the model of the key read from the
// journal unless it is the trainer's own. The student's exercise is left as it is.
ProgressRequest InKeyAndRange(const ProgressRequest& request, theory::KeyId key, practice::ClefRange range);

class ProgressView {
 public:
  virtual ~ProgressView() = default;
  virtual void Show(const ProgressRequest& request) = 0;
  // The student answered: a window that is open shows the new answers soon.
  virtual void Answered() {}
};

}  // namespace lintra::coach
