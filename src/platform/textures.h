// Textures from bitmap files, opaque black transparent.
#pragma once

#include <string>

#include "platform/types.h"

namespace sb {

class TextureLoader {
 public:
  virtual ~TextureLoader() = default;
  // Loads a picture; the path may use backslashes as folder separators. A
  // missing or unreadable file is a failed platform call naming the path.
  virtual TextureRef LoadTexture(const std::string& path) = 0;
};

}  // namespace sb
