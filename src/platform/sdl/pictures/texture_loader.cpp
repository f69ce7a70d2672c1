#include "platform/sdl/pictures/texture_loader.h"

#include <cerrno>
#include <cstring>
#include <vector>

#include "core/runtime_error.h"
#include "platform/sdl/pictures/bitmap_header.h"
#include "platform/sdl/system/float_status.h"
#include "platform/types.h"

namespace sb::sdl {

namespace {

[[noreturn]] void LoadFailed(const std::string& path, const std::string& fault) {
  FailWhile("loading the picture " + path, fault);
}

// Refuses a picture whose header its file cannot back, before the decoder
// allocates what the header claims; leaves the file at its start. The
// header's first bytes are left in `head`, `got` of them.
void CheckBitmapHeader(SDL_RWops* file, const std::string& path, uint8_t* head, size_t& got) {
  got = SDL_RWread(file, head, 1, kBitmapHeaderBytes);
  const Sint64 size = SDL_RWsize(file);
  std::string fault = BitmapHeaderFault(head, got, size > 0 ? static_cast<uint64_t>(size) : 0);
  if (fault.empty() && SDL_RWseek(file, 0, RW_SEEK_SET) != 0) fault = SDL_GetError();
  if (!fault.empty()) {
    SDL_RWclose(file);
    LoadFailed(path, fault);
  }
}

// Any picture SDL can read, converted to ARGB8888; closes the file.
SDL_Surface* DecodeWithSdl(SDL_RWops* file, const std::string& path) {
  SDL_Surface* loaded = SDL_LoadBMP_RW(file, 1);
  if (loaded == nullptr) LoadFailed(path, SDL_GetError());
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(loaded);
  if (argb == nullptr) LoadFailed(path, SDL_GetError());
  return argb;
}

// A plain 24-bit picture straight into ARGB8888 (opaque, the same pixels
// SDL's decoder and converter give); closes the file.
SDL_Surface* DecodePlain(SDL_RWops* file, const PlainBitmap& plain, const std::string& path) {
  std::vector<uint8_t> rows(plain.rowBytes * static_cast<size_t>(plain.height));
  const bool read = SDL_RWseek(file, plain.pixelOffset, RW_SEEK_SET) >= 0 &&
                    SDL_RWread(file, rows.data(), 1, rows.size()) == rows.size();
  SDL_RWclose(file);
  if (!read) LoadFailed(path, "the file ends inside its pixels");
  SDL_Surface* argb =
      SDL_CreateRGBSurfaceWithFormat(0, plain.width, plain.height, 32, SDL_PIXELFORMAT_ARGB8888);
  if (argb == nullptr) LoadFailed(path, SDL_GetError());
  for (int y = 0; y < plain.height; ++y) {
    const int stored = plain.topDown ? y : plain.height - 1 - y;
    const uint8_t* bgr = rows.data() + static_cast<size_t>(stored) * plain.rowBytes;
    auto* out = reinterpret_cast<Uint32*>(static_cast<Uint8*>(argb->pixels) + y * argb->pitch);
    for (int x = 0; x < plain.width; ++x, bgr += 3) {
      out[x] = 0xFF000000u | Uint32{bgr[2]} << 16 | Uint32{bgr[1]} << 8 | bgr[0];
    }
  }
  return argb;
}

}  // namespace

SDL_Surface* LoadKeyedBitmap(const std::string& path) {
  errno = 0;
  SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
  if (file == nullptr) {
    const int error = errno;
    LoadFailed(path, error != 0 ? std::strerror(error) : SDL_GetError());
  }
  uint8_t head[kBitmapHeaderBytes] = {};
  size_t got = 0;
  CheckBitmapHeader(file, path, head, got);
  PlainBitmap plain;
  SDL_Surface* argb = PlainBitmapLayout(head, got, plain) ? DecodePlain(file, plain, path)
                                                          : DecodeWithSdl(file, path);
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

const GpuImageRef& SdlTexture::Image(Canvas& canvas) {
  const bool stale = !image_ || (image_->texture() == nullptr && surface_ != nullptr);
  if (stale && surface_ != nullptr && canvas.renderer() != nullptr) {
    image_ = MakeGpuImage(canvas.renderer(), canvas.life(), surface_, path_.c_str());
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
  if (canvas_.renderer() != nullptr) shared_.Keep(file, texture->Image(canvas_));
  return texture;
}

}  // namespace sb::sdl
