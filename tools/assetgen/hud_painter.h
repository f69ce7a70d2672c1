// Cockpit and menu pictures: the HUD panel with the radar background, the
// radar frame, the target view's backdrop and sight, the bar, the target
// pointer, the mouse cursor, the selection box and the three buttons.
#pragma once

#include "image.h"

namespace assetgen {

// Screen rows of the four read-outs that the game prints beside the labels.
inline constexpr int kHudX = 872;
inline constexpr int kHudReadoutRows[4] = {150, 200, 250, 300};
inline constexpr const char* kHudLabels[4] = {"Speed", "Armour", "Shield", "Energy"};
// The numbers start at screen x 922 (932 for the speed).
inline constexpr int kHudNumbersX = 922;

Image PaintHud();          // 152 x 360, drawn at (872, 0)
Image PaintFrame();        // 128 x 128 bezel over the radar
Image PaintTarBack();      // 256 x 256 target view backdrop
Image PaintTargeter();     // 256 x 256 sight, mostly transparent
Image PaintBar();          // 256 x 12, light so a tint shows
Image PaintPointer();      // 64 x 64, turns about (32, 32), tip at the bottom
Image PaintCursor();       // 32 x 32 arrow, hot spot at the top-left pixel
Image PaintBox();          // 32 x 32 frame, hollow
Image PaintStartButton();  // 128 x 64
Image PaintLeftButton();   // 128 x 64
Image PaintRightButton();  // 128 x 64

}  // namespace assetgen
