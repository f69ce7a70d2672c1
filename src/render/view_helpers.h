// Small pieces shared by the battle frame and the craft drawing: world
// matrices built factor by factor, and the square visibility windows.
#pragma once

#include "core/form1.h"
#include "platform/d3dx_math.h"

namespace sb {

// Starts the next draw's world matrix from identity.
inline void ResetWorld(Form1& game) {
  game.WorldMatrix = MatrixIdentity();
}

// Builds one factor in StepMatrix and multiplies it into WorldMatrix on the
// right, so factors apply in the order they are added (scale, rotate, move).
inline void AddWorldFactor(Form1& game, const Matrix& factor) {
  game.StepMatrix = factor;
  game.WorldMatrix = MatrixMultiply(game.WorldMatrix, game.StepMatrix);
}

// (x, y) lies strictly within half-width w of (cx, cy); bounds are 32-bit
// floats.
inline bool WithinStrict(float x, float y, float cx, float cy, float w) {
  return cx - w < x && x < cx + w && cy - w < y && y < cy + w;
}

// The same window with its bounds included.
inline bool WithinInclusive(float x, float y, float cx, float cy, float w) {
  return cx - w <= x && x <= cx + w && cy - w <= y && y <= cy + w;
}

}  // namespace sb
