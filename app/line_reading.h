// Reading a line of notes and the C clefs, as the main window shows them. While "Read a Line" is
// checked a question is a line of notes, played in order: the note being read is marked, a right
// note turns a colour of its own and sounds, a wrong one is marked and waits for the right key.
// Each note counts once in the score, by its first try, as a single question counts by its
// answers; the next line comes as the next question does. While the alto or tenor clef is checked
// the questions stand on that clef's staff, a single question as a line of one note.
#pragma once

#include <cstddef>
#include <vector>

#include "notation/line_painter.h"
#include "notation/staff_layout.h"
#include "theory/note_table.h"
#include "theory/random.h"

namespace lintra::app {

class TForm2;

class LineReading {
 public:
  explicit LineReading(TForm2& form) : form_(form) {}

  // The staff the questions are drawn on: a C clef's own while one is checked in note reading.
  notation::StaffLayout Layout() const;
  // "Read a Line" is checked in note reading.
  bool Wanted() const;
  // A line is on the staff: being read, or read to its end while the next one is on its way.
  bool Shown() const { return !notes_.empty(); }

  // A new line as the practice features draw it; returns its first note. Throws when none can be drawn.
  theory::NoteSlot Begin(theory::Random& random);
  // The staff was cleared: the line is gone with it.
  void Drop();
  // Draws the line, or on a C clef's staff the question as a line of one note; false where the
  // question is drawn on the grand staff as ever.
  bool Draw();
  // The key played (the window's KeyNote) against the note being read.
  void Judge();
  // A choice of the "Reading" menu changes the staff or the kind of question: the staff is cleared
  // and a new question asked, as after a key command. The reverse exercise asks nothing.
  void AskAnew();

  const std::vector<notation::LineNote>& Notes() const { return notes_; }
  // The place of the note being read, from 1; 0 without a line or once it is read to its end.
  int NoteNumber() const;

 private:
  void Sound(int midi);
  void MoveOn();

  TForm2& form_;
  std::vector<notation::LineNote> notes_;
  std::size_t reading_ = 0;  // the note being read; notes_.size() once all are read
  bool missed_ = false;      // it was answered wrong: its first try is counted
};

}  // namespace lintra::app
