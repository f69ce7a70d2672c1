#include "support/test_support.h"

namespace sb::test {

Game::Game() {
  ResetCrafts();
  form = std::make_unique<Form1>(platform);
}

Game::~Game() {
  ResetCrafts();
}

RunEnd RunCatching(const std::function<void()>& body) {
  try {
    body();
  } catch (const ProgramExit& e) {
    return {RunEnd::Exited, e.status, ""};
  } catch (const GameError& e) {
    return {RunEnd::Error, 1, e.Line(), e.where, e.kind};
  }
  return {};
}

RunEnd RunFormLoad(Game& game) {
  return RunCatching([&] { game.form->Form_Load(); });
}

}  // namespace sb::test
