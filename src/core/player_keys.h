// What the player has beyond the designed controls, on keys the design
// leaves unused: pause (P, Pause, a pad's Start), the controls screen (F1, a
// pad's Back on the selection screen), the sound volume (M, -, =) and a new
// battle (F2, a pad's Back once the player's craft is destroyed). None of
// them makes a platform call or changes anything until its key is pressed,
// except reading the settings file at start-up.
#pragma once

#include <cstdint>

#include "core/sound_settings.h"
#include "core/table.h"
#include "platform/types.h"

namespace sb {

class Form1;

struct PlayerState {
  // The key table when last looked at: a key is pressed when it is held
  // now and was not then.
  Table<bool, 0, 255> LastKeys;
  bool Paused = false;
  bool ControlsShown = false;
  bool NewBattleWanted = false;
  // A demo is being shown: it is one battle, so no new battle.
  bool ShowingDemo = false;
  // The sound output is paused (the battle is paused or the controls shown).
  bool SoundHeld = false;
  // A mouse button went down under the controls screen and has not come up
  // yet: its release is not a click.
  bool MouseReleaseOwed = false;
  SoundSettings Sound;
  // The volume shows on screen from VolumeShownAt (tick count) on.
  bool VolumeShown = false;
  int32_t VolumeShownAt = 0;
  bool SaveWarned = false;
  // A held battle frame is on screen, showing the overlays of HeldOverlay.
  bool HeldFrameShown = false;
  uint32_t HeldOverlay = 0;
  // The large face of "PAUSED", made the first time it is shown.
  FontRef LargeFont;
};

// How long a change of volume stays on screen.
inline constexpr uint32_t kVolumeShownMs = 1500;

// Start-up: reads the settings file; a volume other than the game's own
// level is passed on. A missing file is the defaults; a damaged or
// unreadable one is one warning line and the defaults.
void LoadPlayerSettings(Form1& game);

// After each selection pass's yield: opens and closes the controls screen,
// and the volume keys.
void SelectionPlayerKeys(Form1& game);
// True while the selection loop reads the mouse with ReadMouseUnderControls
// instead of Do_Mouse.
bool MouseCovered(const Form1& game);
// Takes the mouse's records while the controls screen covers the picture:
// they move nothing and click nothing; a button's release closes the screen.
void ReadMouseUnderControls(Form1& game);

// At the top of each battle pass: pause, the controls screen, a new battle
// and the volume keys.
void BattlePlayerKeys(Form1& game);
// Paused or showing the controls: no battle pass runs.
bool BattleHeld(const Form1& game);
// A battle pass while held: shows the last frame with its overlays (drawn
// again only when they change or the platform lost it), then the
// end-of-pass step.
void HeldBattlePass(Form1& game);
// A normal battle pass drew its frame: the held frame is gone.
inline void BattleFrameDrawn(PlayerState& state) {
  state.HeldFrameShown = false;
}
// Leaves the battle for the selection screen, with the last design
// selected; the next Start sets up a battle exactly as the first one.
void LeaveBattle(Form1& game);

// True while the volume is to be shown; false once its time is over.
bool VolumeOnScreen(Form1& game);

}  // namespace sb
