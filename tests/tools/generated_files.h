// The files the game loads, by their exact names, and reading them back with
// the same SDL loaders the game uses.
#pragma once

#include <cstdint>
#include <string>
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

// One entry per distinct texture file of the design catalogue, then the planets.
inline const std::vector<NamedPicture> kSubjectPictures = {
    {"player.bmp", 32, 32},
    {"spaceman.bmp", 32, 32},
    {"aqua.bmp", 32, 32},
    {"mertlyn.bmp", 32, 32},
    {"Luna_player.bmp", 32, 32},
    {"Dark_mertlyn.bmp", 32, 32},
    {"swipe.bmp", 32, 32},
    {"stagg.bmp", 32, 32},
    {"dode.bmp", 32, 32},
    {"zerab.bmp", 32, 32},
    {"fox.bmp", 32, 32},
    {"guard.bmp", 32, 32},
    {"veebee.bmp", 32, 32},
    {"rustark.bmp", 32, 32},
    {"Frork.bmp", 32, 32},
    {"jar.bmp", 32, 32},
    {"zoob.bmp", 32, 32},
    {"eyeborg.bmp", 32, 32},
    {"leays.bmp", 32, 32},
    {"saga.bmp", 32, 32},
    {"MR6.bmp", 64, 64},
    {"passa.bmp", 32, 32},
    {"ant.bmp", 32, 32},
    {"flyby.bmp", 32, 32},
    {"haze.bmp", 32, 32},
    {"vatdekrap.bmp", 64, 64},
    {"cerrvent.bmp", 32, 32},
    {"darkcruise.bmp", 128, 128},
    {"space-station.bmp", 256, 256},
    {"zoltar.bmp", 128, 128},
    {"planetmoo.bmp", 128, 128},
    {"planetcow.bmp", 128, 128},
    {"planetmasacre.bmp", 128, 128},
};

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
