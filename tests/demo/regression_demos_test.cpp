// The committed demos, recorded from real play, replayed on the headless
// platform: every check value must agree. A deliberate change to the battle
// makes them depart; docs/demos.md says how to record them again.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "core/craft.h"
#include "core/entry.h"
#include "demo/demo_file.h"
#include "demo/demo_player.h"
#include "platform/headless/headless_platform.h"

#ifndef SB_DEMO_DIR
#error "SB_DEMO_DIR must name the folder of the committed demos"
#endif

namespace sb::demo {
namespace {

// Races with a craft left alive among the player, the station and the fleet.
size_t RacesAlive() {
  std::set<int16_t> races;
  for (int i = 0; i <= 50; ++i) {
    const Craft& c = Crafts[i];
    if (c.Armour > 0 && c.Race >= kRaceHuman && c.Race <= kRaceLitu) races.insert(c.Race);
  }
  return races.size();
}

// Plays the demo to its end; the battle table is left as the demo ends.
Demo PlayCommitted(const std::string& name) {
  const std::string path = std::string(SB_DEMO_DIR) + "/" + name;
  DecodeResult read = ReadDemoFile(path);
  EXPECT_EQ(read.error, "");
  headless::HeadlessPlatform p;
  p.recording = false;
  std::ostringstream out, err;
  DemoPlayer player(path, read.demo, out, err, false);
  EXPECT_EQ(RunGame(p, err, GameSetup{&player, std::nullopt}), 0) << err.str();
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(player.passesShown(), read.demo.passes());
  return read.demo;
}

TEST(RegressionDemos, AMinuteOfPlay) {
  const Demo d = PlayCommitted("minute.sbd");
  EXPECT_GE(d.passes(), 3600u);  // a minute at 60 passes a second
  EXPECT_GT(Crafts[0].Armour, 0);
}

TEST(RegressionDemos, ThePlayerIsDestroyed) {
  const Demo d = PlayCommitted("destroyed.sbd");
  EXPECT_LE(Crafts[0].Armour, 0);
}

TEST(RegressionDemos, ALongBattleReachesAWinBanner) {
  const Demo d = PlayCommitted("victory.sbd");
  EXPECT_GT(d.passes(), 20000u);  // over five and a half minutes at 60 passes a second
  EXPECT_EQ(RacesAlive(), 1u);
}

}  // namespace
}  // namespace sb::demo
