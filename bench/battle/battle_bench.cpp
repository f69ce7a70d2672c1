// The battle on the headless platform, without drawing to a screen:
//   battle_bench [--seed N] [--passes M] [--design K]      timing figures
//   battle_bench --soak N [--seed S]                       invariants after every pass
//   battle_bench --seed N --passes M --trace FILE [--design K]   JSON Lines trace
//       [--frame-trace FILE] [--selection-frame-trace FILE]      and drawn frames
// Options are a table: a new one is one entry and, for a new mode, one
// branch in main().
#include <cstdlib>
#include <functional>
#include <iostream>
#include <stdexcept>
#include <string>

#include "modes.h"

namespace sb::bench {
namespace {

struct OptionSpec {
  const char* name;
  const char* value;  // shown in the usage text
  const char* help;
  std::function<void(Options&, const std::string&)> apply;
};

int64_t ToInteger(const std::string& text, const char* option) {
  char* end = nullptr;
  const long long v = std::strtoll(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || v < 0) {
    throw std::invalid_argument(std::string(option) + " needs a whole number >= 0, not '" + text +
                                "'");
  }
  return v;
}

const OptionSpec kOptions[] = {
    {"--seed", "N", "seed of the game's random source and of the key script (default 1)",
     [](Options& o, const std::string& v) { o.seed = ToInteger(v, "--seed"); }},
    {"--passes", "M", "passes to time (default 200000) or trace (default 1000)",
     [](Options& o, const std::string& v) { o.passes = ToInteger(v, "--passes"); }},
    {"--design", "K", "catalogue index of the player's design, 0 to 29 (default 1)",
     [](Options& o, const std::string& v) {
       o.design = static_cast<int>(ToInteger(v, "--design"));
       if (o.design > 29) throw std::invalid_argument("--design must be 0 to 29");
     }},
    {"--soak", "N", "run N passes checking the battle's invariants after each",
     [](Options& o, const std::string& v) { o.soak = ToInteger(v, "--soak"); }},
    {"--trace", "FILE", "write the state after set-up and after every pass as JSON Lines",
     [](Options& o, const std::string& v) { o.trace = v; }},
    {"--frame-trace", "FILE",
     "with --trace: write the platform calls of the last pass's battle frame as JSON Lines",
     [](Options& o, const std::string& v) { o.frameTrace = v; }},
    {"--selection-frame-trace", "FILE",
     "write the platform calls of one frame of the default selection screen as JSON Lines",
     [](Options& o, const std::string& v) { o.selectionFrameTrace = v; }},
};

void Usage(std::ostream& out) {
  out << "usage: battle_bench [options]\n";
  for (const OptionSpec& spec : kOptions) {
    out << "  " << spec.name << ' ' << spec.value << "\n      " << spec.help << '\n';
  }
}

}  // namespace
}  // namespace sb::bench

int main(int argc, char** argv) {
  using namespace sb::bench;
  Options options;
  try {
    for (int a = 1; a < argc; ++a) {
      const std::string arg = argv[a];
      if (arg == "--help" || arg == "-h") {
        Usage(std::cout);
        return 0;
      }
      const OptionSpec* found = nullptr;
      for (const OptionSpec& spec : kOptions) {
        if (arg == spec.name) found = &spec;
      }
      if (!found) throw std::invalid_argument("unknown option " + arg);
      if (a + 1 >= argc) throw std::invalid_argument(arg + " needs a value");
      found->apply(options, argv[++a]);
    }
  } catch (const std::invalid_argument& e) {
    std::cerr << "battle_bench: " << e.what() << '\n';
    Usage(std::cerr);
    return 2;
  }
  if (!options.trace.empty() || !options.frameTrace.empty() ||
      !options.selectionFrameTrace.empty()) {
    return RunTrace(options);
  }
  if (options.soak >= 0) return RunSoak(options);
  return RunBenchmark(options);
}
