#include "demo/demo_player.h"

#include <iterator>
#include <ostream>

#include "core/battle_hash.h"
#include "core/form1.h"
#include "core/key_codes.h"
#include "demo/demo_file.h"
#include "demo/frame_stats.h"

namespace sb::demo {

DemoPlayer::DemoPlayer(std::string path, Demo demo, std::ostream& out, std::ostream& err,
                       bool timed)
    : path_(std::move(path)), demo_(std::move(demo)), out_(out), err_(err), timed_(timed) {}

int16_t DemoPlayer::DesignToStart(Form1& form) {
  if (demo_.design < 1 || demo_.design >= form.DesignCount) {
    err_ << DemoProblem(path_, "design index " + std::to_string(demo_.design) + " out of range")
         << std::endl;
    form.P.window().ReleaseDevice();
    form.P.window().EndProgram(2);
  }
  form.FixedSeed = demo_.seed;
  return demo_.design;
}

void DemoPlayer::TimeFrame() {
  const auto now = std::chrono::steady_clock::now();
  if (passesDone_ > 0) {
    frameSeconds_.push_back(std::chrono::duration<double>(now - lastFrame_).count());
  }
  lastFrame_ = now;
}

void DemoPlayer::BeforeBattlePass(Form1& form) {
  if (timed_) TimeFrame();
  const uint32_t done = passesDone_;
  const size_t periodic = done / kCheckInterval;
  if (done > 0 && done % kCheckInterval == 0 && periodic <= demo_.checks.size()) {
    // An error demo holds no check at its last pass; its end comes below.
    if (!(demo_.endedByError && done == demo_.passes())) {
      Check(form, demo_.checks[periodic - 1], done);
    }
  }
  if (done == demo_.passes()) {
    if (demo_.endedByError) {
      departed_ = true;
      const std::string when =
          done == 0 ? "before the first pass" : "in pass " + std::to_string(done);
      err_ << DemoProblem(path_, "the run-time error recorded " + when + " did not happen")
           << std::endl;
      End(form, 1);
    }
    Check(form, demo_.checks.back(), done);
    End(form, 0);
  }
  // The keys of pass done + 1, from the run that holds it.
  const std::vector<KeyRun>& runs = demo_.keyRuns();
  while (passesOfRun_ == runs.at(run_).length) ++run_, passesOfRun_ = 0;
  const KeyMask mask = runs.at(run_).mask;
  ++passesOfRun_;
  for (size_t i = 0; i < std::size(keys::kBattleKeys); ++i) {
    form.KeyDown[keys::kBattleKeys[i]] = (mask & (1u << i)) != 0;
  }
  passesDone_ = done + 1;
}

void DemoPlayer::Check(Form1& form, uint64_t expected, uint32_t atPass) {
  if (BattleCheckValue(form) == expected) {
    matchedAfter_ = atPass;
    return;
  }
  departed_ = true;
  std::string what = "the battle departed from the recording ";
  if (atPass == 0) {
    what += "before its first pass";
  } else {
    what += "at pass " + std::to_string(atPass) + " (";
    if (!matchedAfter_) {
      what += "the first check";
    } else if (*matchedAfter_ == atPass) {
      // The final check of a demo ending on a multiple of 60 passes.
      what += "the demo's two check values for this pass disagree";
    } else {
      what += "it still matched after pass " + std::to_string(*matchedAfter_);
    }
    what += ")";
  }
  err_ << DemoProblem(path_, what) << std::endl;
  End(form, 1);
}

void DemoPlayer::End(Form1& form, int status) {
  // As at Escape: the battle stops, the device is released, the program ends.
  form.BattleActive = false;
  form.P.window().ReleaseDevice();
  form.P.window().EndProgram(status);
  throw ProgramExit{status};  // EndProgram throws this itself
}

std::string DemoPlayer::ProgramEnding(Form1&, bool) {
  if (timed_ && !departed_ && !frameSeconds_.empty()) {
    out_ << FrameStatsLine(path_, ComputeFrameStats(frameSeconds_)) << std::endl;
  }
  return "";
}

}  // namespace sb::demo
