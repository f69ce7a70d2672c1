#include "wav_writer.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

Bytes EncodeWav(const std::vector<float>& samples, int sample_rate) {
  const std::uint32_t data_size = static_cast<std::uint32_t>(samples.size()) * 2;
  const std::uint32_t rate = static_cast<std::uint32_t>(sample_rate);
  Bytes out;
  PutText(out, "RIFF");
  PutLE32(out, 36 + data_size);
  PutText(out, "WAVE");
  PutText(out, "fmt ");
  PutLE32(out, 16);
  PutLE16(out, 1);  // PCM
  PutLE16(out, 1);  // mono
  PutLE32(out, rate);
  PutLE32(out, rate * 2);  // bytes per second
  PutLE16(out, 2);         // block align
  PutLE16(out, 16);        // bits per sample
  PutText(out, "data");
  PutLE32(out, data_size);
  for (float s : samples) {
    float v = std::round(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
    PutLE16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
  }
  return out;
}

}  // namespace assetgen
