// Recording and playing back battles of the real game loops on the headless
// platform: the selection screen is played with the mouse when recording
// and skipped on playback, and the check values must still agree. A pause
// records no pass; only the first battle of a run is recorded.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <random>
#include <sstream>

#include "core/entry.h"
#include "core/key_codes.h"
#include "core/runtime_error.h"
#include "demo/demo_file.h"
#include "demo/demo_player.h"
#include "demo/demo_recorder.h"
#include "platform/headless/headless_platform.h"

namespace sb::demo {
namespace {

constexpr uint64_t kSeed = 4242;
using Script = std::function<void(int, headless::HeadlessPlatform&)>;
using PassHook = std::function<void(Form1&)>;

// The selection screen as a player uses it: two clicks on the right arrow
// (design 3), then Start; then battle keys flipped at random, and Escape (or
// with `close` a window close) at yield `endAt`. The click at yield 42 is
// read in the next selection pass, whose yield (43) is the last before the
// battle: battle pass k ends at yield 43 + k.
Script PlayScript(int endAt, bool close = false) {
  auto rng = std::make_shared<std::mt19937>(11);
  return [=](int yield, headless::HeadlessPlatform& q) {
    if (yield == 1) q.MoveMouse(485, 385);  // over the right arrow
    if (yield == 2 || yield == 20) q.MouseButton(true);
    if (yield == 3 || yield == 21) q.MouseButton(false);
    if (yield == 40) q.MoveMouse(-430, 0);  // over Start
    if (yield == 42) q.MouseButton(true);
    for (int code : keys::kBattleKeys) {
      if (yield <= 42 || yield >= endAt || (*rng)() % 10 != 0) continue;
      q.KeyHeld(code) ? q.ReleaseKey(code) : q.PressKey(code);
    }
    if (yield == endAt) close ? q.RequestClose() : q.PressKey(keys::kEscape);
  };
}

// Start (design 1) is clicked in the pass ending at yield 3: battle pass k
// ends at yield 3 + k.
void ClickStart(headless::HeadlessPlatform& q, int yield) {
  if (yield == 1) q.MoveMouse(50, 380);
  if (yield == 2) q.MouseButton(true);
}

std::vector<KeyMask> KeysOf(const Demo& d) {
  std::vector<KeyMask> keys;
  for (const KeyRun& run : d.keyRuns()) keys.insert(keys.end(), run.length, run.mask);
  return keys;
}

// `d` with other keys.
Demo WithKeys(const Demo& d, const std::vector<KeyMask>& keys) {
  Demo changed;
  changed.gameVersion = d.gameVersion, changed.seed = d.seed, changed.design = d.design;
  changed.endedByError = d.endedByError, changed.checks = d.checks;
  for (KeyMask k : keys) changed.AddPasses(k);
  return changed;
}

// Forwards to another hook, running `after` after its hook at the top of
// each pass; counts the battles set up.
class Wrapped : public BattleHooks {
 public:
  Wrapped(BattleHooks& inner, PassHook after) : inner_(inner), after_(std::move(after)) {}
  int16_t DesignToStart(Form1& f) override { return inner_.DesignToStart(f); }
  void BattleReady(Form1& f) override { ++battles, inner_.BattleReady(f); }
  void BattleLeft(Form1& f) override { inner_.BattleLeft(f); }
  void BeforeBattlePass(Form1& f) override {
    inner_.BeforeBattlePass(f);
    if (after_) after_(f);
  }
  std::string ProgramEnding(Form1& f, bool byError) override {
    return inner_.ProgramEnding(f, byError);
  }
  int battles = 0;

 private:
  BattleHooks& inner_;
  PassHook after_;
};

// A run-time error at the top of pass `pass`, after the hook has seen it,
// as a fault in that pass would raise.
PassHook FailAtPass(uint32_t pass) {
  return [pass, seen = uint32_t{0}](Form1&) mutable {
    if (++seen == pass) Fail(ErrorKind::Overflow, "injected");
  };
}

struct Outcome {
  int status = 0;
  std::string err;
  int battles = 0;
  Demo demo;  // recorded, as read back from its file
  uint32_t shown = 0;
  bool departed = false;
};

class DemoSession : public ::testing::Test {
 protected:
  // Records a run played by `script`.
  Outcome Record(const Script& script, const PassHook& after = {}) {
    headless::HeadlessPlatform p;
    p.recording = false;
    p.onYield = script;
    DemoRecorder recorder(path_);
    Wrapped hooks(recorder, after);
    std::ostringstream err;
    Outcome r;
    r.status = RunGame(p, err, GameSetup{&hooks, kSeed});
    r.err = err.str(), r.battles = hooks.battles;
    if (r.battles > 0) {
      DecodeResult read = ReadDemoFile(path_);
      EXPECT_EQ(read.error, "");
      r.demo = read.demo;
    }
    return r;
  }
  // A battle recorded without fault.
  Demo Recorded(const Script& script) {
    const Outcome r = Record(script);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    return r.demo;
  }
  // Plays `demo` back with `script` at the keyboard and mouse.
  Outcome PlayBack(const Demo& demo, const Script& script = {}, const PassHook& after = {}) {
    headless::HeadlessPlatform p;
    p.recording = false;
    p.onYield = script;
    std::ostringstream out, err;
    DemoPlayer player(path_, demo, out, err, false);
    Wrapped hooks(player, after);
    Outcome r;
    r.status = RunGame(p, err, GameSetup{&hooks, std::nullopt});
    r.err = err.str(), r.shown = player.passesShown(), r.departed = player.departed();
    return r;
  }
  // "spacebattle: demo 'PATH': " and `what`.
  std::string Problem(const std::string& what) const {
    return "spacebattle: demo '" + path_ + "': " + what + "\n";
  }
  void TearDown() override { std::remove(path_.c_str()); }
  // One file per test and process: CTest runs each test in its own process.
  const std::string path_ = ::testing::TempDir() + "session_" +
                            ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
                            std::to_string(getpid()) + ".sbd";
};

TEST_F(DemoSession, ARecordedBattlePlaysBackToTheSameStateAndAChangedOneDepartsWhereItDiffers) {
  const Demo d = Recorded(PlayScript(400));
  EXPECT_EQ(d.seed, kSeed);
  EXPECT_EQ(d.design, 3);
  EXPECT_FALSE(d.endedByError);
  EXPECT_EQ(d.passes(), 400u - 43u + 1u);  // Escape is seen one pass late
  EXPECT_GT(d.keyRuns().size(), 50u);

  Outcome r = PlayBack(d);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.shown, d.passes());
  EXPECT_FALSE(r.departed);

  // Changed, it departs at the first check that differs.
  Demo changed = d;
  changed.checks[1] ^= 1;  // the check after pass 120
  r = PlayBack(changed);
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.departed);
  EXPECT_EQ(r.shown, 120u);
  EXPECT_EQ(r.err, Problem("the battle departed from the recording at pass 120 (it still matched "
                           "after pass 60)"));

  // A different key in one pass is found at the next check.
  std::vector<KeyMask> keys = KeysOf(d);
  keys[130] ^= 1;
  r = PlayBack(WithKeys(d, keys));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.shown, 180u);
}

TEST_F(DemoSession, AClosedWindowStillWritesTheDemoAndKeysOtherThanEscapeAreIgnored) {
  const Demo d = Recorded(PlayScript(300, true));
  EXPECT_EQ(d.passes(), 300u - 43u);  // the close ends the battle at that yield
  // Keys pressed during playback change nothing; the demo's keys rule.
  const Outcome r = PlayBack(d, [](int yield, headless::HeadlessPlatform& q) {
    if (yield == 30) q.PressKey(keys::kW), q.PressKey(keys::kSpace), q.PressKey(keys::kN);
  });
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.status, 0);

  // Escape ends the show early, with status 0.
  const Outcome early = PlayBack(d, [](int yield, headless::HeadlessPlatform& q) {
    if (yield == 100) q.PressKey(keys::kEscape);
  });
  EXPECT_EQ(early.status, 0);
  EXPECT_EQ(early.shown, 101u);
}

TEST_F(DemoSession, ARunTimeErrorStillWritesTheDemoThatReproducesIt) {
  const Outcome r = Record(PlayScript(100000), FailAtPass(150));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "spacebattle: run-time error: overflow: injected\n");
  EXPECT_TRUE(r.demo.endedByError);
  EXPECT_EQ(r.demo.passes(), 150u);

  // Played back where the fault is still there, the same error ends it.
  const Outcome again = PlayBack(r.demo, {}, FailAtPass(150));
  EXPECT_EQ(again.status, 1);
  EXPECT_EQ(again.err, "spacebattle: run-time error: overflow: injected\n");
  // Where it is mended, the playback says the error did not happen.
  const Outcome mended = PlayBack(r.demo);
  EXPECT_EQ(mended.status, 1);
  EXPECT_EQ(mended.err, Problem("the run-time error recorded in pass 150 did not happen"));
}

TEST_F(DemoSession, APauseRecordsNoPassAndPlaysBackAsIfThereWereNone) {
  const Demo demo = Recorded([](int yield, headless::HeadlessPlatform& q) {
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
  // Passes end at yields 4 to 100 and 151 to 300 (Escape is seen one pass
  // late, at 301); the 50 held passes of yields 101 to 150 are not there.
  EXPECT_EQ(demo.passes(), (100u - 3u) + (301u - 150u));
  const KeyMask w = 1u << 0, d = 1u << 2, space = 1u << 8;
  const std::vector<KeyMask> keys = KeysOf(demo);
  for (size_t pass = 0; pass < keys.size(); ++pass) EXPECT_EQ(keys[pass] & d, 0u) << pass;
  // The pass before the pause holds W and Space; the one after only Space.
  ASSERT_GT(keys.size(), 97u);
  EXPECT_EQ(keys[96], w | space);
  EXPECT_EQ(keys[97], space);
  const Outcome r = PlayBack(demo);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.shown, demo.passes());
}

TEST_F(DemoSession, OnlyTheFirstBattleIsRecorded) {
  const Outcome r = Record([](int yield, headless::HeadlessPlatform& q) {
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
  EXPECT_EQ(r.demo.passes(), 80u - 3u);
  const Outcome back = PlayBack(r.demo);
  EXPECT_EQ(back.err, "");
  EXPECT_EQ(back.shown, r.demo.passes());
}

}  // namespace
}  // namespace sb::demo
