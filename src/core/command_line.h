// The game's command line: parsed in one place, before anything starts.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace sb {

struct CommandLine {
  bool help = false;
  bool version = false;
  bool window = false;           // a window instead of full screen
  std::optional<uint64_t> seed;  // the battle's random seed
  std::string record;            // demo file to write
  std::string playdemo;          // demo file to show, paced
  std::string timedemo;          // demo file to show unpaced, timed
};

struct ParsedCommandLine {
  CommandLine options;
  // Empty when the command line is good; otherwise the one line to show.
  std::string error;
};

// Exit status for a bad command line or a bad demo file.
inline constexpr int kUsageExitStatus = 2;

// `args` are the arguments after the program name. Options may be given as
// `--seed 7` or `--seed=7`; `-h` and `-v` stand for `--help` and `--version`.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

// The text of --help: usage, every option and every control.
std::string HelpText();

// Every option the parser knows, as typed ("--seed", "-h"), for checking
// that the help, the manual page and README name them all.
std::vector<std::string> OptionNames();

// The text of --version.
std::string VersionText();

// Writes `text` (--help, --version) to `out`, standard output, and flushes
// it; returns "" or the line to show when it could not be written (a full
// disk, for one).
std::string PrintText(std::FILE* out, const std::string& text);

}  // namespace sb
