#include "ui/layout_texts.h"

#include <array>

#include "ui/translate.h"

namespace lintra::ui {
namespace {

// clang-format off
constexpr std::array<std::string_view, 90> kMenuCaptions{
    LINTRA_TRANSLATE_NOOP("Menu", "Mode"),
    LINTRA_TRANSLATE_NOOP("Menu", "See Notes/Play Keyboard"),
    LINTRA_TRANSLATE_NOOP("Menu", "Play Keyboard/See Notes"),
    LINTRA_TRANSLATE_NOOP("Menu", "Flats"),
    LINTRA_TRANSLATE_NOOP("Menu", "Sharps"),
    LINTRA_TRANSLATE_NOOP("Menu", "Exit"),
    LINTRA_TRANSLATE_NOOP("Menu", "Keys"),
    LINTRA_TRANSLATE_NOOP("Menu", "Major Scale Notes"),
    LINTRA_TRANSLATE_NOOP("Menu", "C Major"),
    LINTRA_TRANSLATE_NOOP("Menu", "F Major"),
    LINTRA_TRANSLATE_NOOP("Menu", "G Major"),
    LINTRA_TRANSLATE_NOOP("Menu", "Bb Major"),
    LINTRA_TRANSLATE_NOOP("Menu", "D Major"),
    LINTRA_TRANSLATE_NOOP("Menu", "Eb Major"),
    LINTRA_TRANSLATE_NOOP("Menu", "A Major"),
    LINTRA_TRANSLATE_NOOP("Menu", "Ab Major"),
    LINTRA_TRANSLATE_NOOP("Menu", "E Major"),
    LINTRA_TRANSLATE_NOOP("Menu", "Db Major"),
    LINTRA_TRANSLATE_NOOP("Menu", "B Major"),
    LINTRA_TRANSLATE_NOOP("Menu", "Gb Major"),
    LINTRA_TRANSLATE_NOOP("Menu", "F# Major"),
    LINTRA_TRANSLATE_NOOP("Menu", "Minor Scale Notes"),
    LINTRA_TRANSLATE_NOOP("Menu", "A Minor"),
    LINTRA_TRANSLATE_NOOP("Menu", "D Minor"),
    LINTRA_TRANSLATE_NOOP("Menu", "E Minor"),
    LINTRA_TRANSLATE_NOOP("Menu", "G Minor"),
    LINTRA_TRANSLATE_NOOP("Menu", "B Minor"),
    LINTRA_TRANSLATE_NOOP("Menu", "C Minor"),
    LINTRA_TRANSLATE_NOOP("Menu", "F# Minor"),
    LINTRA_TRANSLATE_NOOP("Menu", "F Minor"),
    LINTRA_TRANSLATE_NOOP("Menu", "C# Minor"),
    LINTRA_TRANSLATE_NOOP("Menu", "Bb Minor"),
    LINTRA_TRANSLATE_NOOP("Menu", "Eb Minor"),
    LINTRA_TRANSLATE_NOOP("Menu", "Chromatic Scale Notes"),
    LINTRA_TRANSLATE_NOOP("Menu", "Clefs"),
    LINTRA_TRANSLATE_NOOP("Menu", "Treble Clef Notes"),
    LINTRA_TRANSLATE_NOOP("Menu", "Bass Clef Notes"),
    LINTRA_TRANSLATE_NOOP("Menu", "Grand Staff Notes"),
    LINTRA_TRANSLATE_NOOP("Menu", "Note Names On?"),
    LINTRA_TRANSLATE_NOOP("Menu", "Note Names On"),
    LINTRA_TRANSLATE_NOOP("Menu", "Note Names Off"),
    LINTRA_TRANSLATE_NOOP("Menu", "Syllables?"),
    LINTRA_TRANSLATE_NOOP("Menu", "Syllable Note Names"),
    LINTRA_TRANSLATE_NOOP("Menu", "Letter Note Names"),
    LINTRA_TRANSLATE_NOOP("Menu", "Midi"),
    LINTRA_TRANSLATE_NOOP("Menu", "Inputs/Outputs"),
    LINTRA_TRANSLATE_NOOP("Menu", "Midi in On/Off"),
    LINTRA_TRANSLATE_NOOP("Menu", "Midi In On"),
    LINTRA_TRANSLATE_NOOP("Menu", "Midi In Off"),
    LINTRA_TRANSLATE_NOOP("Menu", "Instrument"),
    LINTRA_TRANSLATE_NOOP("Menu", "Sustain?"),
    LINTRA_TRANSLATE_NOOP("Menu", "Sustain On"),
    LINTRA_TRANSLATE_NOOP("Menu", "Sustain Off"),
    LINTRA_TRANSLATE_NOOP("Menu", "All Notes Off"),
    LINTRA_TRANSLATE_NOOP("Menu", "Advance"),
    LINTRA_TRANSLATE_NOOP("Menu", "AutoAdvance"),
    LINTRA_TRANSLATE_NOOP("Menu", "On"),
    LINTRA_TRANSLATE_NOOP("Menu", "Off"),
    LINTRA_TRANSLATE_NOOP("Menu", "AutoModulate"),
    LINTRA_TRANSLATE_NOOP("Menu", "Progress"),
    LINTRA_TRANSLATE_NOOP("Menu", "Show Progress..."),
    LINTRA_TRANSLATE_NOOP("Menu", "Export Journal..."),
    LINTRA_TRANSLATE_NOOP("Menu", "Reset Progress..."),
    LINTRA_TRANSLATE_NOOP("Menu", "Daily Goal..."),
    LINTRA_TRANSLATE_NOOP("Menu", "Practise Weak Notes"),
    LINTRA_TRANSLATE_NOOP("Menu", "Show Time and Mistake"),
    LINTRA_TRANSLATE_NOOP("Menu", "Resume Where I Left Off"),
    LINTRA_TRANSLATE_NOOP("Menu", "Options"),
    LINTRA_TRANSLATE_NOOP("Menu", "Middle C Is C4"),
    LINTRA_TRANSLATE_NOOP("Menu", "Language..."),
    LINTRA_TRANSLATE_NOOP("Menu", "Microphone"),
    LINTRA_TRANSLATE_NOOP("Menu", "Answer by Microphone"),
    LINTRA_TRANSLATE_NOOP("Menu", "Sound Input..."),
    LINTRA_TRANSLATE_NOOP("Menu", "Listen While Notes Sound (Headphones)"),
    LINTRA_TRANSLATE_NOOP("Menu", "Reading"),
    LINTRA_TRANSLATE_NOOP("Menu", "Read a Line"),
    LINTRA_TRANSLATE_NOOP("Menu", "Line Length"),
    LINTRA_TRANSLATE_NOOP("Menu", "4 Notes"),
    LINTRA_TRANSLATE_NOOP("Menu", "6 Notes"),
    LINTRA_TRANSLATE_NOOP("Menu", "8 Notes"),
    LINTRA_TRANSLATE_NOOP("Menu", "Largest Leap"),
    LINTRA_TRANSLATE_NOOP("Menu", "A Third"),
    LINTRA_TRANSLATE_NOOP("Menu", "A Fifth"),
    LINTRA_TRANSLATE_NOOP("Menu", "An Octave"),
    LINTRA_TRANSLATE_NOOP("Menu", "Alto Clef"),
    LINTRA_TRANSLATE_NOOP("Menu", "Tenor Clef"),
    LINTRA_TRANSLATE_NOOP("Menu", "Choose Range..."),
    LINTRA_TRANSLATE_NOOP("Menu", "Help"),
    LINTRA_TRANSLATE_NOOP("Menu", "Program Help"),
    LINTRA_TRANSLATE_NOOP("Menu", "&About"),
};

constexpr std::array<std::string_view, 6> kWindowTexts{
    LINTRA_TRANSLATE_NOOP("MainWindow", "Qor Lintra Trainer"),
    LINTRA_TRANSLATE_NOOP("MainWindow", "Next Question"),
    LINTRA_TRANSLATE_NOOP("MainWindow", "Next Answer?"),
    LINTRA_TRANSLATE_NOOP("MainWindow", "Correct Answers:"),
    LINTRA_TRANSLATE_NOOP("MainWindow", "Inputs:"),
    LINTRA_TRANSLATE_NOOP("MainWindow", "Outputs:"),
};
// clang-format on

}  // namespace

std::span<const std::string_view> MarkedMenuCaptions() { return kMenuCaptions; }
std::span<const std::string_view> MarkedWindowTexts() { return kWindowTexts; }

std::string MenuCaption(const MenuSpec& item) {
  if (item.caption == kMenuSeparator) return std::string(item.caption);
  return TrMarked(kMenuContext, item.caption);
}

// A data list's lines are the window's store, not text for the student.
std::string ControlCaption(const ControlSpec& control) {
  if (control.kind == ControlKind::DataList || control.caption.empty()) return std::string(control.caption);
  return TrMarked(kWindowContext, control.caption);
}

}  // namespace lintra::ui
