// 16-bit mono PCM wave files.
#pragma once

#include <vector>

#include "byte_buffer.h"

namespace assetgen {

// Samples are in [-1, 1]; anything outside is clipped to full scale.
Bytes EncodeWav(const std::vector<float>& samples, int sample_rate);

}  // namespace assetgen
