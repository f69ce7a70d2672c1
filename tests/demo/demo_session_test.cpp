// Recording and playing back battles of the real game loops on the headless
// platform: the selection screen is played with the mouse when recording
// and skipped on playback, and the check values must still agree.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <random>
#include <sstream>

#include "core/battle_hash.h"
#include "core/craft.h"
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

// One file per test and process: CTest runs the tests of this program in
// parallel, each in its own process.
std::string TempDemo() {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  return ::testing::TempDir() + "session_" + test->name() + "_" + std::to_string(getpid()) + ".sbd";
}

// The selection screen as a player uses it: two clicks on the right arrow
// (design 3), then Start; then battle keys flipped at random, and the end
// chosen by `end` at yield `endAt`.
enum class Ending { Escape, Close };
void PlayScript(headless::HeadlessPlatform& p, int endAt, Ending end) {
  auto rng = std::make_shared<std::mt19937>(11);
  p.onYield = [=](int yield, headless::HeadlessPlatform& q) {
    if (yield == 1) q.MoveMouse(485, 385);  // over the right arrow
    if (yield == 2 || yield == 20) q.MouseButton(true);
    if (yield == 3 || yield == 21) q.MouseButton(false);
    if (yield == 40) q.MoveMouse(-430, 0);  // over Start
    if (yield == 42) q.MouseButton(true);
    if (yield > 42 && yield < endAt) {
      for (int code : keys::kBattleKeys) {
        if ((*rng)() % 10 != 0) continue;
        if (q.KeyHeld(code)) {
          q.ReleaseKey(code);
        } else {
          q.PressKey(code);
        }
      }
    }
    if (yield == endAt) {
      if (end == Ending::Escape) {
        q.PressKey(keys::kEscape);
      } else {
        q.RequestClose();
      }
    }
  };
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

struct Played {
  int status = 0;
  std::string out, err;
  uint32_t shown = 0;
  bool departed = false;
};

Played PlayBack(const std::string& path, const Demo& demo, BattleHooks* wrap = nullptr,
                const std::function<void(headless::HeadlessPlatform&)>& script = {}) {
  headless::HeadlessPlatform p;
  p.recording = false;
  if (script) script(p);
  std::ostringstream out, err;
  DemoPlayer player(path, demo, out, err, false);
  Played r;
  r.status = RunGame(p, err, GameSetup{wrap ? wrap : &player, std::nullopt});
  r.out = out.str(), r.err = err.str(), r.shown = player.passesShown();
  r.departed = player.departed();
  return r;
}

class DemoSession : public ::testing::Test {
 protected:
  // Records one battle; returns the demo read back from its file.
  Demo Record(int endAt, Ending end) {
    headless::HeadlessPlatform p;
    p.recording = false;
    PlayScript(p, endAt, end);
    DemoRecorder recorder(path_);
    std::ostringstream err;
    EXPECT_EQ(RunGame(p, err, GameSetup{&recorder, kSeed}), 0);
    EXPECT_EQ(err.str(), "");
    DecodeResult read = ReadDemoFile(path_);
    EXPECT_EQ(read.error, "");
    return read.demo;
  }
  void TearDown() override { std::remove(path_.c_str()); }
  std::string path_ = TempDemo();
};

TEST_F(DemoSession, ARecordedBattlePlaysBackToTheSameState) {
  const Demo d = Record(400, Ending::Escape);
  EXPECT_EQ(d.seed, kSeed);
  EXPECT_EQ(d.design, 3);
  EXPECT_FALSE(d.endedByError);
  // The click at yield 42 is read in the next selection pass, whose yield
  // (43) is the last before the battle: battle pass k ends at yield 43 + k.
  // Escape pressed at yield 400 is seen one pass late.
  EXPECT_EQ(d.passes(), 400u - 43u + 1u);
  EXPECT_EQ(d.checks.size(), d.passes() / 60 + 1);
  EXPECT_GT(d.keyRuns().size(), 50u);

  const Played r = PlayBack(path_, d);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.shown, d.passes());
  EXPECT_FALSE(r.departed);
}

TEST_F(DemoSession, AClosedWindowStillWritesTheDemoAndKeysOtherThanEscapeAreIgnored) {
  const Demo d = Record(300, Ending::Close);
  EXPECT_EQ(d.passes(), 300u - 43u);  // the close ends the battle at that yield
  // Keys pressed during playback change nothing; the demo's keys rule.
  const Played r = PlayBack(path_, d, nullptr, [](headless::HeadlessPlatform& p) {
    p.onYield = [](int yield, headless::HeadlessPlatform& q) {
      if (yield == 30) q.PressKey(keys::kW), q.PressKey(keys::kSpace), q.PressKey(keys::kN);
    };
  });
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.status, 0);

  // Escape ends the show early, with status 0.
  const Played early = PlayBack(path_, d, nullptr, [](headless::HeadlessPlatform& p) {
    p.onYield = [](int yield, headless::HeadlessPlatform& q) {
      if (yield == 100) q.PressKey(keys::kEscape);
    };
  });
  EXPECT_EQ(early.status, 0);
  EXPECT_EQ(early.shown, 101u);
}

TEST_F(DemoSession, ADepartureIsReportedAtTheFirstCheckThatDiffers) {
  const Demo d = Record(400, Ending::Escape);
  Demo changed = d;
  changed.checks[1] ^= 1;  // the check after pass 120
  Played r = PlayBack(path_, changed);
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.departed);
  EXPECT_EQ(r.shown, 120u);
  EXPECT_EQ(r.err, "spacebattle: demo '" + path_ +
                       "': the battle departed from the recording at pass 120 (it still matched "
                       "after pass 60)\n");

  // A different key in one pass is found at the next check.
  std::vector<KeyMask> keys = KeysOf(d);
  keys[130] ^= 1;
  r = PlayBack(path_, WithKeys(d, keys));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.shown, 180u);

  // So is the final state.
  changed = d;
  changed.checks.back() ^= 1;
  r = PlayBack(path_, changed);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.shown, d.passes());

  // Before the first check there is no earlier one to name.
  changed = d;
  changed.checks[0] ^= 1;
  r = PlayBack(path_, changed);
  EXPECT_EQ(r.err, "spacebattle: demo '" + path_ +
                       "': the battle departed from the recording at pass 60 (the first check)\n");
}

// Forwards to another hook, doing `before` at the top of each pass first
// and `after` after it.
class Wrapped : public BattleHooks {
 public:
  Wrapped(
      BattleHooks& inner, std::function<void(Form1&)> before,
      std::function<void(Form1&)> after = [](Form1&) {})
      : inner_(inner), before_(std::move(before)), after_(std::move(after)) {}
  int16_t DesignToStart(Form1& f) override { return inner_.DesignToStart(f); }
  void BattleReady(Form1& f) override { inner_.BattleReady(f); }
  void BeforeBattlePass(Form1& f) override {
    before_(f);
    inner_.BeforeBattlePass(f);
    after_(f);
  }
  std::string ProgramEnding(Form1& f, bool byError) override {
    return inner_.ProgramEnding(f, byError);
  }

 private:
  BattleHooks& inner_;
  std::function<void(Form1&)> before_, after_;
};

// A run-time error at the top of pass `pass`, after the hook has seen it,
// as a fault in that pass would raise.
Wrapped FailAtPass(BattleHooks& inner, uint32_t pass) {
  return Wrapped(
      inner, [](Form1&) {},
      [pass, seen = uint32_t{0}](Form1&) mutable {
        if (++seen == pass) Fail(ErrorKind::Overflow, "injected");
      });
}

TEST_F(DemoSession, ADemoOfNoPassesChecksTheBattleAsItIsSetUp) {
  // No passes and a wrong check value: the set-up differs.
  Demo none = WithKeys(Record(100, Ending::Escape), {});
  none.checks = {0};
  headless::HeadlessPlatform p;
  p.recording = false;
  std::ostringstream out, err;
  DemoPlayer player(path_, none, out, err, false);
  std::optional<uint64_t> atStart;  // the check value before the first pass
  Wrapped start(player, [&](Form1& f) {
    if (!atStart) atStart = BattleCheckValue(f);
  });
  EXPECT_EQ(RunGame(p, err, GameSetup{&start, std::nullopt}), 1);
  EXPECT_EQ(err.str(), "spacebattle: demo '" + path_ +
                           "': the battle departed from the recording before its first pass\n");

  // With the right one the show ends at once, as recorded.
  ASSERT_TRUE(atStart.has_value());
  none.checks = {*atStart};
  Played r = PlayBack(path_, none);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.shown, 0u);

  // A battle whose set-up failed: replayed where set-up works, it says so.
  none.endedByError = true;
  none.checks.clear();
  r = PlayBack(path_, none);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "spacebattle: demo '" + path_ +
                       "': the run-time error recorded before the first pass did not happen\n");
}

TEST_F(DemoSession, ADesignOutsideTheCatalogueEndsBeforeTheBattle) {
  Demo d = Record(100, Ending::Escape);
  d.design = 30;  // within the table, past the thirty designs
  headless::HeadlessPlatform p;
  std::ostringstream out, err;
  DemoPlayer player(path_, d, out, err, false);
  EXPECT_EQ(RunGame(p, err, GameSetup{&player, std::nullopt}), 2);
  EXPECT_EQ(err.str(), "spacebattle: demo '" + path_ + "': design index 30 out of range\n");
  EXPECT_TRUE(p.deviceReleased);
  EXPECT_EQ(Crafts[0].Name, "");  // no battle was built
}

TEST_F(DemoSession, ARunTimeErrorStillWritesTheDemoThatReproducesIt) {
  headless::HeadlessPlatform p;
  p.recording = false;
  PlayScript(p, 100000, Ending::Escape);
  DemoRecorder recorder(path_);
  Wrapped failing = FailAtPass(recorder, 150);
  std::ostringstream err;
  EXPECT_EQ(RunGame(p, err, GameSetup{&failing, kSeed}), 1);
  EXPECT_EQ(err.str(), "spacebattle: run-time error: overflow: injected\n");
  const DecodeResult read = ReadDemoFile(path_);
  ASSERT_EQ(read.error, "");
  EXPECT_TRUE(read.demo.endedByError);
  EXPECT_EQ(read.demo.passes(), 150u);
  EXPECT_EQ(read.demo.checks.size(), 2u);  // after passes 60 and 120

  // Played back where the fault is still there, the same error ends it.
  {
    headless::HeadlessPlatform q;
    std::ostringstream out, err2;
    DemoPlayer player(path_, read.demo, out, err2, false);
    Wrapped again = FailAtPass(player, 150);
    EXPECT_EQ(RunGame(q, err2, GameSetup{&again, std::nullopt}), 1);
    EXPECT_EQ(err2.str(), "spacebattle: run-time error: overflow: injected\n");
  }
  // Where it is mended, the playback says the error did not happen.
  const Played mended = PlayBack(path_, read.demo);
  EXPECT_EQ(mended.status, 1);
  EXPECT_EQ(mended.err, "spacebattle: demo '" + path_ +
                            "': the run-time error recorded in pass 150 did not happen\n");
}

TEST_F(DemoSession, NoBattleNoDemo) {
  headless::HeadlessPlatform p;
  p.onYield = [](int yield, headless::HeadlessPlatform& q) {
    if (yield == 3) q.PressKey(keys::kEscape);
  };
  DemoRecorder recorder(path_);
  std::ostringstream err;
  EXPECT_EQ(RunGame(p, err, GameSetup{&recorder, kSeed}), 0);
  EXPECT_NE(ReadDemoFile(path_).error, "");
}

}  // namespace
}  // namespace sb::demo
