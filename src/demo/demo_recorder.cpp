#include "demo/demo_recorder.h"

#include <iterator>

#include "core/battle_hash.h"
#include "core/form1.h"
#include "core/key_codes.h"
#include "core/version.h"
#include "demo/demo_file.h"

namespace sb::demo {

KeyMask BattleKeysHeld(const Form1& form) {
  KeyMask mask = 0;
  for (size_t i = 0; i < std::size(keys::kBattleKeys); ++i) {
    if (form.KeyDown[keys::kBattleKeys[i]]) mask = static_cast<KeyMask>(mask | (1u << i));
  }
  return mask;
}

DemoRecorder::DemoRecorder(std::string path) : path_(std::move(path)) {
  demo_.gameVersion = GameVersion();
}

namespace {

// The check values owed at the end of a battle that ended normally.
void AddFinalChecks(Demo& demo, const Form1& form) {
  const uint32_t done = demo.passes();
  if (done > 0 && done % kCheckInterval == 0) demo.checks.push_back(BattleCheckValue(form));
  demo.checks.push_back(BattleCheckValue(form));
}

}  // namespace

void DemoRecorder::BattleReady(Form1& form) {
  if (battleLeft_) return;
  battleStarted_ = true;
  demo_.seed = form.BattleSeed;
  demo_.design = form.SelectedDesign;
}

void DemoRecorder::BeforeBattlePass(Form1& form) {
  if (battleLeft_) return;
  const uint32_t done = demo_.passes();
  if (done > 0 && done % kCheckInterval == 0) demo_.checks.push_back(BattleCheckValue(form));
  demo_.AddPasses(BattleKeysHeld(form));
}

void DemoRecorder::BattleLeft(Form1& form) {
  if (battleLeft_ || !battleStarted_) return;
  battleLeft_ = true;
  AddFinalChecks(demo_, form);
}

std::string DemoRecorder::ProgramEnding(Form1& form, bool byError) {
  if (!battleStarted_) return "";
  // A later battle's end, or its error, is not this demo's.
  if (!battleLeft_) {
    demo_.endedByError = byError;
    if (!byError) AddFinalChecks(demo_, form);
  }
  return WriteDemoFile(path_, demo_);
}

}  // namespace sb::demo
