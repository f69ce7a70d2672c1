// Pictures already on the renderer, by file: later loads of the same file
// share the decoded picture instead of reading and converting it again (a
// battle loads its four planet pictures two hundred times).
#pragma once

#include <memory>
#include <string>
#include <unordered_map>

#include "platform/sdl/canvas/canvas.h"

namespace sb::sdl {

class SharedImages {
 public:
  // The picture made from `file` that some texture still holds, on a
  // renderer that still exists; null otherwise.
  GpuImageRef Find(const std::string& file);
  // Remembers `image` for `file` without keeping it alive.
  void Keep(const std::string& file, const GpuImageRef& image);

 private:
  std::unordered_map<std::string, std::weak_ptr<GpuImage>> images_;
};

}  // namespace sb::sdl
