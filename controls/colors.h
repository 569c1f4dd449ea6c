#pragma once
// Colour values as the layout tables and the self-drawn controls store them: one 32-bit word, low byte
// red, then green, then blue. A top byte of 0x80 marks a system colour whose index sits in the low byte;
// 0x1FFFFFFF means "no colour". Kept free of Qt so that the toolkit-free window model can use it.

#include <cstdint>

namespace lintra::controls {

using TColor = std::uint32_t;

constexpr TColor RGBColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return TColor(red) | (TColor(green) << 8) | (TColor(blue) << 16);
}

constexpr std::uint8_t RedOf(TColor c) { return std::uint8_t(c & 0xFF); }
constexpr std::uint8_t GreenOf(TColor c) { return std::uint8_t((c >> 8) & 0xFF); }
constexpr std::uint8_t BlueOf(TColor c) { return std::uint8_t((c >> 16) & 0xFF); }

constexpr TColor kSystemColorFlag = 0x80000000u;
constexpr bool IsSystemColor(TColor c) { return (c & 0xFF000000u) == kSystemColorFlag; }
constexpr std::uint8_t SystemColorIndex(TColor c) { return std::uint8_t(c & 0xFF); }

// System colour indices (the low byte of a system colour).
namespace syscolor {
constexpr std::uint8_t kWindow = 5;
constexpr std::uint8_t kWindowText = 8;
constexpr std::uint8_t kHighlight = 13;
constexpr std::uint8_t kHighlightText = 14;
constexpr std::uint8_t kBtnFace = 15;
constexpr std::uint8_t kBtnShadow = 16;
constexpr std::uint8_t kGrayText = 17;
constexpr std::uint8_t kBtnText = 18;
constexpr std::uint8_t kBtnHighlight = 20;
}  // namespace syscolor

constexpr TColor clBlack = RGBColor(0, 0, 0);
constexpr TColor clWhite = RGBColor(255, 255, 255);
constexpr TColor clSilver = RGBColor(192, 192, 192);
constexpr TColor clGray = RGBColor(128, 128, 128);
constexpr TColor clGreen = RGBColor(0, 128, 0);
constexpr TColor clLime = RGBColor(0, 255, 0);
constexpr TColor clYellow = RGBColor(255, 255, 0);
constexpr TColor clNavy = RGBColor(0, 0, 128);
constexpr TColor clAqua = RGBColor(0, 255, 255);
constexpr TColor clNone = 0x1FFFFFFFu;
constexpr TColor clBtnFace = kSystemColorFlag | syscolor::kBtnFace;
constexpr TColor clBtnShadow = kSystemColorFlag | syscolor::kBtnShadow;
constexpr TColor clGrayText = kSystemColorFlag | syscolor::kGrayText;
constexpr TColor clBtnHighlight = kSystemColorFlag | syscolor::kBtnHighlight;

}  // namespace lintra::controls
