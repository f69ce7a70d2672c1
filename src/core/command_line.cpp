#include "core/command_line.h"

#include <cerrno>
#include <charconv>
#include <cstring>

#include "core/controls_text.h"
#include "core/quoted.h"
#include "core/version.h"

namespace sb {

namespace {

enum class Kind { Help, Version, Window, Seed, Record, PlayDemo, TimeDemo };

struct OptionName {
  const char* name;
  Kind kind;
  bool takesValue;
};

constexpr OptionName kOptions[] = {
    {"--help", Kind::Help, false},        {"--version", Kind::Version, false},
    {"--window", Kind::Window, false},    {"--seed", Kind::Seed, true},
    {"--record", Kind::Record, true},     {"--playdemo", Kind::PlayDemo, true},
    {"--timedemo", Kind::TimeDemo, true}, {"-h", Kind::Help, false},
    {"-v", Kind::Version, false},
};

const OptionName* FindOption(const std::string& name) {
  for (const OptionName& o : kOptions) {
    if (name == o.name) return &o;
  }
  return nullptr;
}

}  // namespace

std::vector<std::string> OptionNames() {
  std::vector<std::string> names;
  for (const OptionName& o : kOptions) names.emplace_back(o.name);
  return names;
}

namespace {

std::string Problem(const std::string& what) {
  return "spacebattle: " + what + " (try --help)";
}

// A decimal number from 0 to 2^64 - 1: digits only, no sign or spaces.
std::optional<uint64_t> ParseSeed(const std::string& text) {
  if (text.empty()) return std::nullopt;
  uint64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value, 10);
  if (ec != std::errc() || ptr != end || text[0] == '-' || text[0] == '+') return std::nullopt;
  return value;
}

// Stores one option; returns an error line or "".
std::string Apply(const OptionName& o, const std::string& value, CommandLine& out) {
  auto once = [&](bool given) {
    return given ? Problem(std::string(o.name) + " given twice") : "";
  };
  switch (o.kind) {
    case Kind::Help:
      out.help = true;
      return "";
    case Kind::Version:
      out.version = true;
      return "";
    case Kind::Window:
      out.window = true;
      return "";
    case Kind::Seed: {
      if (out.seed) return once(true);
      const std::optional<uint64_t> seed = ParseSeed(value);
      if (!seed) {
        return Problem("--seed needs a whole number from 0 to 18446744073709551615, not " +
                       Quoted(value));
      }
      out.seed = seed;
      return "";
    }
    case Kind::Record:
      if (!out.record.empty()) return once(true);
      out.record = value;
      return "";
    case Kind::PlayDemo:
      if (!out.playdemo.empty()) return once(true);
      out.playdemo = value;
      return "";
    case Kind::TimeDemo:
      if (!out.timedemo.empty()) return once(true);
      out.timedemo = value;
      return "";
  }
  return "";
}

std::string CheckCombination(const CommandLine& o) {
  const int demos =
      (o.record.empty() ? 0 : 1) + (o.playdemo.empty() ? 0 : 1) + (o.timedemo.empty() ? 0 : 1);
  if (demos > 1) return Problem("--record, --playdemo and --timedemo exclude each other");
  if (o.seed && (!o.playdemo.empty() || !o.timedemo.empty())) {
    return Problem("--seed cannot be given with a demo to play: the demo holds its seed");
  }
  return "";
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
  ParsedCommandLine result;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const size_t equals = arg.find('=');
    const bool inlineValue = arg.rfind("--", 0) == 0 && equals != std::string::npos;
    const std::string name = inlineValue ? arg.substr(0, equals) : arg;
    const OptionName* option = FindOption(name);
    if (option == nullptr) {
      const bool looksLikeOption = !arg.empty() && arg[0] == '-';
      result.error =
          Problem((looksLikeOption ? "unknown option " : "unexpected argument ") + Quoted(name));
      return result;
    }
    std::string value;
    if (inlineValue && !option->takesValue) {
      result.error = Problem(name + " takes no value");
      return result;
    }
    if (option->takesValue) {
      if (inlineValue) {
        value = arg.substr(equals + 1);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      }
      if (value.empty()) {
        result.error = Problem(name + " needs a value");
        return result;
      }
    }
    result.error = Apply(*option, value, result.options);
    if (!result.error.empty()) return result;
  }
  result.error = CheckCombination(result.options);
  return result;
}

std::string HelpText() {
  return "Usage: spacebattle [OPTION]...\n"
         "A real-time 2D space battle: pick a craft, then fight a station and\n"
         "forty-nine computer-piloted craft of five races.\n"
         "\n"
         "Options:\n"
         "  -h, --help         show this help and exit\n"
         "  -v, --version      show the version and exit\n"
         "  --window           play in a 1024x768 window instead of full screen\n"
         "  --seed N           fix every battle's random seed (0 to 2^64-1)\n"
         "  --record FILE      play as usual; write a demo of the first battle to FILE\n"
         "  --playdemo FILE    show the battle recorded in FILE, then exit\n"
         "  --timedemo FILE    show FILE's battle as fast as possible without sound\n"
         "                     and print the frame rate and frame times\n"
         "\n" +
         ControlsHelpText() +
         "\n"
         "A game controller is any pad SDL knows (SDL_GAMECONTROLLERCONFIG is\n"
         "honoured). The controls screen (F1) closes at any key or button.\n"
         "\n"
         "Files:\n"
         "  $XDG_CONFIG_HOME/spacebattle/settings.ini (by default\n"
         "  ~/.config/spacebattle/settings.ini) keeps the sound volume and mute;\n"
         "  it is written only when you change them in the game.\n"
         "\n"
         "Exit status: 0 normally, 1 on a run-time error or when a demo's battle\n"
         "departs from its recording, 2 for a bad command line or demo file.\n";
}

std::string VersionText() {
  return std::string("spacebattle ") + GameVersion() + "\n";
}

std::string PrintText(std::FILE* out, const std::string& text) {
  errno = 0;
  const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
  if (std::fflush(out) == 0 && written && !std::ferror(out)) return "";
  const int reason = errno;
  return std::string("spacebattle: cannot write to standard output") +
         (reason != 0 ? std::string(" (") + std::strerror(reason) + ")" : "");
}

}  // namespace sb
