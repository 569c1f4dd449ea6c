#include "controls/gradbtn_presets.h"

#include <array>

namespace lintra::controls {

namespace {

using G = TGradientStyle;
using S = TShadeType;
using T = TTextStyle;
constexpr TColor C(int r, int g, int b) { return RGBColor(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)); }

// clang-format off
const std::array<TPresetLook, 6> kPresets{{
    {TPreset::None, C(128, 128, 128), C(0, 0, 128), C(0, 255, 255), "MS Sans Serif", 8, C(0, 0, 0), false,
     G::gsVertCenter, S::stLight, T::tsRaised, clBtnHighlight, clBtnShadow, clBtnHighlight, clBtnShadow, {}},
    {TPreset::GoldCoast, C(187, 187, 0), C(255, 255, 0), C(128, 128, 0), "Arial", 10, C(187, 187, 0), true,
     G::gsVertical, S::stHeavy, T::tsRaised, C(255, 255, 191), C(113, 113, 0), C(255, 255, 179), C(97, 97, 97), {}},
    {TPreset::LimeBox, C(128, 128, 0), C(0, 0, 0), C(0, 255, 0), "Courier", 8, C(0, 128, 0), false,
     G::gsRectangle, S::stLight, T::tsRaised, C(172, 255, 172), C(0, 64, 0), clBtnHighlight, clBtnShadow, {}},
    {TPreset::Aluminum, C(128, 128, 128), C(206, 206, 206), C(95, 95, 95), "Times New Roman", 10, C(0, 0, 0), true,
     G::gsVertical, S::stHeavy, T::tsInset, clBtnHighlight, clBtnShadow, C(255, 255, 255), C(0, 0, 0), {}},
    {TPreset::SunRise, C(128, 128, 128), C(255, 255, 0), C(255, 0, 0), "MS Sans Serif", 8, C(64, 0, 0), true,
     G::gsHorizontal, S::stHeavy, T::tsRaised, C(230, 231, 207), C(176, 88, 0), clBtnHighlight, clBtnShadow, {}},
    {TPreset::BrassedOff, C(128, 128, 0), C(255, 255, 206), C(194, 194, 146), "Verdana", 9, C(128, 0, 0), false,
     G::gsElliptic, S::stLight, T::tsNormal, C(255, 255, 239), C(194, 194, 146), C(255, 255, 239),
     C(194, 194, 146), false},
}};
// clang-format on

}  // namespace

const TPresetLook& PresetLook(TPreset preset) { return kPresets.at(std::size_t(preset)); }

}  // namespace lintra::controls
