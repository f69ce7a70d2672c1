// Frame pacing against a fake counter, and the tick count's wrap.
#include "platform/sdl/frame_pacer.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/sdl/sdl_clock.h"

namespace sb::sdl {
namespace {

constexpr uint64_t kNanos = 1000000000;

// Runs `frames` frames, each shown at the pacer's deadline (or at once when
// late) and followed by `work(frame)` ticks of work; returns the times shown.
std::vector<uint64_t> ShowFrames(FramePacer& pacer, uint64_t start, int frames,
                                 uint64_t (*work)(int)) {
  std::vector<uint64_t> shown;
  uint64_t now = start;
  for (int i = 0; i < frames; ++i) {
    const uint64_t deadline = pacer.NextDeadline(now);
    if (deadline > now) now = deadline;
    shown.push_back(now);
    now += work(i);
  }
  return shown;
}

constexpr uint64_t kPeriod = kNanos / 60;  // 16666666

TEST(FramePacer, SixtyFramesASecondWithoutDrift) {
  FramePacer pacer(kNanos, 60);
  const std::vector<uint64_t> shown =
      ShowFrames(pacer, 5000, 601, [](int) { return uint64_t{5000000}; });
  EXPECT_EQ(shown[0], 5000u);  // the first frame is not held back
  for (size_t i = 1; i < shown.size(); ++i) {
    const uint64_t step = shown[i] - shown[i - 1];
    EXPECT_TRUE(step == kPeriod || step == kPeriod + 1) << "frame " << i << ": " << step;
  }
  // 600 periods are exactly ten seconds: no rounding piles up.
  EXPECT_EQ(shown[600] - shown[0], 10 * kNanos);
}

TEST(FramePacer, OddCounterFrequenciesKeepTheAverage) {
  FramePacer pacer(1000003, 60);  // not a multiple of 60
  const std::vector<uint64_t> shown = ShowFrames(pacer, 0, 61, [](int) { return uint64_t{10}; });
  EXPECT_EQ(shown[60] - shown[0], 1000003u);
}

TEST(FramePacer, ASlowFrameWithinAPeriodKeepsTheSchedule) {
  FramePacer pacer(kNanos, 60);
  // After frame 3, 25 ms of work: frame 4 is late by less than a period.
  const std::vector<uint64_t> shown = ShowFrames(
      pacer, 0, 8, [](int i) { return i == 3 ? uint64_t{25000000} : uint64_t{1000000}; });
  EXPECT_EQ(shown[4], 3 * kNanos / 60 + 25000000);  // shown late, at once
  // Frame 5 is back on the grid rather than a period after the late one.
  EXPECT_EQ(shown[5], 5 * kNanos / 60);
  EXPECT_EQ(shown[7], 7 * kNanos / 60);
}

TEST(FramePacer, FallingFarBehindStartsANewScheduleInsteadOfBursting) {
  FramePacer pacer(kNanos, 60);
  const std::vector<uint64_t> shown = ShowFrames(pacer, 0, 6, [](int i) {
    return i == 2 ? uint64_t{100000000} : uint64_t{1000000};  // a 100 ms stall
  });
  const uint64_t resumed = shown[3];
  EXPECT_EQ(resumed, 2 * kNanos / 60 + 100000000);  // shown at once
  // The frames after it come a full period apart again.
  EXPECT_EQ(shown[4] - resumed, kPeriod);
  EXPECT_EQ(shown[5] - resumed, 2 * kNanos / 60);
}

TEST(FramePacer, SleepsUntilAboutAMillisecondBeforeTheDeadline) {
  FramePacer pacer(kNanos, 60);
  EXPECT_EQ(pacer.SleepMillis(0, 10 * 1000000), 9u);
  EXPECT_EQ(pacer.SleepMillis(0, 1500000), 0u);  // spin the last stretch
  EXPECT_EQ(pacer.SleepMillis(20, 10), 0u);      // already late
  EXPECT_EQ(pacer.SleepMillis(0, 16666666), 15u);
}

TEST(TickCount, WrapsAsA32BitSignedCount) {
  EXPECT_EQ(TickCountOf(1000), 1000);
  EXPECT_EQ(TickCountOf(0x7FFFFFFFull), 0x7FFFFFFF);
  EXPECT_EQ(TickCountOf(0x80000000ull), INT32_MIN);
  EXPECT_EQ(TickCountOf(0xFFFFFFFFull), -1);
  EXPECT_EQ(TickCountOf((1ull << 32) + 5), 5);
  // A 32-bit difference across the wrap still measures the time between.
  const int32_t before = TickCountOf((1ull << 32) - 400);
  const int32_t after = TickCountOf((1ull << 32) + 600);
  EXPECT_EQ(static_cast<int32_t>(static_cast<uint32_t>(after) - static_cast<uint32_t>(before)),
            1000);
}

}  // namespace
}  // namespace sb::sdl
