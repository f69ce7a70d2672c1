#include <windows.h>

#include <cstdio>

#include "platform/sdl/system/standard_descriptors.h"

namespace sb::sdl {

namespace {

bool Missing(DWORD which) {
  const HANDLE handle = GetStdHandle(which);
  return handle == nullptr || handle == INVALID_HANDLE_VALUE;
}

}  // namespace

bool OpenClosedStandardDescriptors() {
  // The game is a window program: started from Explorer it has no console
  // and no standard output, which is right. Started from a console, its
  // lines (--help, --version, errors) go to that console unless they were
  // redirected.
  if (!Missing(STD_OUTPUT_HANDLE) && !Missing(STD_ERROR_HANDLE)) return true;
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return true;
  FILE* reopened = nullptr;
  if (Missing(STD_OUTPUT_HANDLE) || _fileno(stdout) < 0) {
    freopen_s(&reopened, "CONOUT$", "w", stdout);
  }
  if (Missing(STD_ERROR_HANDLE) || _fileno(stderr) < 0) {
    freopen_s(&reopened, "CONOUT$", "w", stderr);
  }
  return true;
}

}  // namespace sb::sdl
