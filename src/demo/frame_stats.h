// Figures of a timed demo: frame count, seconds, rate, median and 99th
// percentile frame time.
#pragma once

#include <string>
#include <vector>

namespace sb::demo {

struct FrameStats {
  size_t frames = 0;
  double seconds = 0;
  double fps = 0;
  double medianMs = 0;
  double p99Ms = 0;  // nearest rank: 99 % of the frames took at most this
};

FrameStats ComputeFrameStats(std::vector<double> frameSeconds);

// One line, e.g. "timedemo 'x.sbd': 3600 frames, 11.52 s, 312.5 fps, median
// 3.10 ms, 99th percentile 4.02 ms".
std::string FrameStatsLine(const std::string& path, const FrameStats& stats);

}  // namespace sb::demo
