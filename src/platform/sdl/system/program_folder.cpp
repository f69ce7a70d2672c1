#include "platform/sdl/system/program_folder.h"

#include <SDL.h>

#include <filesystem>
#include <system_error>

namespace sb::sdl {

std::string ExecutableFolder() {
  char* base = SDL_GetBasePath();
  if (base == nullptr) return "";
  std::string folder = base;
  SDL_free(base);
  // SDL ends it with the system's separator: '/', or '\\' on Windows.
  while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
  return folder;
}

std::string DataFolderFor(const std::string& programFolder) {
  if (programFolder.empty()) return programFolder;
  // The executable's folder holds no symbolic links, so ".." may be
  // resolved by name.
  const std::filesystem::path installed =
      (std::filesystem::path(programFolder) / SB_DATA_FROM_PROGRAM).lexically_normal();
  std::error_code error;
  if (!std::filesystem::is_directory(installed, error)) return programFolder;
  std::string folder = installed.string();
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

}  // namespace sb::sdl
