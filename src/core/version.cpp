#include "core/version.h"

#ifndef SB_VERSION
#error "SB_VERSION must be defined by the build"
#endif

namespace sb {

const char* GameVersion() {
  return SB_VERSION;
}

}  // namespace sb
