#include "core/sound_settings.h"

#include <charconv>

namespace sb {

namespace {

std::string Trim(const std::string& s) {
  const char* const blanks = " \t\r";
  const size_t first = s.find_first_not_of(blanks);
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

// Why `value` cannot be key `key` of [sound]; "" when it is stored.
std::string ApplySound(const std::string& key, const std::string& value, SoundSettings& out) {
  if (key == "volume") {
    int v = -1;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), v);
    if (error != std::errc() || end != value.data() + value.size() || v < 0 ||
        v > SoundSettings::kSteps) {
      return "volume must be a whole number from 0 to 8";
    }
    out.Volume = v;
  } else if (key == "muted") {
    if (value == "true") {
      out.Muted = true;
    } else if (value == "false") {
      out.Muted = false;
    } else {
      return "muted must be true or false";
    }
  }
  return "";
}

}  // namespace

float SoundSettings::Gain() const {
  if (Muted) return 0.0f;
  const float share = static_cast<float>(Volume) / kSteps;
  return share * share;
}

std::string FormatSoundSettings(const SoundSettings& settings) {
  return "# Space Battle's settings, written when they are changed in the game.\n"
         "[sound]\n"
         "volume = " +
         std::to_string(settings.Volume) + "\nmuted = " + (settings.Muted ? "true" : "false") +
         "\n";
}

ParsedSoundSettings ParseSoundSettings(const std::string& text) {
  ParsedSoundSettings parsed;
  std::string section;
  size_t start = 0;
  for (int number = 1; start <= text.size(); ++number) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = Trim(text.substr(start, end - start));
    start = end + 1;
    std::string problem;
    if (line.find('\0') != std::string::npos) {
      problem = "not a text file";
    } else if (line.empty() || line[0] == '#' || line[0] == ';') {
      continue;
    } else if (line.front() == '[') {
      if (line.back() != ']' || line.size() < 3) {
        problem = "a section name needs its closing ]";
      } else {
        section = Trim(line.substr(1, line.size() - 2));
        continue;
      }
    } else if (const size_t equals = line.find('='); equals == std::string::npos) {
      problem = "expected key = value";
    } else if (section == "sound") {
      problem =
          ApplySound(Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)), parsed.settings);
    }
    if (!problem.empty()) {
      parsed.settings = SoundSettings{};
      parsed.problem = "line " + std::to_string(number) + ": " + problem;
      return parsed;
    }
  }
  return parsed;
}

}  // namespace sb
