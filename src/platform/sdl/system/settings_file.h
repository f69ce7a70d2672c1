// The player's settings file in the user's configuration folder:
// $XDG_CONFIG_HOME/spacebattle/settings.ini, or
// ~/.config/spacebattle/settings.ini where XDG_CONFIG_HOME is unset, empty
// or not an absolute path (as the XDG base directory rules say).
#pragma once

#include <cstdint>
#include <string>

#include "platform/settings_store.h"

namespace sb::sdl {

// The file's path from the two variables (null when unset); empty when
// neither gives a folder.
std::string SettingsPathFor(const char* xdgConfigHome, const char* home);
// The same from the process's environment (on Windows, %APPDATA%).
std::string SettingsPathFromEnvironment();

class FileSettingsStore : public SettingsStore {
 public:
  explicit FileSettingsStore(std::string path) : path_(std::move(path)) {}
  std::string SettingsPath() override { return path_; }
  SettingsRead ReadSettings() override;
  std::string WriteSettings(const std::string& text) override;

  // A settings file is a few lines; anything larger is not one.
  static constexpr uintmax_t kLargestFile = 64 * 1024;

 private:
  std::string path_;
};

}  // namespace sb::sdl
