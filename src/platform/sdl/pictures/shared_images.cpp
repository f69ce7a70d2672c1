#include "platform/sdl/pictures/shared_images.h"

namespace sb::sdl {

GpuImageRef SharedImages::Find(const std::string& file) {
  const auto found = images_.find(file);
  if (found == images_.end()) return nullptr;
  GpuImageRef image = found->second.lock();
  if (!image || image->texture() == nullptr) {
    images_.erase(found);
    return nullptr;
  }
  return image;
}

void SharedImages::Keep(const std::string& file, const GpuImageRef& image) {
  if (image) images_[file] = image;
}

}  // namespace sb::sdl
