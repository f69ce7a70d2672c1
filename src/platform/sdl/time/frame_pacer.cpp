#include "platform/sdl/time/frame_pacer.h"

namespace sb::sdl {

namespace {

// A sleep to an absolute time wakes up to a few tenths of a millisecond
// late on a loaded system; the last stretch before a deadline is spun.
constexpr uint64_t kSpinMicros = 300;

}  // namespace

FramePacer::FramePacer(uint64_t ticksPerSecond, uint32_t framesPerSecond)
    : ticksPerSecond_(ticksPerSecond == 0 ? 1 : ticksPerSecond),
      framesPerSecond_(framesPerSecond == 0 ? 1 : framesPerSecond),
      spinMargin_(ticksPerSecond_ / 1000000 * kSpinMicros +
                  ticksPerSecond_ % 1000000 * kSpinMicros / 1000000) {}

uint64_t FramePacer::DueTime(uint64_t frame) const {
  // start + frame * ticks / fps, split so the product cannot overflow.
  const uint64_t whole = frame / framesPerSecond_;
  const uint64_t part = frame % framesPerSecond_;
  return start_ + whole * ticksPerSecond_ + part * ticksPerSecond_ / framesPerSecond_;
}

uint64_t FramePacer::NextDeadline(uint64_t now) {
  if (started_) {
    ++frame_;
    const uint64_t due = DueTime(frame_);
    // Up to one period late: keep the schedule (the next wait absorbs it).
    if (now <= due || now - due <= period()) return due;
  }
  started_ = true;
  start_ = now;
  frame_ = 0;
  return now;
}

uint64_t FramePacer::WakeTime(uint64_t deadline) const {
  return deadline > spinMargin_ ? deadline - spinMargin_ : 0;
}

}  // namespace sb::sdl
