// The staff in words, kept in step with what is drawn on it: the paint box's text in the window
// model, which the front end gives assistive technology as the staff's description, and what is
// said when a question is asked.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "coach/staff_words.h"
#include "theory/clef.h"
#include "ui/window_model.h"

namespace lintra::app {

class StaffReader {
 public:
  explicit StaffReader(ui::WindowModel& model) : model_(model) {}

  // The staff was drawn afresh, without notes: the grand staff, or a staff of its own with `singleClef`.
  void StaffDrawn(std::optional<theory::Clef> singleClef, std::string_view signatureKind, int signatureCount);
  // A note was drawn at letter step `step` with `accidental` before it; in a line of notes, the one
  // being read at `line`.
  void NoteDrawn(int step, std::string_view accidental, std::optional<coach::LinePosition> line = std::nullopt);
  // The note last drawn is asked: says where it stands, and first the staff itself when that is
  // not what was last said of it.
  void AnnounceQuestion();

 private:
  void Publish();

  ui::WindowModel& model_;
  coach::StaffPicture picture_;
  std::string saidStaff_;
};

}  // namespace lintra::app
