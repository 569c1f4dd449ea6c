// The main window's logic: its state and every handler of its controls,
// timers and menu items.  It runs on the toolkit-free window model and the
// seams (clock, dialogs, canvas, MIDI service), so the Qt front end and the
// scenario runner drive the very same code.  What the trainer does beyond the
// quiz (keeping answers, weighing them, resuming) listens to its events.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/device_selection.h"
#include "app/line_reading.h"
#include "app/staff_reader.h"
#include "midi/message_loop.h"
#include "midi/messages.h"
#include "midi/midi_in.h"
#include "midi/midi_out.h"
#include "midi/midi_service.h"
#include "notation/canvas.h"
#include "notation/staff_painter.h"
#include "practice/answer_record.h"
#include "theory/keys.h"
#include "theory/random.h"
#include "ui/clock.h"
#include "ui/dialogs.h"
#include "ui/handlers.h"
#include "ui/timed_dialogs.h"
#include "ui/window_model.h"

namespace lintra::app {

namespace control = ui::control;
namespace menu = ui::menu;

struct FormServices {
  ui::Clock& clock;
  ui::Dialogs& dialogs;
  ui::Shell& shell;
  ui::EventPump& pump;
  notation::Canvas& canvas;
  midi::MidiService& midi;  // the MIDI ports: the window lists them, its components open them
  midi::MessageLoop& loop;
  std::filesystem::path settingsFile;  // the device settings file
  std::string helpDocument;            // path of the help page
};

// What the window tells whoever listens, each at its moment; any may be left empty.
struct FormEvents {
  std::function<void()> creating;        // the create handler begins, before the devices are listed
  std::function<void()> startValuesSet;  // the starting values, key and clef are set
  std::function<void()> created;         // the create handler is done
  std::function<void()> closing;         // the window is about to close, before the farewell
  // Every answer to a note-reading question, as judged.
  std::function<void(const practice::JudgedAnswer&)> answered;
  // Asked for each new question before the plain pick: a slot, or nothing to leave the pick to the
  // window. It may draw from `random` (seeded as the plain pick is) only when it answers.
  std::function<std::optional<theory::NoteSlot>(theory::Random& random)> pickQuestion;
  // Every short message the window sends, as it sends it: what sounds through the speakers.
  std::function<void(const midi::ShortMessage&)> sending;
  // Asked for each new line while "Read a Line" is checked, drawing from `random` as it likes.
  std::function<std::vector<theory::NoteSlot>(theory::Random& random)> pickLine;
};

class TForm2 {
 public:
  TForm2(ui::WindowModel& model, FormServices services);
  ~TForm2();
  TForm2(const TForm2&) = delete;
  TForm2& operator=(const TForm2&) = delete;

  // The handlers of the controls, keys and menu items, under the names the layout gives them.
  void AddHandlers(ui::Handlers& handlers);
  void Listen(FormEvents events) { events_ = std::move(events); }

  // --- Entries from the event loop.  Each runs guarded: an error ends the
  // handler that raised it and is shown; the program goes on.
  void Guard(const std::function<void()>& handler);
  void FormCreate();
  void Initial();
  void FormClose();
  void FormPaint();
  // A click on a button or key: pending events are handled first, as the
  // gradient buttons do, then the handler runs.
  void ClickControl(ui::Control& control);
  // The user picks item `index` of a drop-down list, or types and confirms text.
  void SelectItem(ui::Control& combo, int index);
  void TypeText(ui::Control& combo, const std::string& text);

  // A note another input heard (the microphone), taken as the key it stands for, as a MIDI note-on
  // is; notes off the keyboard are not taken. The note began `beganMsAgo` before now: the response
  // time is measured to that moment.
  void AnswerHeard(int note, practice::AnswerSource source, std::int64_t beganMsAgo);

  // The built-in synthesizer will not sound; `reason` says why, for the user.
  // The user is told once, as soon as the synthesizer is the output in use.
  void SynthesizerSilent(const std::string& reason, const std::string& detail = {});

  // Every short message the window sends, before it is sent (transcripts).
  std::function<void(const midi::ShortMessage&)> OnShortSent;
  // After each entry from the event loop, once the outermost is done: what its handlers changed has
  // settled (a wrong answer raises the count of correct answers and lowers it again).
  std::function<void()> OnHandled;

  // --- State of the window.
  std::int32_t AnswerCount = 0;
  std::int32_t WrongCount = 0;
  std::int8_t CurrentSlot = 0;
  std::string SpelledName;
  std::string DisplayName;
  std::int8_t QuestionNote = 0;
  std::int32_t SoundingNote = 0;
  std::int8_t KeyNote = 0;
  std::int32_t NoteX = 0;
  std::int32_t NoteY = 0;
  std::string NoteAccidental;
  std::int8_t TrebleClef = 0;
  std::int8_t PickRange = 0;
  std::int8_t LeadingToneSlot1 = 0;
  std::int8_t LeadingToneSlot2 = 0;
  std::int8_t LeadingToneSlot3 = 0;
  std::string LeadingToneAccidental;
  std::string KeySignatureKind;
  std::int8_t KeySignatureCount = 0;
  std::int8_t RepeatPending = 0;
  bool SkipNoteDraw = false;
  std::int8_t Instrument = 0;
  std::string CorrectThreshold;
  std::string ScoreThreshold;
  std::int8_t LastModulationKey = 0;
  std::uint8_t MidiInNote = 0;

  midi::TMidiOutput MidiOutput1;
  midi::TMidiInput MidiInput1;
  ui::Timer& Timer1() { return *timer1_; }
  ui::Timer& Timer3() { return *timer3_; }
  ui::WindowModel& Model() { return model_; }
  // The window's boxes: the practice features show theirs here too, so that no time a box keeps the
  // student counts as time spent on a question.
  ui::Dialogs& Boxes() { return boxes_; }
  // A line of notes being read, and the C clefs' staves.
  LineReading& Reading() { return line_; }

  // --- Handlers bound to the layout.
  void Exit1Click();
  void ProgramHelpClick();
  void About1Click();
  void StartButtonClick();
  void ResponseClick();
  void StimNoteOff();
  void ClavedoSol1Click();
  void ClavedoF1Click();
  void Ambos1Click();
  void KeyClick(int chromaticIndex);  // the 43 key handlers
  void AnsDisplayClick();
  void LettersClick();
  void SyllablesClick();
  void NoteNamesClick();
  void NoteNamesOffClick();
  void KeyCommand(theory::KeyId key);  // the 24 key handlers
  void ChromaticScaleClick();
  void PlayKeyboardClick();
  void Flats1Click();
  void Sharps1Click();
  void NotationQuestionsClick();
  void On1Click();
  void Off1Click();
  void AutoModOnClick();
  void AutoModOffClick();
  void cmbInputChange();
  void cmbOutputChange();
  void Outputs1Click();
  void MidiInOnClick();
  void MidiInOffClick();
  void MIDIInst1Click();
  void SustainOnClick();
  void SustainOffClick();
  void Desligados1Click();

  // --- What the student has chosen, as the practice features read and restore it.
  theory::KeyId KeyInForce();
  practice::ClefRange ClefRangeInForce() const;
  // Every note of the pool in the clef's range.
  std::vector<theory::NoteSlot> PoolInRange();
  // The slots the plain pick can ask next.
  std::vector<theory::NoteSlot> PickCandidates();
  // The key note reading returns to: the one in force, or the one the reverse exercise left.
  theory::KeyId KeyToReturnTo();
  // Chooses the instrument and tells the output device.
  void UseInstrument(int program);

  // The note a key stands for, as a screen reader says it: "F1", "F#1 / Gb1",
  // in letters or syllables and in the octave numbering chosen.
  std::string KeyAccessibleName(int chromaticIndex);

 private:
  friend class LineReading;

  // --- Routines several handlers share.
  void PresentNote();
  void CheckAnswer();
  void CheckAutoAdvance();
  void CheckAutoModulate();
  void MakeDisplayName();
  void DrawStaff();
  void DrawNote();
  void OpenMidiDevices();
  void CloseMidiDevices();
  void HandleMidiNote();
  // Presses the key of `note` (41 to 83) for an input: the answer's source and start are its.
  void PressKeyFrom(int note, practice::AnswerSource source, std::int64_t beganMsAgo);
  // A click's handler runs after the events already waiting, as after a click on a native button.
  void PumpThenRun(const std::function<void()>& handler);

  void ListDevices();
  void Send(const midi::ShortMessage& message);
  void UseBuiltInSynthesizer(const std::string& reason);
  void RestoreDeviceChoice();
  void OpenChosenDevices(std::vector<std::string>& problems);
  void ClosePanel();
  std::string SilenceNotice();
  void ReportSetUp(std::vector<std::string>& problems);
  void SayFarewell();
  bool Checked(ui::MenuName menu);
  void Check(ui::MenuName menu, bool checked = true);
  void SetText(ui::ControlName control, std::string text);
  const std::string& Text(ui::ControlName control);
  bool ThresholdPassed();
  std::pair<bool, bool> AskThresholds(const std::string& tutor);
  void SetWhiteKeyCaptions(bool syllables);
  void ApplyDeviceChoice();
  // Note names shown to the student, in the octave numbering chosen under "Options".
  std::string ShownName(std::string_view name);
  void StartDeviceWatch();
  void RelistDevices();
  void WatchOpenDevices();  // the devices just opened are the ones to bring back when they return
  void WatchDevices();
  void ReopenInput(const std::string& name);
  void ReopenOutput(const std::string& name);
  // The answered question, for the answers published.
  void QuestionShown();
  // The answer line, said to the student even where its text stays the same.
  void ShowAnswer(std::string text);
  void PublishAnswer(bool correct);
  void StartTryClock();
  // The sign the key's minor leading tone carries, before the rule of the exercise applies.
  std::string LeadingToneSign(int slot) const;
  // The sign drawn before a question at `slot`, as PresentNote draws it.
  std::string SignBefore(theory::NoteSlot slot);

  ui::WindowModel& model_;
  FormServices services_;
  ui::TimedDialogs boxes_;
  notation::StaffPainter painter_;
  StaffReader staffReader_;  // what is drawn, in words
  std::unique_ptr<ui::Timer> timer1_;
  std::unique_ptr<ui::Timer> timer3_;
  std::unique_ptr<ui::Timer> deviceWatch_;
  WatchedDevice watchedInput_;
  WatchedDevice watchedOutput_;
  std::uint32_t randomState_ = 0;
  bool sendFailureShown_ = false;
  bool outOfRangeShown_ = false;  // a "Keyboard out of range." box is open
  std::string synthSilence_;      // why the built-in synthesizer is silent
  bool synthSilenceTold_ = false;
  bool farewellSaid_ = false;
  FormEvents events_;
  // The scale kind to restore when note reading resumes: the remembered flags of the scale items.
  bool RememberMajor = false;
  bool RememberMinor = false;
  bool RememberChromatic = false;
  bool questionOpen_ = false;  // a note-reading question is shown and may be answered
  // Where the try now awaited began: the time of day its note was shown or sounded again, and the
  // time boxes had been open by then.
  std::int64_t tryStartMs_ = 0;
  std::int64_t tryStartBoxMs_ = 0;
  int attempt_ = 1;                                              // of the next answer to it
  theory::KeyId askedKey_ = theory::KeyId::CMajor;               // the key it was asked in
  practice::ClefRange askedClef_ = practice::ClefRange::Treble;  // and the clef's range
  int guardDepth_ = 0;  // entries from the event loop under way, one inside another
  practice::AnswerSource answerSource_ = practice::AnswerSource::OnScreen;
  std::int64_t answerBeganMsAgo_ = 0;  // of the answer being judged: before the key was pressed
  LineReading line_{*this};
};

}  // namespace lintra::app
