// Helpers shared by the test programs.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/form1.h"
#include "platform/headless/headless_platform.h"

namespace sb::test {

// A fresh game on a headless platform; the battle table is emptied.
struct Game {
  Game();
  ~Game();
  headless::HeadlessPlatform platform;
  std::unique_ptr<Form1> form;
};

// What ended a run of the game's own loops.
struct RunEnd {
  enum Kind { Returned, Exited, Error } kind = Returned;
  int status = 0;
  std::string line;   // the error's line for Error
  std::string where;  // the operation it names, for Error
  ErrorKind error = ErrorKind::PlatformCall;
};

// Runs Form_Load to its end on the game's platform.
RunEnd RunFormLoad(Game& game);

// Runs any game operation, catching the end of the program or a run-time error.
RunEnd RunCatching(const std::function<void()>& body);

}  // namespace sb::test
