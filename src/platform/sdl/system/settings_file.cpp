#include "platform/sdl/system/settings_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace sb::sdl {

namespace fs = std::filesystem;

namespace {

constexpr const char* kFolderAndFile = "spacebattle/settings.ini";

bool Given(const char* value) {
  return value != nullptr && *value != '\0';
}

}  // namespace

std::string SettingsPathFor(const char* xdgConfigHome, const char* home) {
  if (Given(xdgConfigHome) && xdgConfigHome[0] == '/') {
    return std::string(xdgConfigHome) + "/" + kFolderAndFile;
  }
  if (Given(home)) return std::string(home) + "/.config/" + kFolderAndFile;
  return "";
}

std::string SettingsPathFromEnvironment() {
#ifdef _WIN32
  const char* appData = std::getenv("APPDATA");
  return Given(appData) ? std::string(appData) + "\\spacebattle\\settings.ini" : "";
#else
  return SettingsPathFor(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
#endif
}

SettingsRead FileSettingsStore::ReadSettings() {
  SettingsRead read;
  if (path_.empty()) return read;
  std::error_code error;
  const fs::file_status status = fs::status(path_, error);
  if (status.type() == fs::file_type::not_found) return read;
  read.result = SettingsRead::Result::Unreadable;
  if (error) {
    read.problem = error.message();
    return read;
  }
  if (status.type() != fs::file_type::regular) {
    read.problem = "not a file";
    return read;
  }
  const uintmax_t size = fs::file_size(path_, error);
  if (error || size > kLargestFile) {
    read.problem = error ? error.message() : "larger than a settings file can be";
    return read;
  }
  errno = 0;
  std::ifstream in(path_, std::ios::binary);
  if (!in) {
    read.problem = errno != 0 ? std::strerror(errno) : "cannot be opened";
    return read;
  }
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    read.problem = "reading failed";
    return read;
  }
  read.result = SettingsRead::Result::Read;
  read.text = std::move(text);
  return read;
}

std::string FileSettingsStore::WriteSettings(const std::string& text) {
  if (path_.empty()) return "no home folder to keep it in (HOME is not set)";
  const fs::path file(path_);
  std::error_code error;
  fs::create_directories(file.parent_path(), error);
  if (error) return "cannot make its folder: " + error.message();
  // Written beside it first, then put in its place: a run cut short leaves
  // the old file or the new one, never half of one.
  const fs::path fresh = file.string() + ".new";
  {
    errno = 0;
    std::ofstream out(fresh, std::ios::binary | std::ios::trunc);
    if (!out) return errno != 0 ? std::strerror(errno) : "cannot be written";
    out << text;
    out.flush();
    if (!out) {
      const std::string why = errno != 0 ? std::strerror(errno) : "writing failed";
      out.close();
      fs::remove(fresh, error);
      return why;
    }
  }
  fs::rename(fresh, file, error);
  if (error) {
    const std::string why = error.message();
    fs::remove(fresh, error);
    return why;
  }
  return "";
}

}  // namespace sb::sdl
