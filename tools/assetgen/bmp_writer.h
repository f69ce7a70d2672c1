// Uncompressed 24-bit Windows bitmaps, as SDL_LoadBMP and D3DX read them.
#pragma once

#include "byte_buffer.h"
#include "image.h"

namespace assetgen {

// Bottom-up BGR rows, each padded to a multiple of four bytes.
Bytes EncodeBmp(const Image& image);

}  // namespace assetgen
