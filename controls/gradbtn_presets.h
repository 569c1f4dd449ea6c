#pragma once
// The named look bundles a gradient button can be given while a form is being designed.

#include <optional>

#include "controls/colors.h"
#include "controls/gradbtn_types.h"

namespace lintra::controls {

struct TPresetLook {
  TPreset preset;
  TColor disabledColor;
  TColor beginColor;
  TColor endColor;
  const char* fontFamily;
  int fontPointSize;
  TColor fontColor;
  bool fontBold;
  TGradientStyle gradientStyle;
  TShadeType textShadeType;
  TTextStyle textStyle;
  TColor txtHiliteClr;
  TColor txtShadowClr;
  TColor btnHiliteClr;
  TColor btnShadowClr;
  std::optional<bool> swapColors;  // empty: the bundle leaves SwapColors as it is
};

const TPresetLook& PresetLook(TPreset preset);

}  // namespace lintra::controls
