#include "tools/bench/gradbtn/keyboard_layout.h"

#include <QFont>
#include <QWidget>
#include <cmath>

namespace lintra::bench {

namespace {

using controls::TGradBtn;
using controls::TGradientStyle;

constexpr int kWhiteCount = 25;
constexpr int kWhiteWidth = 32, kWhiteHeight = 143;
constexpr int kBlackWidth = 20, kBlackHeight = 91;
constexpr int kBlackOverlap = 8;  // a black key starts this far before its left neighbour's right edge
constexpr int kTop = 269;
constexpr char kLetters[] = "FGABCDE";  // the white keys from F1 upward

int Scaled(int v, double scale) { return int(std::lround(v * scale)); }

bool HasBlackAbove(char letter) { return letter != 'B' && letter != 'E'; }

QFont KeyFont(double scale) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPointSizeF(8 * scale);
  return font;
}

}  // namespace

Keyboard BuildKeyboard(QWidget* parent, double scale, bool captions) {
  Keyboard keyboard;
  for (int i = 0; i < kWhiteCount; ++i) {
    auto* key = new TGradBtn(parent);
    const int left = i * kWhiteWidth;
    key->setGeometry(Scaled(left, scale), Scaled(kTop, scale), Scaled(left + kWhiteWidth, scale) - Scaled(left, scale),
                     Scaled(kWhiteHeight, scale));
    key->SetGradientStyle(TGradientStyle::gsVertical);
    key->SetBeginColor(controls::clNone);
    key->SetEndColor(controls::clSilver);
    key->SetSwapColors(false);
    key->SetBtnHiliteClr(controls::clBlack);
    key->setFont(KeyFont(scale));
    if (captions) key->SetCaption(QString(QChar::fromLatin1(kLetters[i % 7])));
    keyboard.whiteKeys.push_back(key);
  }
  for (int i = 0; i + 1 < kWhiteCount; ++i) {
    if (!HasBlackAbove(kLetters[i % 7])) continue;
    auto* key = new TGradBtn(parent);
    const int left = (i + 1) * kWhiteWidth - kBlackOverlap;
    key->setGeometry(Scaled(left, scale), Scaled(kTop, scale), Scaled(left + kBlackWidth, scale) - Scaled(left, scale),
                     Scaled(kBlackHeight, scale));
    key->SetBeginColor(controls::clBlack);
    key->SetEndColor(controls::clGray);
    key->SetSwapColors(false);
    key->setFont(KeyFont(scale));
    keyboard.blackKeys.push_back(key);
  }
  return keyboard;
}

void AddCommandButtons(QWidget* parent, double scale, Keyboard& keyboard) {
  auto make = [&](int top, const char* caption, controls::TColor begin, controls::TColor end) {
    auto* b = new TGradBtn(parent);
    b->setGeometry(Scaled(96, scale), Scaled(top, scale), Scaled(125, scale), Scaled(30, scale));
    b->SetCaption(QString::fromLatin1(caption));
    b->SetBeginColor(begin);
    b->SetEndColor(end);
    b->SetGradientStyle(TGradientStyle::gsHorizCenter);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(Scaled(13, scale));
    b->setFont(font);
    b->SetFontColor(controls::clWhite);
    return b;
  };
  keyboard.startButton = make(120, "Next Question", controls::clGreen, controls::clLime);
  keyboard.ansDisplay = make(187, "Next Answer?", controls::clGray, controls::clYellow);
}

}  // namespace lintra::bench
