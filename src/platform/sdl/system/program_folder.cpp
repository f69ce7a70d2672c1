#include "platform/sdl/system/program_folder.h"

#include <SDL.h>

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

}  // namespace sb::sdl
