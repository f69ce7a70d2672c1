// Work done ahead in the background (reading the sound font, resampling
// the effects) runs at a lower priority than the game's own thread, so that
// on a machine with few cores it does not delay the frames it overlaps.
#pragma once

namespace sb::sdl {

// Lowers the calling thread's priority (nice 10); best effort.
void LowerThisThreadsPriority();

}  // namespace sb::sdl
