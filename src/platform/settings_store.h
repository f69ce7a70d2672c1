// Where the player's settings are kept between runs: one small text file in
// the user's configuration folder. Nothing here ends the game: a file that
// cannot be read or written is reported to the caller, which carries on.
#pragma once

#include <string>

namespace sb {

struct SettingsRead {
  enum class Result { Missing, Read, Unreadable };
  Result result = Result::Missing;
  std::string text;     // Read: the whole file
  std::string problem;  // Unreadable: why, in a few words
};

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The file, as named to the player; empty when there is no folder to keep
  // it in (no home folder).
  virtual std::string SettingsPath() = 0;
  // Missing when the file does not exist (a player who never changed a
  // setting).
  virtual SettingsRead ReadSettings() = 0;
  // Replaces the file with `text`, making its folder first if need be.
  // Returns "" when written, else why not.
  virtual std::string WriteSettings(const std::string& text) = 0;
};

}  // namespace sb
