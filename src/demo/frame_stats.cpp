#include "demo/frame_stats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/quoted.h"

namespace sb::demo {

FrameStats ComputeFrameStats(std::vector<double> frameSeconds) {
  FrameStats s;
  s.frames = frameSeconds.size();
  if (frameSeconds.empty()) return s;
  for (double t : frameSeconds) s.seconds += t;
  s.fps = s.seconds > 0 ? static_cast<double>(s.frames) / s.seconds : 0;
  std::sort(frameSeconds.begin(), frameSeconds.end());
  const size_t n = frameSeconds.size();
  s.medianMs = 1000 * (n % 2 == 1 ? frameSeconds[n / 2]
                                  : (frameSeconds[n / 2 - 1] + frameSeconds[n / 2]) / 2);
  const auto rank = static_cast<size_t>(std::ceil(0.99 * static_cast<double>(n)));
  s.p99Ms = 1000 * frameSeconds[std::max<size_t>(rank, 1) - 1];
  return s;
}

std::string FrameStatsLine(const std::string& path, const FrameStats& s) {
  char line[256];
  std::snprintf(line, sizeof line,
                "%zu frames, %.2f s, %.1f fps, median %.2f ms, 99th percentile %.2f ms", s.frames,
                s.seconds, s.fps, s.medianMs, s.p99Ms);
  return "timedemo " + Quoted(path) + ": " + line;
}

}  // namespace sb::demo
