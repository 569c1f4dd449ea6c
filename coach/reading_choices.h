// The "Reading" menu: reading a line of notes (its length and largest leap), the alto and tenor
// clefs, and the range of keys the questions keep to. The window's logic reads the menu's check
// marks; this feature keeps them between runs, asks for the range, and draws what the window cannot:
// lines of notes, and single questions from a range or a C clef's staff.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "coach/feature.h"
#include "coach/key_reading.h"
#include "coach/services.h"
#include "coach/window.h"
#include "practice/reading_line.h"
#include "theory/note_range.h"

namespace lintra::coach {

class ReadingChoices : public Feature {
 public:
  // `save` writes the options, telling the student when they could not be written.
  ReadingChoices(Window& window, Services& services, Options& options, KeyReading& reading, std::function<void()> save);

  void AddHandlers(ui::Handlers& handlers) override;
  void OptionsLoaded() override;
  void SavingOptions(Options& options) override;
  void OptionToggled(Option option) override;
  // While the questions keep to a range or stand on a C clef's staff, where the plain pick cannot
  // ask them: one draw among Candidates().
  std::optional<theory::NoteSlot> PickQuestion(theory::Random& random) override;

  // The slots a single question may ask next: the window's, within the range. Where the key and
  // clef offer none in the range, all of them; the student is told once for each key, clef and range.
  std::vector<theory::NoteSlot> Candidates();
  // A line as the menu sets it out, from the key's notes on the clef's staff within the range, rich
  // in the notes the student is weak on while "Practise Weak Notes" is on.
  std::vector<theory::NoteSlot> PickLine(theory::Random& random);

  const theory::NoteRange& Range() const { return range_; }
  practice::LineRules Rules() const;

 private:
  void ChooseRangeClick();
  std::optional<int> AskKey(const std::string& prompt, int current);
  bool Narrowed() const { return range_ != theory::NoteRange{}; }
  std::vector<theory::NoteSlot> WithinRange(const std::vector<theory::NoteSlot>& slots) const;
  void TellNoneInRange();
  std::string NameOf(int midi);

  Window& window_;
  Services& services_;
  Options& options_;
  KeyReading& reading_;
  std::function<void()> save_;
  theory::NoteRange range_;
  std::string toldNoneInRange_;  // the key, clef and range the student was told hold no note
};

}  // namespace lintra::coach
