// Frame pacing against a fake counter and the real clock, and the tick
// count's wrap.
#include "platform/sdl/time/frame_pacer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/sdl/time/game_clock.h"
#include "platform/sdl/time/pace_clock.h"

namespace sb::sdl {
namespace {

constexpr uint64_t kNanos = 1000000000;
constexpr uint64_t kPeriod = kNanos / 60;  // 16666666

// Runs `frames` frames at 60 a second, each shown at the pacer's deadline (or
// at once when late) and followed by `work(frame)` ticks of work; returns the
// times shown.
std::vector<uint64_t> ShowFrames(uint64_t frequency, int frames, uint64_t (*work)(int)) {
  FramePacer pacer(frequency, 60);
  std::vector<uint64_t> shown;
  uint64_t now = 5000;
  for (int i = 0; i < frames; ++i) {
    now = std::max(now, pacer.NextDeadline(now));
    shown.push_back(now);
    now += work(i);
  }
  return shown;
}

TEST(FramePacer, SixtyFramesASecondWithoutDriftWhateverTheCounterFrequency) {
  const std::vector<uint64_t> shown =
      ShowFrames(kNanos, 601, [](int) { return uint64_t{5000000}; });
  EXPECT_EQ(shown[0], 5000u);  // the first frame is not held back
  for (size_t i = 1; i < shown.size(); ++i) EXPECT_NEAR(shown[i] - shown[i - 1], kPeriod, 1) << i;
  EXPECT_EQ(shown[600] - shown[0], 10 * kNanos) << "rounding piled up";
  const std::vector<uint64_t> odd = ShowFrames(1000003, 61, [](int) { return uint64_t{10}; });
  EXPECT_EQ(odd[60] - odd[0], 1000003u);
}

TEST(FramePacer, ASlowFrameKeepsTheScheduleAndAStallStartsANewOne) {
  // After frame 3, 25 ms of work: frame 4 is shown late at once, and frame 5
  // is back on the grid rather than a period after the late one.
  std::vector<uint64_t> shown =
      ShowFrames(kNanos, 8, [](int i) { return i == 3 ? uint64_t{25000000} : uint64_t{1000000}; });
  EXPECT_EQ(shown[4], shown[3] + 25000000);
  EXPECT_EQ(shown[5] - shown[0], 5 * kNanos / 60);
  // A 100 ms stall after frame 2: shown at once, then a full period apart
  // again instead of a burst.
  shown =
      ShowFrames(kNanos, 6, [](int i) { return i == 2 ? uint64_t{100000000} : uint64_t{1000000}; });
  EXPECT_EQ(shown[3], shown[2] + 100000000);
  EXPECT_EQ(shown[4] - shown[3], kPeriod);
  EXPECT_EQ(shown[5] - shown[3], 2 * kNanos / 60);
}

TEST(FramePacer, WakesShortlyBeforeTheDeadlineOnAnyCounter) {
  // Nanoseconds, as the game counts: 0.3 ms of spin at most, never after.
  FramePacer nanos(kNanos, 60);
  const uint64_t due = 40 * kPeriod;
  EXPECT_LT(nanos.WakeTime(due), due);
  EXPECT_GE(nanos.WakeTime(due), due - 300000);
  // A coarse counter (ticks of 0.1 ms) keeps the same margin in its units.
  FramePacer coarse(10000, 60);
  EXPECT_EQ(coarse.WakeTime(1000), 997u);
  // A deadline nearer the counter's zero than the margin does not wrap.
  EXPECT_EQ(nanos.WakeTime(1000), 0u);
}

TEST(PaceClock, AWaitNeverEndsBeforeItsDeadline) {
  for (uint64_t ahead : {uint64_t{0}, uint64_t{200000}, uint64_t{2000000}}) {
    FramePacer pacer(kPaceClockTicksPerSecond, 60);
    const uint64_t deadline = PaceClockNow() + ahead;
    WaitUntil(pacer.WakeTime(deadline), deadline);
    EXPECT_GE(PaceClockNow(), deadline) << ahead;
  }
  // A time already past returns at once instead of sleeping for ever.
  SleepUntil(0);
  SleepUntil(PaceClockNow() - 1000);
}

TEST(TickCount, DifferencesStayRightAcrossTheWrap) {
  // Ten milliseconds that straddle the 32-bit wrap and the sign change.
  const auto elapsed = [](uint64_t from, uint64_t to) {
    return static_cast<int32_t>(static_cast<uint32_t>(TickCountOf(to)) -
                                static_cast<uint32_t>(TickCountOf(from)));
  };
  EXPECT_EQ(elapsed((1ull << 32) - 4, (1ull << 32) + 6), 10);
  EXPECT_EQ(elapsed(0x7FFFFFFBull, 0x80000005ull), 10);
  EXPECT_LT(TickCountOf(0x80000000ull), 0) << "read as signed";
}

}  // namespace
}  // namespace sb::sdl
