// The names of the window's controls and menu items, declared once: the layout's tables and every
// lookup in the window's logic use these constants, so that a misspelt name does not compile.
#pragma once

#include <string_view>

namespace lintra::ui {

// Made only from the constants below; reads as the name's text where text is wanted.
struct ControlName {
  constexpr explicit ControlName(std::string_view name) : text(name) {}
  constexpr operator std::string_view() const { return text; }
  std::string_view text;
};

struct MenuName {
  constexpr explicit MenuName(std::string_view name) : text(name) {}
  constexpr operator std::string_view() const { return text; }
  std::string_view text;
};

// The controls, then the 43 keys from F1 to B4.
namespace control {
inline constexpr ControlName QuestShw{"QuestShw"};
inline constexpr ControlName AnsShow{"AnsShow"};
inline constexpr ControlName StartButton{"StartButton"};
inline constexpr ControlName AnsDisplay{"AnsDisplay"};
inline constexpr ControlName PaintBox1{"PaintBox1"};
inline constexpr ControlName Score{"Score"};
inline constexpr ControlName Label2{"Label2"};
inline constexpr ControlName Items{"Items"};
inline constexpr ControlName Label1{"Label1"};
inline constexpr ControlName Label3{"Label3"};
inline constexpr ControlName cmbInput{"cmbInput"};
inline constexpr ControlName cmbOutput{"cmbOutput"};
inline constexpr ControlName KeyList{"KeyList"};
inline constexpr ControlName Memo1{"Memo1"};
inline constexpr ControlName StatusLine{"StatusLine"};
inline constexpr ControlName F1{"F1"};
inline constexpr ControlName F1sharp{"F1sharp"};
inline constexpr ControlName G1{"G1"};
inline constexpr ControlName G1Sharp{"G1Sharp"};
inline constexpr ControlName A1{"A1"};
inline constexpr ControlName A1sharp{"A1sharp"};
inline constexpr ControlName B1{"B1"};
inline constexpr ControlName C2{"C2"};
inline constexpr ControlName C2sharp{"C2sharp"};
inline constexpr ControlName d2{"d2"};
inline constexpr ControlName D2sharp{"D2sharp"};
inline constexpr ControlName e2{"e2"};
inline constexpr ControlName f2{"f2"};
inline constexpr ControlName F2sharp{"F2sharp"};
inline constexpr ControlName g2{"g2"};
inline constexpr ControlName G2sharp{"G2sharp"};
inline constexpr ControlName a2{"a2"};
inline constexpr ControlName A2sharp{"A2sharp"};
inline constexpr ControlName b2{"b2"};
inline constexpr ControlName c3{"c3"};
inline constexpr ControlName C3sharp{"C3sharp"};
inline constexpr ControlName d3{"d3"};
inline constexpr ControlName D3sharp{"D3sharp"};
inline constexpr ControlName E3{"E3"};
inline constexpr ControlName F3{"F3"};
inline constexpr ControlName F3sharp{"F3sharp"};
inline constexpr ControlName g3{"g3"};
inline constexpr ControlName G3sharp{"G3sharp"};
inline constexpr ControlName A3{"A3"};
inline constexpr ControlName A3sharp{"A3sharp"};
inline constexpr ControlName B3{"B3"};
inline constexpr ControlName C4{"C4"};
inline constexpr ControlName C4sharp{"C4sharp"};
inline constexpr ControlName D4{"D4"};
inline constexpr ControlName D4sharp{"D4sharp"};
inline constexpr ControlName E4{"E4"};
inline constexpr ControlName F4{"F4"};
inline constexpr ControlName F4sharp{"F4sharp"};
inline constexpr ControlName G4{"G4"};
inline constexpr ControlName G4sharp{"G4sharp"};
inline constexpr ControlName A4{"A4"};
inline constexpr ControlName A4sharp{"A4sharp"};
inline constexpr ControlName B4{"B4"};
}  // namespace control

// The menus and their items, depth first.
namespace menu {
inline constexpr MenuName File1{"File1"};
inline constexpr MenuName NotationQuestions{"NotationQuestions"};
inline constexpr MenuName PlayKeyboard{"PlayKeyboard"};
inline constexpr MenuName Flats1{"Flats1"};
inline constexpr MenuName Sharps1{"Sharps1"};
inline constexpr MenuName Exit1{"Exit1"};
inline constexpr MenuName Keys{"Keys"};
inline constexpr MenuName MajorKeys1{"MajorKeys1"};
inline constexpr MenuName CMajor1{"CMajor1"};
inline constexpr MenuName FMajor1{"FMajor1"};
inline constexpr MenuName GMajor1{"GMajor1"};
inline constexpr MenuName BbMajor1{"BbMajor1"};
inline constexpr MenuName DMajor1{"DMajor1"};
inline constexpr MenuName EbMajor1{"EbMajor1"};
inline constexpr MenuName AMajor1{"AMajor1"};
inline constexpr MenuName abMajor1{"abMajor1"};
inline constexpr MenuName EMajor1{"EMajor1"};
inline constexpr MenuName DbMajor1{"DbMajor1"};
inline constexpr MenuName BMajor1{"BMajor1"};
inline constexpr MenuName GbMajor1{"GbMajor1"};
inline constexpr MenuName FsharpMajor1{"FsharpMajor1"};
inline constexpr MenuName MinorKeys1{"MinorKeys1"};
inline constexpr MenuName AMinor1{"AMinor1"};
inline constexpr MenuName DMinor1{"DMinor1"};
inline constexpr MenuName EMinor1{"EMinor1"};
inline constexpr MenuName GMinor1{"GMinor1"};
inline constexpr MenuName BMinor1{"BMinor1"};
inline constexpr MenuName CMinor1{"CMinor1"};
inline constexpr MenuName FsharpMinor1{"FsharpMinor1"};
inline constexpr MenuName FMinor1{"FMinor1"};
inline constexpr MenuName CsharpMinor1{"CsharpMinor1"};
inline constexpr MenuName BbMinor1{"BbMinor1"};
inline constexpr MenuName EbMinor1{"EbMinor1"};
inline constexpr MenuName ChromaticScale{"ChromaticScale"};
inline constexpr MenuName Claves1{"Claves1"};
inline constexpr MenuName ClavedoSol1{"ClavedoSol1"};
inline constexpr MenuName ClavedoF1{"ClavedoF1"};
inline constexpr MenuName Ambos1{"Ambos1"};
inline constexpr MenuName NoteNamesOn{"NoteNamesOn"};
inline constexpr MenuName NoteNames{"NoteNames"};
inline constexpr MenuName NoteNamesOff{"NoteNamesOff"};
inline constexpr MenuName Syllables1{"Syllables1"};
inline constexpr MenuName Syllables{"Syllables"};
inline constexpr MenuName Letters{"Letters"};
inline constexpr MenuName Midi1{"Midi1"};
inline constexpr MenuName Outputs1{"Outputs1"};
inline constexpr MenuName MidiinOnOff{"MidiinOnOff"};
inline constexpr MenuName MidiInOn{"MidiInOn"};
inline constexpr MenuName MidiInOff{"MidiInOff"};
inline constexpr MenuName Instrument1{"Instrument1"};
inline constexpr MenuName Sustain1{"Sustain1"};
inline constexpr MenuName SustainOn1{"SustainOn1"};
inline constexpr MenuName SustainOff1{"SustainOff1"};
inline constexpr MenuName AllNotesOff1{"AllNotesOff1"};
inline constexpr MenuName Advance1{"Advance1"};
inline constexpr MenuName AutoAdvance2{"AutoAdvance2"};
inline constexpr MenuName On1{"On1"};
inline constexpr MenuName Off1{"Off1"};
inline constexpr MenuName AutoModulate2{"AutoModulate2"};
inline constexpr MenuName AutoModOn{"AutoModOn"};
inline constexpr MenuName AutoModOff{"AutoModOff"};
inline constexpr MenuName Progress1{"Progress1"};
inline constexpr MenuName ShowProgress{"ShowProgress"};
inline constexpr MenuName ExportJournal{"ExportJournal"};
inline constexpr MenuName ResetProgress{"ResetProgress"};
inline constexpr MenuName DailyGoal{"DailyGoal"};
inline constexpr MenuName PractiseWeakNotes{"PractiseWeakNotes"};
inline constexpr MenuName ShowTimeAndMistake{"ShowTimeAndMistake"};
inline constexpr MenuName ResumeWhereILeftOff{"ResumeWhereILeftOff"};
inline constexpr MenuName Options1{"Options1"};
inline constexpr MenuName MiddleCIsC4{"MiddleCIsC4"};
inline constexpr MenuName Language{"Language"};
inline constexpr MenuName Microphone1{"Microphone1"};
inline constexpr MenuName AnswerByMicrophone{"AnswerByMicrophone"};
inline constexpr MenuName SoundInput{"SoundInput"};
inline constexpr MenuName ListenWhileNotesSound{"ListenWhileNotesSound"};
inline constexpr MenuName Reading1{"Reading1"};
inline constexpr MenuName ReadLine{"ReadLine"};
inline constexpr MenuName LineLength1{"LineLength1"};
inline constexpr MenuName LineOf4{"LineOf4"};
inline constexpr MenuName LineOf6{"LineOf6"};
inline constexpr MenuName LineOf8{"LineOf8"};
inline constexpr MenuName LargestLeap1{"LargestLeap1"};
inline constexpr MenuName LeapThird{"LeapThird"};
inline constexpr MenuName LeapFifth{"LeapFifth"};
inline constexpr MenuName LeapOctave{"LeapOctave"};
inline constexpr MenuName AltoClef{"AltoClef"};
inline constexpr MenuName TenorClef{"TenorClef"};
inline constexpr MenuName ChooseRange{"ChooseRange"};
inline constexpr MenuName Help{"Help"};
inline constexpr MenuName ProgramHelp{"ProgramHelp"};
inline constexpr MenuName About1{"About1"};
}  // namespace menu

}  // namespace lintra::ui
