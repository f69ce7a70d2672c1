// The files the game loads, by their exact names, and what each must be.
#pragma once

#include <string>
#include <vector>

namespace sbtest {

struct SharedPicture {
  std::string file;
  int width, height;
};

// Heights marked 0 are free within a range checked by the HUD test.
inline const std::vector<SharedPicture> kSharedPictures = {
    {"bar.bmp", 256, 12},       {"frame.bmp", 128, 128},  {"tarback.bmp", 256, 256},
    {"targeter.bmp", 256, 256}, {"Hud.bmp", 152, 0},      {"cursor.bmp", 32, 32},
    {"box.bmp", 32, 32},        {"turret.bmp", 32, 32},   {"start.bmp", 128, 64},
    {"goleft.bmp", 128, 64},    {"goright.bmp", 128, 64}, {"spray.bmp", 32, 32},
    {"star.bmp", 16, 16},       {"bullet.bmp", 32, 32},   {"point.bmp", 64, 64},
};

enum class Race { kNone, kHuman, kSect, kDrone, kDragaar, kLitu };

struct DesignPicture {
  std::string file;
  int size;
  Race race;
};

// One entry per distinct texture file of the design catalogue.
inline const std::vector<DesignPicture> kDesignPictures = {
    {"player.bmp", 32, Race::kHuman},
    {"spaceman.bmp", 32, Race::kNone},
    {"aqua.bmp", 32, Race::kDrone},
    {"mertlyn.bmp", 32, Race::kHuman},
    {"Luna_player.bmp", 32, Race::kHuman},
    {"Dark_mertlyn.bmp", 32, Race::kDragaar},
    {"swipe.bmp", 32, Race::kHuman},
    {"stagg.bmp", 32, Race::kDrone},
    {"dode.bmp", 32, Race::kDrone},
    {"zerab.bmp", 32, Race::kDrone},
    {"fox.bmp", 32, Race::kDrone},
    {"guard.bmp", 32, Race::kHuman},
    {"veebee.bmp", 32, Race::kSect},
    {"rustark.bmp", 32, Race::kHuman},
    {"Frork.bmp", 32, Race::kDragaar},
    {"jar.bmp", 32, Race::kLitu},
    {"zoob.bmp", 32, Race::kLitu},
    {"eyeborg.bmp", 32, Race::kDragaar},
    {"leays.bmp", 32, Race::kSect},
    {"saga.bmp", 32, Race::kLitu},
    {"MR6.bmp", 64, Race::kLitu},
    {"passa.bmp", 32, Race::kHuman},
    {"ant.bmp", 32, Race::kSect},
    {"flyby.bmp", 32, Race::kSect},
    {"haze.bmp", 32, Race::kHuman},
    {"vatdekrap.bmp", 64, Race::kDragaar},
    {"cerrvent.bmp", 32, Race::kHuman},
    {"darkcruise.bmp", 128, Race::kDragaar},
    {"space-station.bmp", 256, Race::kHuman},
};

inline const std::vector<std::string> kPlanetPictures = {"zoltar.bmp", "planetmoo.bmp",
                                                         "planetcow.bmp", "planetmasacre.bmp"};

inline const std::vector<std::string> kSounds = {"fly.wav", "shieldhit.wav", "hphit.wav",
                                                 "fire.wav"};

inline const std::vector<std::string> kTunes = {"Einswei.mid", "Frozenbuffalo.mid"};

// Every generated file, relative to the program folder.
std::vector<std::string> AllExpectedFiles();

}  // namespace sbtest
