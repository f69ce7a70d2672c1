#include "platform/sdl/frame_pacer.h"

namespace sb::sdl {

FramePacer::FramePacer(uint64_t ticksPerSecond, uint32_t framesPerSecond)
    : ticksPerSecond_(ticksPerSecond == 0 ? 1 : ticksPerSecond),
      framesPerSecond_(framesPerSecond == 0 ? 1 : framesPerSecond) {}

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

uint32_t FramePacer::SleepMillis(uint64_t now, uint64_t deadline) const {
  if (deadline <= now) return 0;
  const uint64_t millis = (deadline - now) * 1000 / ticksPerSecond_;
  if (millis <= 1) return 0;
  return static_cast<uint32_t>(millis - 1);
}

}  // namespace sb::sdl
