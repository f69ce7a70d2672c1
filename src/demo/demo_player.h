// --playdemo and --timedemo: starts the recorded design's battle with the
// recorded seed, sets the battle keys of each pass from the demo (the
// keyboard only ends the show, with Escape) and compares the check values.
// A departure from the recording ends the program with status 1; the end
// of the demo ends it with status 0.
#pragma once

#include <chrono>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "core/battle_hooks.h"
#include "demo/demo_format.h"

namespace sb::demo {

class DemoPlayer : public BattleHooks {
 public:
  // `timed`: measure every frame and print the figures to `out` at the end.
  DemoPlayer(std::string path, Demo demo, std::ostream& out, std::ostream& err, bool timed);

  int16_t DesignToStart(Form1& form) override;
  void BattleReady(Form1&) override {}
  void BeforeBattlePass(Form1& form) override;
  std::string ProgramEnding(Form1& form, bool byError) override;

  uint32_t passesShown() const { return passesDone_; }
  bool departed() const { return departed_; }
  const std::vector<double>& frameSeconds() const { return frameSeconds_; }

 private:
  // Compares a stored check value with the battle's; on a difference ends
  // the program with status 1.
  void Check(Form1& form, uint64_t expected, uint32_t atPass);
  void TimeFrame();
  [[noreturn]] void End(Form1& form, int status);

  std::string path_;
  Demo demo_;
  std::ostream& out_;
  std::ostream& err_;
  bool timed_;
  bool departed_ = false;
  uint32_t passesDone_ = 0;
  // Where the keys of the next pass are: a run and how much of it is shown.
  size_t run_ = 0;
  uint32_t passesOfRun_ = 0;
  // The last pass whose check value agreed.
  std::optional<uint32_t> matchedAfter_;
  std::vector<double> frameSeconds_;
  std::chrono::steady_clock::time_point lastFrame_;
};

}  // namespace sb::demo
