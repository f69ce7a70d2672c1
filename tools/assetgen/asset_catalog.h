// Every file the game loads, with the bytes to write for it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "byte_buffer.h"
#include "image.h"

namespace assetgen {

struct PictureAsset {
  std::string path;  // relative to the program folder, '/' separated
  std::function<Image()> paint;
};

struct SoundAsset {
  std::string path;
  std::function<std::vector<float>()> synth;
};

struct MusicAsset {
  std::string path;
  std::function<Bytes()> compose;
};

// Shared pictures, craft designs and planets, in that order.
std::vector<PictureAsset> Pictures();
std::vector<SoundAsset> Sounds();
std::vector<MusicAsset> Tunes();

}  // namespace assetgen
