// What the player's additions draw over a frame: the controls screen,
// "PAUSED" and the sound volume. Nothing is drawn (and no call made) while
// none of them is showing.
#pragma once

#include <cstdint>
#include <string>

#include "render/frame_calls.h"

namespace sb::overlay {

// A column of the controls screen: keys at `left`, actions beside them.
struct Column {
  int32_t left, keysWidth, actionsWidth;
};
inline constexpr Column kKeyboardColumn{24, 176, 284};
inline constexpr Column kControllerColumn{500, 216, 290};
inline constexpr int32_t kLineHeight = 20;
// Each group: its title, its lines, then half a line of space.
inline constexpr int32_t kColumnsTop = 130;
inline constexpr int32_t kFooterTop = 660;

// The volume as shown: "VOLUME 5 / 8", or "SOUND OFF" when muted.
std::string VolumeText(const SoundSettings& sound);

// Draws the overlays showing now; called last in a frame, before EndScene.
void Draw(Form1& game, FrameCalls& calls);

}  // namespace sb::overlay
