// The modes of the battle program and the options they share.
#pragma once

#include <cstdint>
#include <string>

namespace sb::bench {

struct Options {
  uint64_t seed = 1;
  int64_t passes = -1;              // benchmark or trace passes; -1: the mode's default
  int64_t soak = -1;                // soak passes; -1: no soak
  std::string trace;                // trace file; empty: no trace
  std::string frameTrace;           // the last pass's battle frame as JSON Lines
  std::string selectionFrameTrace;  // one default selection-screen frame as JSON Lines
  int design = 1;                   // the player's design
};

// Each returns the process exit status.
int RunBenchmark(const Options& options);
int RunSoak(const Options& options);
int RunTrace(const Options& options);

}  // namespace sb::bench
