// Frame pacing against a fake counter, and the tick count's wrap.
#include "platform/sdl/frame_pacer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/sdl/sdl_clock.h"

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

TEST(TickCount, WrapsAsA32BitSignedCount) {
  EXPECT_EQ(TickCountOf(0x7FFFFFFFull), 0x7FFFFFFF);
  EXPECT_EQ(TickCountOf(0x80000000ull), INT32_MIN);
  EXPECT_EQ(TickCountOf((1ull << 32) + 5), 5);
}

}  // namespace
}  // namespace sb::sdl
