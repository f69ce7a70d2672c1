// Keyboard and music notifications, handled at the loops' yield.
#include "core/form1.h"

namespace sb {

void Form1::DirectXEvent8_DXCallback(int32_t eventid) {
  ScopedOperation op("DirectXEvent8_DXCallback", "reading the keyboard or playing the tune");
  if (eventid == KeyboardEvent) {
    uint8_t state[256] = {};
    P.keyboard().GetDeviceState(state);
    // The buffered records are read and dropped: the key table follows the
    // device state, so a key is held exactly while its state byte says so,
    // whatever order presses and releases arrived in during the pass.
    InputRecord records[256];
    while (P.keyboard().GetDeviceData(records, 256) == 256) {
    }
    for (int k = 0; k < 256; ++k) KeyDown[k] = (state[k] & 0x80) != 0;
  }
  // Any notification keeps the battle tune looping while the player lives.
  if (BattleMusic && !DeathMusicStarted && !P.music().IsPlaying(BattleMusic)) {
    P.music().PlaySegmentEx(BattleMusic, kSegfDefault, 0);
  }
}

}  // namespace sb
