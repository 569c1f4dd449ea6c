#pragma once
// Enumerations of the gradient button's published properties, in ordinal order.

namespace lintra::controls {

enum class TGradientStyle { gsHorizontal, gsVertical, gsElliptic, gsRectangle, gsVertCenter, gsHorizCenter };
enum class TTextStyle { tsNormal, tsRaised, tsInset };
enum class TShadeType { stLight, stHeavy };
enum class TPreset { None, GoldCoast, LimeBox, Aluminum, SunRise, BrassedOff };
enum class TJustification { jLeft, jCenter, jRight };

}  // namespace lintra::controls
