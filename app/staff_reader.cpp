#include "app/staff_reader.h"

namespace lintra::app {

void StaffReader::StaffDrawn(std::optional<theory::Clef> singleClef, std::string_view signatureKind,
                             int signatureCount) {
  picture_ = {singleClef, std::string(signatureKind), signatureCount, std::nullopt, std::nullopt};
  Publish();
}

void StaffReader::NoteDrawn(int step, std::string_view accidental, std::optional<coach::LinePosition> line) {
  picture_.note = coach::DrawnNote{step, std::string(accidental)};
  picture_.line = line;
  Publish();
}

void StaffReader::AnnounceQuestion() {
  const coach::StaffWords words = coach::DescribeStaff(picture_);
  if (words.staff == saidStaff_) {
    model_.Announce(words.note);
    return;
  }
  saidStaff_ = words.staff;
  model_.Announce(words.Whole());
}

void StaffReader::Publish() {
  model_.SetText(model_.C(ui::control::PaintBox1), coach::DescribeStaff(picture_).Whole());
}

}  // namespace lintra::app
