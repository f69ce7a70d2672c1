// The files the game loads, by their exact names, and reading them back with
// the same SDL loaders the game uses.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace sbtest {

struct NamedPicture {
  std::string file;
  int width, height;  // height 0: the HUD, whose height is free within a range
};

inline const std::vector<NamedPicture> kSharedPictures = {
    {"bar.bmp", 256, 12},       {"frame.bmp", 128, 128},  {"tarback.bmp", 256, 256},
    {"targeter.bmp", 256, 256}, {"Hud.bmp", 152, 0},      {"cursor.bmp", 32, 32},
    {"box.bmp", 32, 32},        {"turret.bmp", 32, 32},   {"start.bmp", 128, 64},
    {"goleft.bmp", 128, 64},    {"goright.bmp", 128, 64}, {"spray.bmp", 32, 32},
    {"star.bmp", 16, 16},       {"bullet.bmp", 32, 32},   {"point.bmp", 64, 64},
};

// One entry per distinct texture file of the design catalogue, then the
// planets; all square, listed by side.
inline const std::vector<NamedPicture> kSubjectPictures = [] {
  const std::pair<int, std::vector<std::string>> bySide[] = {
      {32, {"player.bmp",       "spaceman.bmp", "aqua.bmp",    "mertlyn.bmp", "Luna_player.bmp",
            "Dark_mertlyn.bmp", "swipe.bmp",    "stagg.bmp",   "dode.bmp",    "zerab.bmp",
            "fox.bmp",          "guard.bmp",    "veebee.bmp",  "rustark.bmp", "Frork.bmp",
            "jar.bmp",          "zoob.bmp",     "eyeborg.bmp", "leays.bmp",   "saga.bmp",
            "passa.bmp",        "ant.bmp",      "flyby.bmp",   "haze.bmp",    "cerrvent.bmp"}},
      {64, {"MR6.bmp", "vatdekrap.bmp"}},
      {128,
       {"darkcruise.bmp", "zoltar.bmp", "planetmoo.bmp", "planetcow.bmp", "planetmasacre.bmp"}},
      {256, {"space-station.bmp"}},
  };
  std::vector<NamedPicture> out;
  for (const auto& [side, files] : bySide) {
    for (const std::string& f : files) out.push_back({f, side, side});
  }
  return out;
}();

inline const std::vector<std::string> kSounds = {"fly.wav", "shieldhit.wav", "hphit.wav",
                                                 "fire.wav"};
inline const std::vector<std::string> kTunes = {"Einswei.mid", "Frozenbuffalo.mid"};

// Every generated file, relative to the program folder.
std::vector<std::string> AllExpectedFiles();

struct Pixel {
  std::uint8_t r = 0, g = 0, b = 0;
  bool Transparent() const { return r == 0 && g == 0 && b == 0; }
};

struct Picture {
  int width = 0, height = 0;
  std::vector<Pixel> pixels;
  const Pixel& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  double Coverage() const;  // share of pixels that are not the transparent black
  bool BorderTransparent() const;
};

// Reads Textures/<file> with SDL_LoadBMP; a test failure when it cannot.
Picture LoadPicture(const std::string& file);

std::vector<std::uint8_t> ReadFileBytes(const std::string& path);

// The folder the build generated the files into.
inline std::string ProgramDir() {
  return SB_PROGRAM_DIR;
}

}  // namespace sbtest
