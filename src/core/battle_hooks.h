// What a demo recorder or player attaches to the game's loops. The game runs
// without any (Form1::Hooks is null) unless a demo option is given.
#pragma once

#include <cstdint>
#include <string>

namespace sb {

class Form1;

class BattleHooks {
 public:
  virtual ~BattleHooks() = default;
  // After start-up: a design to start the battle with at once, as a click on
  // Start would, instead of running the selection loop; 0 for none.
  virtual int16_t DesignToStart(Form1& form) = 0;
  // Once, after battle set-up and before the first battle pass.
  virtual void BattleReady(Form1& form) = 0;
  // At the top of every battle pass, before the pass reads its keys.
  virtual void BeforeBattlePass(Form1& form) = 0;
  // The player left the battle for the selection screen (F2), before the
  // battle table is emptied; a later battle calls BattleReady again.
  virtual void BattleLeft(Form1& /*form*/) {}
  // The program is ending, normally or (`byError`) by a run-time error.
  // Returns a line to report when the hook's own work failed, else "".
  virtual std::string ProgramEnding(Form1& form, bool byError) = 0;
};

}  // namespace sb
