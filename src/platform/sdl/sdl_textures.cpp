#include "platform/sdl/sdl_textures.h"

#include <cerrno>
#include <cstring>

#include "core/runtime_error.h"
#include "platform/sdl/bitmap_header.h"
#include "platform/sdl/float_status.h"
#include "platform/types.h"

namespace sb::sdl {

namespace {

// Refuses a picture whose header its file cannot back, before the decoder
// allocates what the header claims; leaves the file at its start.
void CheckBitmapHeader(SDL_RWops* file, const std::string& path) {
  uint8_t head[kBitmapHeaderBytes] = {};
  const size_t got = SDL_RWread(file, head, 1, sizeof head);
  const Sint64 size = SDL_RWsize(file);
  std::string fault = BitmapHeaderFault(head, got, size > 0 ? static_cast<uint64_t>(size) : 0);
  if (fault.empty() && SDL_RWseek(file, 0, RW_SEEK_SET) != 0) fault = SDL_GetError();
  if (!fault.empty()) {
    SDL_RWclose(file);
    Fail(ErrorKind::PlatformCall, "cannot load texture " + path + ": " + fault);
  }
}

}  // namespace

SDL_Surface* LoadKeyedBitmap(const std::string& path) {
  errno = 0;
  SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
  if (file == nullptr) {
    const int error = errno;
    Fail(ErrorKind::PlatformCall, "cannot load texture " + path + ": " +
                                      (error != 0 ? std::strerror(error) : SDL_GetError()));
  }
  CheckBitmapHeader(file, path);
  SDL_Surface* loaded = SDL_LoadBMP_RW(file, 1);
  if (loaded == nullptr) {
    Fail(ErrorKind::PlatformCall, "cannot load texture " + path + ": " + SDL_GetError());
  }
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(loaded);
  if (argb == nullptr) {
    Fail(ErrorKind::PlatformCall, "cannot load texture " + path + ": " + SDL_GetError());
  }
  // Exactly opaque black is the transparent colour, whatever the file's
  // pixel format or palette.
  SDL_LockSurface(argb);
  for (int y = 0; y < argb->h; ++y) {
    auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(argb->pixels) + y * argb->pitch);
    for (int x = 0; x < argb->w; ++x) {
      if (row[x] == 0xFF000000u) row[x] = 0;
    }
  }
  SDL_UnlockSurface(argb);
  return argb;
}

SdlTexture::SdlTexture(std::string path, SDL_Surface* surface)
    : path_(std::move(path)), surface_(surface), width_(surface->w), height_(surface->h) {}

SdlTexture::SdlTexture(std::string path, GpuImageRef image)
    : path_(std::move(path)),
      surface_(nullptr),
      image_(std::move(image)),
      width_(image_->width()),
      height_(image_->height()) {}

SdlTexture::~SdlTexture() {
  if (surface_ != nullptr) SDL_FreeSurface(surface_);
}

const GpuImageRef& SdlTexture::Image(Video& video) {
  const bool stale = !image_ || (image_->texture() == nullptr && surface_ != nullptr);
  if (stale && surface_ != nullptr && video.renderer() != nullptr) {
    image_ = MakeGpuImage(video.renderer(), video.life(), surface_, path_.c_str());
    image_->KeepPixels(surface_);
    surface_ = nullptr;
  }
  if (!image_) Fail(ErrorKind::PlatformCall, "texture " + path_ + " drawn with no graphics device");
  return image_;
}

TextureRef SdlTextureLoader::LoadTexture(const std::string& path) {
  FloatStatusKeeper keep;
  const std::string file = ToSlashes(path);
  if (GpuImageRef image = shared_.Find(file)) return std::make_shared<SdlTexture>(path, image);
  auto texture = std::make_shared<SdlTexture>(path, LoadKeyedBitmap(file));
  if (video_.renderer() != nullptr) shared_.Keep(file, texture->Image(video_));
  return texture;
}

}  // namespace sb::sdl
