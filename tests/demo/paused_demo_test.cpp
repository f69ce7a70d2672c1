// Demos and the player's additions: a pause records no pass, so a paused
// recording plays back as if there had been none; only the first battle of
// a run is recorded.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <sstream>

#include "core/entry.h"
#include "core/key_codes.h"
#include "demo/demo_file.h"
#include "demo/demo_player.h"
#include "demo/demo_recorder.h"
#include "platform/headless/headless_platform.h"

namespace sb::demo {
namespace {

std::string TempDemo() {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  return ::testing::TempDir() + "paused_" + test->name() + "_" + std::to_string(getpid()) + ".sbd";
}

// Start is clicked in the pass ending at yield 3: battle pass k ends at
// yield 3 + k.
void ClickStart(headless::HeadlessPlatform& q, int yield) {
  if (yield == 1) q.MoveMouse(50, 380);
  if (yield == 2) q.MouseButton(true);
}

struct Recorded {
  Demo demo;
  int status = 0;
  int battles = 0;
};

// Counts the battles set up while it records.
class CountingRecorder : public DemoRecorder {
 public:
  using DemoRecorder::DemoRecorder;
  void BattleReady(Form1& form) override {
    ++battles;
    DemoRecorder::BattleReady(form);
  }
  int battles = 0;
};

Recorded Record(const std::string& path,
                const std::function<void(int, headless::HeadlessPlatform&)>& script) {
  headless::HeadlessPlatform p;
  p.recording = false;
  p.onYield = script;
  CountingRecorder recorder(path);
  std::ostringstream err;
  Recorded r;
  r.status = RunGame(p, err, GameSetup{&recorder, 31});
  r.battles = recorder.battles;
  EXPECT_EQ(err.str(), "");
  DecodeResult read = ReadDemoFile(path);
  EXPECT_EQ(read.error, "");
  r.demo = read.demo;
  return r;
}

// Plays the demo back; true when it matched to its end.
bool PlaysBack(const std::string& path, const Demo& demo) {
  headless::HeadlessPlatform p;
  p.recording = false;
  std::ostringstream out, err;
  DemoPlayer player(path, demo, out, err, false);
  const int status = RunGame(p, err, GameSetup{&player, std::nullopt});
  EXPECT_EQ(err.str(), "");
  return status == 0 && !player.departed() && player.passesShown() == demo.passes();
}

class PausedDemo : public ::testing::Test {
 protected:
  void TearDown() override { std::remove(path_.c_str()); }
  std::string path_ = TempDemo();
};

TEST_F(PausedDemo, APauseRecordsNoPassAndPlaysBackAsIfThereWereNone) {
  const Recorded r = Record(path_, [](int yield, headless::HeadlessPlatform& q) {
    ClickStart(q, yield);
    if (yield == 10) q.PressKey(keys::kW);
    if (yield == 40) q.PressKey(keys::kSpace);
    if (yield == 100) q.PressKey(keys::kP);  // paused from the pass after
    if (yield == 101) q.ReleaseKey(keys::kP);
    // Keys pressed and let go while paused never reach a pass.
    if (yield == 110) q.PressKey(keys::kD);
    if (yield == 120) q.ReleaseKey(keys::kD);
    if (yield == 130) q.ReleaseKey(keys::kW);  // let go while paused: off when it goes on
    if (yield == 150) q.PressKey(keys::kPause);
    if (yield == 151) q.ReleaseKey(keys::kPause);
    if (yield == 300) q.PressKey(keys::kEscape);
  });
  EXPECT_EQ(r.status, 0);
  // Passes end at yields 4 to 100 and 151 to 300 (Escape is seen one pass
  // late, at 301); the 50 held passes of yields 101 to 150 are not there.
  EXPECT_EQ(r.demo.passes(), (100u - 3u) + (301u - 150u));
  const KeyMask w = 1u << 0, d = 1u << 2, space = 1u << 8;
  std::vector<KeyMask> keys;
  for (const KeyRun& run : r.demo.keyRuns()) keys.insert(keys.end(), run.length, run.mask);
  for (size_t pass = 0; pass < keys.size(); ++pass) EXPECT_EQ(keys[pass] & d, 0u) << pass;
  // The pass before the pause holds W and Space; the one after only Space.
  ASSERT_GT(keys.size(), 97u);
  EXPECT_EQ(keys[96], w | space);
  EXPECT_EQ(keys[97], space);
  EXPECT_TRUE(PlaysBack(path_, r.demo));
}

TEST_F(PausedDemo, OnlyTheFirstBattleIsRecorded) {
  const Recorded r = Record(path_, [](int yield, headless::HeadlessPlatform& q) {
    ClickStart(q, yield);
    if (yield == 20) q.PressKey(keys::kA);
    if (yield == 80) q.PressKey(keys::kF2);  // the pass after leaves the battle
    if (yield == 81) q.ReleaseKey(keys::kF2);
    if (yield == 90) q.MouseButton(false);  // the cursor is still over Start
    if (yield == 91) q.MouseButton(true);
    if (yield == 200) q.RequestClose();
  });
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.battles, 2);
  EXPECT_EQ(r.demo.seed, 31u);
  EXPECT_FALSE(r.demo.endedByError);
  EXPECT_EQ(r.demo.passes(), 80u - 3u);
  EXPECT_EQ(r.demo.checks.size(), r.demo.passes() / 60 + 1);
  EXPECT_TRUE(PlaysBack(path_, r.demo));
}

}  // namespace
}  // namespace sb::demo
