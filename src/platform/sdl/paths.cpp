#include "platform/sdl/paths.h"

#include <SDL.h>

#include <filesystem>

namespace sb::sdl {

std::string ExecutableFolder() {
  char* base = SDL_GetBasePath();
  if (base == nullptr) return "";
  std::string folder = base;
  SDL_free(base);
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

}  // namespace sb::sdl
