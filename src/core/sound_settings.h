// The player's sound settings: a master volume in eight steps and mute, and
// the text of the settings file that keeps them.
#pragma once

#include <cstdint>
#include <string>

namespace sb {

struct SoundSettings {
  static constexpr int kSteps = 8;
  // 0 (silent) to kSteps (the game's own level).
  int Volume = kSteps;
  bool Muted = false;

  bool operator==(const SoundSettings&) const = default;
  // The factor of the game's own level: 0 when muted, else (Volume / 8)
  // squared, so that equal steps sound about equally far apart.
  float Gain() const;
};

// The settings file's text.
std::string FormatSoundSettings(const SoundSettings& settings);

struct ParsedSoundSettings {
  SoundSettings settings;
  // Empty when the text was good; else what is wrong, naming the line.
  std::string problem;
};
// Reads a settings file: `# ` or `;` comments, `[section]` lines and
// `key = value` lines. Section [sound] holds `volume` (0 to 8) and `muted`
// (true or false); a key left out keeps its default, and other sections
// and keys are left alone. Anything else makes the file damaged, and the
// settings are then all the defaults.
ParsedSoundSettings ParseSoundSettings(const std::string& text);

}  // namespace sb
