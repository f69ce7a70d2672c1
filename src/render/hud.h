// The screen-space overlay of the battle frame, and the frame-rate counter
// and status line that the selection screen shares with it.
#pragma once

#include <string>

#include "core/form1.h"
#include "render/frame_calls.h"

namespace sb::hud {

// Counts one drawn frame; once a second has passed since the last reset the
// count becomes the shown figure and starts again.
void CountFrame(Form1& game);

// "FPS: n  Human: n  Sect: n  Drone: n  Dragaar: n  Litu: n".
std::string StatusLine(const Form1& game);

// The pointer's angle towards the player's target; stays 0 when the target
// is level with the player.
void ComputeTargetBearing(Form1& game);

// Living craft of entries 0 to 50 per race.
void CountRaces(Form1& game);

// Radar and targeter frames, the player's four numbers and the pointer.
void DrawCockpitPanel(Form1& game, FrameCalls& calls);

// The status line, always; the win banners only while the battle runs.
void DrawStatusAndBanners(Form1& game, FrameCalls& calls);

// What the target is, how far, and its armour and shield bars.
void DrawTargetPanel(Form1& game, FrameCalls& calls);

}  // namespace sb::hud
