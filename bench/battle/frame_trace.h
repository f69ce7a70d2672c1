// Frame traces: the platform calls of one drawn frame as JSON Lines, for the
// trace tool and the tests that check its output.
#pragma once

#include <string>

#include "core/form1.h"
#include "platform/headless/call_json.h"
#include "platform/headless/headless_platform.h"

namespace sb::bench {

// Runs `frame` with recording on and returns the calls it made.
template <typename Frame>
std::string TraceOf(headless::HeadlessPlatform& platform, Frame frame) {
  const bool wasRecording = platform.recording;
  platform.recording = true;
  const size_t from = platform.calls.size();
  try {
    frame();
  } catch (...) {
    platform.recording = wasRecording;
    throw;
  }
  platform.recording = wasRecording;
  return headless::CallsJsonLines(platform.CallsSince(from));
}

// One battle frame (Renderme) of a game set up on `platform`.
inline std::string BattleFrameTrace(Form1& game, headless::HeadlessPlatform& platform) {
  return TraceOf(platform, [&] { game.Renderme(); });
}

// The first selection-screen frame as start-up leaves the game, on a fresh
// headless platform: design 1 shown, cursor at (0, 0).
inline std::string DefaultSelectionFrameTrace() {
  headless::HeadlessPlatform platform;
  Form1 game(platform);
  game.StartUp();
  game.Do_Mouse();  // places the box; no mouse records are waiting
  return TraceOf(platform, [&] { game.SelecterRender(); });
}

}  // namespace sb::bench
