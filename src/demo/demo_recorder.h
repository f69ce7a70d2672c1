// --record: notes the battle's seed and design, the battle keys held in each
// pass and a check value every 60 passes, and writes the demo when the
// program ends, whether by Escape, a window close or a run-time error. Only
// the first battle is recorded: leaving it for a new one (F2) ends the demo.
#pragma once

#include <string>

#include "core/battle_hooks.h"
#include "demo/demo_format.h"

namespace sb::demo {

// The battle keys held now, as a key mask.
KeyMask BattleKeysHeld(const Form1& form);

class DemoRecorder : public BattleHooks {
 public:
  explicit DemoRecorder(std::string path);

  int16_t DesignToStart(Form1&) override { return 0; }
  void BattleReady(Form1& form) override;
  void BeforeBattlePass(Form1& form) override;
  void BattleLeft(Form1& form) override;
  // Writes the demo; nothing when the battle never began.
  std::string ProgramEnding(Form1& form, bool byError) override;

  const Demo& demo() const { return demo_; }

 private:
  std::string path_;
  Demo demo_;
  bool battleStarted_ = false;
  bool battleLeft_ = false;
};

}  // namespace sb::demo
