#include "ui/layout.h"

#include <array>

namespace lintra::ui {
namespace {

constexpr FontSpec kArial16{"Arial", 16, false, clBlack};
constexpr FontSpec kArial19Bold{"Arial", 19, true, clBlack};
constexpr FontSpec kButtonFont{"Arial", 13, false, clWhite};
constexpr FontSpec kKeyFont{"MS Sans Serif", 11, false, clBlack};

constexpr std::string_view kCMajorPool =
    "0\n3\n6\n9\n12\n15\n18\n21\n24\n27\n30\n33\n36\n39\n42\n45\n48\n51\n54\n57\n60\n63\n66\n69";

// Visible controls first, then the ones hidden at start, as the layout lists them.
// clang-format off
constexpr std::array<ControlSpec, 15> kControls{{
    {control::QuestShw, ControlKind::TextField, 96, 16, 592, 26, kArial16, "", true, true, 3, ""},
    {control::AnsShow, ControlKind::TextField, 96, 48, 592, 26, kArial16, "", true, true, 4, ""},
    {control::StartButton, ControlKind::Button, 96, 120, 125, 30, kButtonFont, "Next Question", true, true, 51,
     "StartButtonClick", clGreen, clLime, GradientStyle::HorizCenter, true, clBtnHighlight},
    {control::AnsDisplay, ControlKind::Button, 96, 187, 125, 30, kButtonFont, "Next Answer?", true, true, 52,
     "AnsDisplayClick", clGray, clYellow, GradientStyle::HorizCenter, true, clBtnHighlight},
    {control::PaintBox1, ControlKind::PaintBox, 232, 120, 249, 138, {"Partita", 32, false, clBlack}, "", true, true, -1, ""},
    {control::Score, ControlKind::RichText, 496, 120, 105, 30, kArial19Bold, "", true, true, 1, ""},
    {control::Label2, ControlKind::Label, 496, 160, 105, 21, kWindowFont, "Correct Answers:", true, true, -1, ""},
    {control::Items, ControlKind::RichText, 496, 184, 105, 30, kArial19Bold, "", true, true, 2, ""},
    {control::Label1, ControlKind::Label, 56, 88, 39, 16, kWindowFont, "Inputs:", false, true, -1, ""},
    {control::Label3, ControlKind::Label, 432, 88, 50, 16, kWindowFont, "Outputs:", false, true, -1, ""},
    {control::cmbInput, ControlKind::ComboEdit, 96, 80, 190, 26, kArial16, "", false, false, 6, "cmbInputChange"},
    {control::cmbOutput, ControlKind::ComboPick, 496, 80, 190, 26, kArial16, "", false, false, 5, "cmbOutputChange"},
    {control::KeyList, ControlKind::DataList, 48, 160, 41, 25, {"Arial", 16, true, clBlack}, kCMajorPool, false, true, 0, ""},
    {control::Memo1, ControlKind::DataList, 256, 120, 233, 89, kWindowFont, "\n\n\n\n\n", false, false, 7, ""},
    {control::StatusLine, ControlKind::StatusLine, 0, 420, 803, 22, kWindowFont, "", false, true, -1, ""},
}};
// clang-format on

// clang-format off
constexpr std::array<KeySpec, 43> kKeys{{
    {control::F1, "F1Click", 0, false},          {control::F1sharp, "F1sharpClick", 0, true},
    {control::G1, "G1Click", 1, false},          {control::G1Sharp, "G1sharpClick", 1, true},
    {control::A1, "A1Click", 2, false},          {control::A1sharp, "A1sharpClick", 2, true},
    {control::B1, "B1Click", 3, false},          {control::C2, "C2Click", 4, false},
    {control::C2sharp, "C2sharpClick", 4, true}, {control::d2, "d2Click", 5, false},
    {control::D2sharp, "D2sharpClick", 5, true}, {control::e2, "e2Click", 6, false},
    {control::f2, "F2Click", 7, false},          {control::F2sharp, "F2sharpClick", 7, true},
    {control::g2, "G2Click", 8, false},          {control::G2sharp, "G2sharpClick", 8, true},
    {control::a2, "a2Click", 9, false},          {control::A2sharp, "A2sharpClick", 9, true},
    {control::b2, "B2Click", 10, false},         {control::c3, "c3Click", 11, false},
    {control::C3sharp, "C3sharpClick", 11, true}, {control::d3, "d3Click", 12, false},
    {control::D3sharp, "D3sharpClick", 12, true}, {control::E3, "E3Click", 13, false},
    {control::F3, "F3Click", 14, false},         {control::F3sharp, "F3sharpClick", 14, true},
    {control::g3, "g3Click", 15, false},         {control::G3sharp, "G3sharpClick", 15, true},
    {control::A3, "A3Click", 16, false},         {control::A3sharp, "A3sharpClick", 16, true},
    {control::B3, "B3Click", 17, false},         {control::C4, "C4Click", 18, false},
    {control::C4sharp, "C4sharpClick", 18, true}, {control::D4, "D4Click", 19, false},
    {control::D4sharp, "D4sharpClick", 19, true}, {control::E4, "E4Click", 20, false},
    {control::F4, "F4Click", 21, false},         {control::F4sharp, "F4sharpClick", 21, true},
    {control::G4, "G4Click", 22, false},         {control::G4sharp, "G4sharpClick", 22, true},
    {control::A4, "A4Click", 23, false},         {control::A4sharp, "A4sharpClick", 23, true},
    {control::B4, "B4Click", 24, false},
}};
// clang-format on

constexpr std::array<std::string_view, 58> kCreationOrder{
    control::PaintBox1,   control::Label2,     control::Label1,    control::Label3,   control::B4,
    control::A4,          control::G4,         control::F4,        control::E4,       control::D4,
    control::A3,          control::g3,         control::C4,        control::B3,       control::A3sharp,
    control::G3sharp,     control::F3,         control::d3,        control::F3sharp,  control::E3,
    control::D3sharp,     control::b2,         control::a2,        control::g2,       control::A2sharp,
    control::G2sharp,     control::d2,         control::e2,        control::D2sharp,  control::B1,
    control::G1,          control::A1,         control::G1Sharp,   control::F1,       control::F1sharp,
    control::KeyList,     control::Score,      control::Items,     control::QuestShw, control::AnsShow,
    control::cmbOutput,   control::cmbInput,   control::Memo1,     control::A1sharp,  control::C2,
    control::C2sharp,     control::f2,         control::F2sharp,   control::c3,       control::C3sharp,
    control::C4sharp,     control::D4sharp,    control::F4sharp,   control::G4sharp,  control::A4sharp,
    control::StartButton, control::AnsDisplay, control::StatusLine};

// clang-format off
constexpr std::array<MenuSpec, 95> kMenus{{
    {1, menu::File1, "Mode", false, false, ""},
    {2, menu::NotationQuestions, "See Notes/Play Keyboard", true, true, "NotationQuestionsClick"},
    {2, menu::PlayKeyboard, "Play Keyboard/See Notes", true, false, "PlayKeyboardClick"},
    {3, menu::Flats1, "Flats", true, true, "Flats1Click"},
    {3, menu::Sharps1, "Sharps", true, false, "Sharps1Click"},
    {2, menu::Exit1, "Exit", false, false, "Exit1Click"},
    {1, menu::Keys, "Keys", false, false, ""},
    {2, menu::MajorKeys1, "Major Scale Notes", true, true, ""},
    {3, menu::CMajor1, "C Major", true, true, "CMajorClick"},
    {3, menu::FMajor1, "F Major", true, false, "FMajorClick"},
    {3, menu::GMajor1, "G Major", true, false, "GMajorClick"},
    {3, menu::BbMajor1, "Bb Major", true, false, "BbMajorClick"},
    {3, menu::DMajor1, "D Major", true, false, "DMajorClick"},
    {3, menu::EbMajor1, "Eb Major", true, false, "EbMajorClick"},
    {3, menu::AMajor1, "A Major", true, false, "AMajorClick"},
    {3, menu::abMajor1, "Ab Major", true, false, "AbMajorClick"},
    {3, menu::EMajor1, "E Major", true, false, "EMajorClick"},
    {3, menu::DbMajor1, "Db Major", true, false, "DbMajorClick"},
    {3, menu::BMajor1, "B Major", true, false, "BMajorClick"},
    {3, menu::GbMajor1, "Gb Major", true, false, "GbMajorClick"},
    {3, menu::FsharpMajor1, "F# Major", true, false, "FsharpMajorClick"},
    {2, menu::MinorKeys1, "Minor Scale Notes", true, false, ""},
    {3, menu::AMinor1, "A Minor", true, false, "AMinorClick"},
    {3, menu::DMinor1, "D Minor", true, false, "DMinorClick"},
    {3, menu::EMinor1, "E Minor", true, false, "EMinorClick"},
    {3, menu::GMinor1, "G Minor", true, false, "GMinorClick"},
    {3, menu::BMinor1, "B Minor", true, false, "BMinorClick"},
    {3, menu::CMinor1, "C Minor", true, false, "CMinorClick"},
    {3, menu::FsharpMinor1, "F# Minor", true, false, "FsharpMinorClick"},
    {3, menu::FMinor1, "F Minor", true, false, "FMinorClick"},
    {3, menu::CsharpMinor1, "C# Minor", true, false, "CsharpMinorClick"},
    {3, menu::BbMinor1, "Bb Minor", true, false, "BbMinorClick"},
    {3, menu::EbMinor1, "Eb Minor", true, false, "EbMinorClick"},
    {2, menu::ChromaticScale, "Chromatic Scale Notes", true, false, "ChromaticScaleClick"},
    {1, menu::Claves1, "Clefs", true, false, ""},
    {2, menu::ClavedoSol1, "Treble Clef Notes", true, true, "ClavedoSol1Click"},
    {2, menu::ClavedoF1, "Bass Clef Notes", true, false, "ClavedoF1Click"},
    {2, menu::Ambos1, "Grand Staff Notes", true, false, "Ambos1Click"},
    {1, menu::NoteNamesOn, "Note Names On?", false, false, ""},
    {2, menu::NoteNames, "Note Names On", true, false, "NoteNamesClick"},
    {2, menu::NoteNamesOff, "Note Names Off", true, true, "NoteNamesOffClick"},
    {1, menu::Syllables1, "Syllables?", false, false, ""},
    {2, menu::Syllables, "Syllable Note Names", true, false, "SyllablesClick"},
    {2, menu::Letters, "Letter Note Names", true, true, "LettersClick"},
    {1, menu::Midi1, "Midi", false, false, ""},
    {2, menu::Outputs1, "Inputs/Outputs", false, false, "Outputs1Click"},
    {2, menu::MidiinOnOff, "Midi in On/Off", false, false, ""},
    {3, menu::MidiInOn, "Midi In On", true, true, "MidiInOnClick"},
    {3, menu::MidiInOff, "Midi In Off", true, false, "MidiInOffClick"},
    {2, menu::Instrument1, "Instrument", false, false, "MIDIInst1Click"},
    {2, menu::Sustain1, "Sustain?", false, false, ""},
    {3, menu::SustainOn1, "Sustain On", true, true, "SustainOnClick"},
    {3, menu::SustainOff1, "Sustain Off", true, false, "SustainOffClick"},
    {2, menu::AllNotesOff1, "All Notes Off", false, false, "Desligados1Click"},
    {1, menu::Advance1, "Advance", false, false, ""},
    {2, menu::AutoAdvance2, "AutoAdvance", true, true, ""},
    {3, menu::On1, "On", true, true, "On1Click"},
    {3, menu::Off1, "Off", true, false, "Off1Click"},
    {2, menu::AutoModulate2, "AutoModulate", true, false, ""},
    {3, menu::AutoModOn, "On", true, false, "AutoModOnClick"},
    {3, menu::AutoModOff, "Off", true, true, "AutoModOffClick"},
    {1, menu::Progress1, "Progress", false, false, ""},
    {2, menu::ShowProgress, "Show Progress...", false, false, "ShowProgressClick"},
    {2, menu::ExportJournal, "Export Journal...", false, false, "ExportJournalClick"},
    {2, menu::ResetProgress, "Reset Progress...", false, false, "ResetProgressClick"},
    {2, menu::DailyGoal, "Daily Goal...", false, false, "DailyGoalClick"},
    {2, "ProgressLine1", kMenuSeparator, false, false, ""},
    {2, menu::PractiseWeakNotes, "Practise Weak Notes", false, false, "PractiseWeakNotesClick", true},
    {2, menu::ShowTimeAndMistake, "Show Time and Mistake", false, false, "ShowTimeAndMistakeClick", true},
    {2, menu::ResumeWhereILeftOff, "Resume Where I Left Off", false, false, "ResumeWhereILeftOffClick", true},
    {1, menu::Options1, "Options", false, false, ""},
    {2, menu::MiddleCIsC4, "Middle C Is C4", false, false, "MiddleCIsC4Click", true},
    {2, menu::Language, "Language...", false, false, "LanguageClick"},
    {1, menu::Microphone1, "Microphone", false, false, ""},
    {2, menu::AnswerByMicrophone, "Answer by Microphone", false, false, "AnswerByMicrophoneClick", true},
    {2, menu::SoundInput, "Sound Input...", false, false, "SoundInputClick"},
    {2, menu::ListenWhileNotesSound, "Listen While Notes Sound (Headphones)", false, false,
     "ListenWhileNotesSoundClick", true},
    {1, menu::Reading1, "Reading", false, false, ""},
    {2, menu::ReadLine, "Read a Line", false, false, "ReadLineClick", true},
    {2, menu::LineLength1, "Line Length", false, false, ""},
    {3, menu::LineOf4, "4 Notes", true, true, "LineOf4Click"},
    {3, menu::LineOf6, "6 Notes", true, false, "LineOf6Click"},
    {3, menu::LineOf8, "8 Notes", true, false, "LineOf8Click"},
    {2, menu::LargestLeap1, "Largest Leap", false, false, ""},
    {3, menu::LeapThird, "A Third", true, false, "LeapThirdClick"},
    {3, menu::LeapFifth, "A Fifth", true, true, "LeapFifthClick"},
    {3, menu::LeapOctave, "An Octave", true, false, "LeapOctaveClick"},
    {2, "ReadingLine1", kMenuSeparator, false, false, ""},
    // Each overrides the "Clefs" menu's choice while checked; checking one clears the other.
    {2, menu::AltoClef, "Alto Clef", true, false, "AltoClefClick", true},
    {2, menu::TenorClef, "Tenor Clef", true, false, "TenorClefClick", true},
    {2, "ReadingLine2", kMenuSeparator, false, false, ""},
    // Checked while the questions are kept to a range narrower than the keyboard.
    {2, menu::ChooseRange, "Choose Range...", false, false, "ChooseRangeClick", true},
    {1, menu::Help, "Help", false, false, ""},
    {2, menu::ProgramHelp, "Program Help", false, false, "ProgramHelpClick"},
    {2, menu::About1, "&About", false, false, "About1Click"},
}};
// clang-format on

constexpr std::array<TimerSpec, 2> kTimers{{
    {"Timer1", 1000, "ResponseClick"},
    {"Timer3", 800, "StimNoteOff"},
}};

}  // namespace

std::span<const ControlSpec> Controls() { return kControls; }
std::span<const KeySpec> Keyboard() { return kKeys; }
std::span<const std::string_view> CreationOrder() { return kCreationOrder; }
std::span<const MenuSpec> Menus() { return kMenus; }
std::span<const TimerSpec> Timers() { return kTimers; }

ControlSpec KeyControl(const KeySpec& key) {
  // A white key starts every 32 pixels; a black key starts 8 pixels before
  // the right edge of the white key on its left.
  const int whiteLeft = 32 * key.letterStep;
  const int index = KeyIndex(key.name);
  ControlSpec layout{key.name,
                     ControlKind::Key,
                     key.black ? whiteLeft + 24 : whiteLeft,
                     269,
                     key.black ? 20 : 32,
                     key.black ? 91 : 143,
                     kKeyFont,
                     "",
                     true,
                     true,
                     8 + index,
                     key.handler};
  if (key.black) {
    layout.beginColour = clBlack;
    layout.endColour = clGray;
    layout.gradient = GradientStyle::VertCenter;
    layout.btnHilite = clBtnHighlight;
  } else {
    layout.beginColour = clNone;
    layout.endColour = clSilver;
    layout.gradient = GradientStyle::Vertical;
    layout.btnHilite = clBlack;
  }
  layout.swapColours = false;
  return layout;
}

int KeyIndex(std::string_view name) {
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    if (kKeys[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace lintra::ui
