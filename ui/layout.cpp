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
constexpr std::array<ControlSpec, 15> kControls{{
    {"QuestShw", ControlKind::TextField, 96, 16, 592, 26, kArial16, "", true, true, 3, ""},
    {"AnsShow", ControlKind::TextField, 96, 48, 592, 26, kArial16, "", true, true, 4, ""},
    {"StartButton", ControlKind::Button, 96, 120, 125, 30, kButtonFont, "Next Question", true, true, 51,
     "StartButtonClick", clGreen, clLime, GradientStyle::HorizCenter, true, clBtnHighlight},
    {"AnsDisplay", ControlKind::Button, 96, 187, 125, 30, kButtonFont, "Next Answer?", true, true, 52,
     "AnsDisplayClick", clGray, clYellow, GradientStyle::HorizCenter, true, clBtnHighlight},
    {"PaintBox1", ControlKind::PaintBox, 232, 120, 249, 138, {"Partita", 32, false, clBlack}, "", true, true, -1, ""},
    {"Score", ControlKind::RichText, 496, 120, 105, 30, kArial19Bold, "", true, true, 1, ""},
    {"Label2", ControlKind::Label, 496, 160, 105, 21, kWindowFont, "Correct Answers:", true, true, -1, ""},
    {"Items", ControlKind::RichText, 496, 184, 105, 30, kArial19Bold, "", true, true, 2, ""},
    {"Label1", ControlKind::Label, 56, 88, 39, 16, kWindowFont, "Inputs:", false, true, -1, ""},
    {"Label3", ControlKind::Label, 432, 88, 50, 16, kWindowFont, "Outputs:", false, true, -1, ""},
    {"cmbInput", ControlKind::ComboEdit, 96, 80, 190, 26, kArial16, "", false, false, 6, "cmbInputChange"},
    {"cmbOutput", ControlKind::ComboPick, 496, 80, 190, 26, kArial16, "", false, false, 5, "cmbOutputChange"},
    {"KeyList", ControlKind::DataList, 48, 160, 41, 25, {"Arial", 16, true, clBlack}, kCMajorPool, false, true, 0, ""},
    {"Memo1", ControlKind::DataList, 256, 120, 233, 89, kWindowFont, "\n\n\n\n\n", false, false, 7, ""},
    {"StatusLine", ControlKind::StatusLine, 0, 420, 803, 22, kWindowFont, "", false, true, -1, ""},
}};

constexpr std::array<KeySpec, 43> kKeys{{
    {"F1", "F1Click", 0, false},          {"F1sharp", "F1sharpClick", 0, true},
    {"G1", "G1Click", 1, false},          {"G1Sharp", "G1sharpClick", 1, true},
    {"A1", "A1Click", 2, false},          {"A1sharp", "A1sharpClick", 2, true},
    {"B1", "B1Click", 3, false},          {"C2", "C2Click", 4, false},
    {"C2sharp", "C2sharpClick", 4, true}, {"d2", "d2Click", 5, false},
    {"D2sharp", "D2sharpClick", 5, true}, {"e2", "e2Click", 6, false},
    {"f2", "F2Click", 7, false},          {"F2sharp", "F2sharpClick", 7, true},
    {"g2", "G2Click", 8, false},          {"G2sharp", "G2sharpClick", 8, true},
    {"a2", "a2Click", 9, false},          {"A2sharp", "A2sharpClick", 9, true},
    {"b2", "B2Click", 10, false},         {"c3", "c3Click", 11, false},
    {"C3sharp", "C3sharpClick", 11, true}, {"d3", "d3Click", 12, false},
    {"D3sharp", "D3sharpClick", 12, true}, {"E3", "E3Click", 13, false},
    {"F3", "F3Click", 14, false},         {"F3sharp", "F3sharpClick", 14, true},
    {"g3", "g3Click", 15, false},         {"G3sharp", "G3sharpClick", 15, true},
    {"A3", "A3Click", 16, false},         {"A3sharp", "A3sharpClick", 16, true},
    {"B3", "B3Click", 17, false},         {"C4", "C4Click", 18, false},
    {"C4sharp", "C4sharpClick", 18, true}, {"D4", "D4Click", 19, false},
    {"D4sharp", "D4sharpClick", 19, true}, {"E4", "E4Click", 20, false},
    {"F4", "F4Click", 21, false},         {"F4sharp", "F4sharpClick", 21, true},
    {"G4", "G4Click", 22, false},         {"G4sharp", "G4sharpClick", 22, true},
    {"A4", "A4Click", 23, false},         {"A4sharp", "A4sharpClick", 23, true},
    {"B4", "B4Click", 24, false},
}};

constexpr std::array<std::string_view, 58> kCreationOrder{
    "PaintBox1", "Label2",  "Label1",  "Label3",  "B4",      "A4",      "G4",      "F4",      "E4",
    "D4",        "A3",      "g3",      "C4",      "B3",      "A3sharp", "G3sharp", "F3",      "d3",
    "F3sharp",   "E3",      "D3sharp", "b2",      "a2",      "g2",      "A2sharp", "G2sharp", "d2",
    "e2",        "D2sharp", "B1",      "G1",      "A1",      "G1Sharp", "F1",      "F1sharp", "KeyList",
    "Score",     "Items",   "QuestShw", "AnsShow", "cmbOutput", "cmbInput", "Memo1", "A1sharp", "C2",
    "C2sharp",   "f2",      "F2sharp", "c3",      "C3sharp", "C4sharp", "D4sharp", "F4sharp", "G4sharp",
    "A4sharp",   "StartButton", "AnsDisplay", "StatusLine"};

constexpr std::array<MenuSpec, 74> kMenus{{
    {1, "File1", "Mode", false, false, ""},
    {2, "NotationQuestions", "See Notes/Play Keyboard", true, true, "NotationQuestionsClick"},
    {2, "PlayKeyboard", "Play Keyboard/See Notes", true, false, "PlayKeyboardClick"},
    {3, "Flats1", "Flats", true, true, "Flats1Click"},
    {3, "Sharps1", "Sharps", true, false, "Sharps1Click"},
    {2, "Exit1", "Exit", false, false, "Exit1Click"},
    {1, "Keys", "Keys", false, false, ""},
    {2, "MajorKeys1", "Major Scale Notes", true, true, ""},
    {3, "CMajor1", "C Major", true, true, "CMajorClick"},
    {3, "FMajor1", "F Major", true, false, "FMajorClick"},
    {3, "GMajor1", "G Major", true, false, "GMajorClick"},
    {3, "BbMajor1", "Bb Major", true, false, "BbMajorClick"},
    {3, "DMajor1", "D Major", true, false, "DMajorClick"},
    {3, "EbMajor1", "Eb Major", true, false, "EbMajorClick"},
    {3, "AMajor1", "A Major", true, false, "AMajorClick"},
    {3, "abMajor1", "Ab Major", true, false, "AbMajorClick"},
    {3, "EMajor1", "E Major", true, false, "EMajorClick"},
    {3, "DbMajor1", "Db Major", true, false, "DbMajorClick"},
    {3, "BMajor1", "B Major", true, false, "BMajorClick"},
    {3, "GbMajor1", "Gb Major", true, false, "GbMajorClick"},
    {3, "FsharpMajor1", "F# Major", true, false, "FsharpMajorClick"},
    {2, "MinorKeys1", "Minor Scale Notes", true, false, ""},
    {3, "AMinor1", "A Minor", true, false, "AMinorClick"},
    {3, "DMinor1", "D Minor", true, false, "DMinorClick"},
    {3, "EMinor1", "E Minor", true, false, "EMinorClick"},
    {3, "GMinor1", "G Minor", true, false, "GMinorClick"},
    {3, "BMinor1", "B Minor", true, false, "BMinorClick"},
    {3, "CMinor1", "C Minor", true, false, "CMinorClick"},
    {3, "FsharpMinor1", "F# Minor", true, false, "FsharpMinorClick"},
    {3, "FMinor1", "F Minor", true, false, "FMinorClick"},
    {3, "CsharpMinor1", "C# Minor", true, false, "CsharpMinorClick"},
    {3, "BbMinor1", "Bb Minor", true, false, "BbMinorClick"},
    {3, "EbMinor1", "Eb Minor", true, false, "EbMinorClick"},
    {2, "ChromaticScale", "Chromatic Scale Notes", true, false, "ChromaticScaleClick"},
    {1, "Claves1", "Clefs", true, false, ""},
    {2, "ClavedoSol1", "Treble Clef Notes", true, true, "ClavedoSol1Click"},
    {2, "ClavedoF1", "Bass Clef Notes", true, false, "ClavedoF1Click"},
    {2, "Ambos1", "Grand Staff Notes", true, false, "Ambos1Click"},
    {1, "NoteNamesOn", "Note Names On?", false, false, ""},
    {2, "NoteNames", "Note Names On", true, false, "NoteNamesClick"},
    {2, "NoteNamesOff", "Note Names Off", true, true, "NoteNamesOffClick"},
    {1, "Syllables1", "Syllables?", false, false, ""},
    {2, "Syllables", "Syllable Note Names", true, false, "SyllablesClick"},
    {2, "Letters", "Letter Note Names", true, true, "LettersClick"},
    {1, "Midi1", "Midi", false, false, ""},
    {2, "Outputs1", "Inputs/Outputs", false, false, "Outputs1Click"},
    {2, "MidiinOnOff", "Midi in On/Off", false, false, ""},
    {3, "MidiInOn", "Midi In On", true, true, "MidiInOnClick"},
    {3, "MidiInOff", "Midi In Off", true, false, "MidiInOffClick"},
    {2, "Instrument1", "Instrument", false, false, "MIDIInst1Click"},
    {2, "Sustain1", "Sustain?", false, false, ""},
    {3, "SustainOn1", "Sustain On", true, true, "SustainOnClick"},
    {3, "SustainOff1", "Sustain Off", true, false, "SustainOffClick"},
    {2, "AllNotesOff1", "All Notes Off", false, false, "Desligados1Click"},
    {1, "Advance1", "Advance", false, false, ""},
    {2, "AutoAdvance2", "AutoAdvance", true, true, ""},
    {3, "On1", "On", true, true, "On1Click"},
    {3, "Off1", "Off", true, false, "Off1Click"},
    {2, "AutoModulate2", "AutoModulate", true, false, ""},
    {3, "AutoModOn", "On", true, false, "AutoModOnClick"},
    {3, "AutoModOff", "Off", true, true, "AutoModOffClick"},
    {1, "Progress1", "Progress", false, false, ""},
    {2, "ShowProgress", "Show Progress...", false, false, "ShowProgressClick"},
    {2, "ExportJournal", "Export Journal...", false, false, "ExportJournalClick"},
    {2, "ResetProgress", "Reset Progress...", false, false, "ResetProgressClick"},
    {2, "ProgressLine1", kMenuSeparator, false, false, ""},
    {2, "PractiseWeakNotes", "Practise Weak Notes", false, false, "PractiseWeakNotesClick", true},
    {2, "ShowTimeAndMistake", "Show Time and Mistake", false, false, "ShowTimeAndMistakeClick", true},
    {2, "ResumeWhereILeftOff", "Resume Where I Left Off", false, false, "ResumeWhereILeftOffClick", true},
    {1, "Options1", "Options", false, false, ""},
    {2, "MiddleCIsC4", "Middle C Is C4", false, false, "MiddleCIsC4Click", true},
    {1, "Help", "Help", false, false, ""},
    {2, "ProgramHelp", "Program Help", false, false, "ProgramHelpClick"},
    {2, "About1", "&About", false, false, "About1Click"},
}};

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
  ControlSpec layout{key.name, ControlKind::Key, key.black ? whiteLeft + 24 : whiteLeft, 269,
                   key.black ? 20 : 32, key.black ? 91 : 143, kKeyFont, "", true, true, 8 + index, key.handler};
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
