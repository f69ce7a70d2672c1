// The generated pictures, read back with SDL_LoadBMP: sizes, transparency
// (opaque black) where the game expects it, and a visible subject.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "generated_files.h"

namespace sbtest {
namespace {

TEST(Pictures, LoadWithTheSizesTheGameDrawsThemAt) {
  for (const auto* list : {&kSharedPictures, &kSubjectPictures}) {
    for (const NamedPicture& s : *list) {
      const Picture p = LoadPicture(s.file);
      EXPECT_EQ(p.width, s.width) << s.file;
      if (s.height > 0) {
        EXPECT_EQ(p.height, s.height) << s.file;
      } else {  // the HUD reaches below the last read-out row (screen y 300 to 350)
        EXPECT_GE(p.height, 350) << s.file;
        EXPECT_LE(p.height, 400) << s.file;
      }
    }
  }
}

TEST(Pictures, SubjectsSitOnTransparentBlackAndPanelsAreOpaque) {
  std::vector<std::pair<std::string, double>> subjects = {{"bullet.bmp", 0.3},
                                                          {"spray.bmp", 0.02},
                                                          {"star.bmp", 0.02},
                                                          {"turret.bmp", 0.02},
                                                          {"point.bmp", 0.02}};
  // Crafts and planets fill a fair part of their square, never all of it.
  for (const NamedPicture& s : kSubjectPictures) subjects.emplace_back(s.file, 0.1);
  for (const auto& [f, least] : subjects) {
    const Picture p = LoadPicture(f);
    EXPECT_TRUE(p.BorderTransparent()) << f;
    EXPECT_GT(p.Coverage(), least) << f;
    EXPECT_LT(p.Coverage(), 0.85) << f;
  }
  // Nothing of the battle shows through the panels.
  for (const char* f : {"Hud.bmp", "tarback.bmp", "bar.bmp", "goleft.bmp", "goright.bmp"}) {
    EXPECT_GT(LoadPicture(f).Coverage(), 0.9) << f;
  }
  // Frames and sights keep their middle clear for what lies beneath.
  EXPECT_TRUE(LoadPicture("frame.bmp").at(64, 64).Transparent());
  EXPECT_TRUE(LoadPicture("box.bmp").at(16, 16).Transparent());
  EXPECT_TRUE(LoadPicture("targeter.bmp").at(128, 120).Transparent());
}

// Catches designs or planets generated from the same parameters.
TEST(Pictures, NoTwoDesignsOrPlanetsAreTheSamePicture) {
  std::set<std::string> distinct;
  for (const NamedPicture& s : kSubjectPictures) {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(ProgramDir() + "/Textures/" + s.file);
    distinct.emplace(bytes.begin(), bytes.end());
  }
  EXPECT_EQ(distinct.size(), kSubjectPictures.size());
}

// The game rotates the turret about its centre and assumes which way it
// faces (the pointer's way is measured on screen in game_screens_test).
TEST(Pictures, TurretAndCursorFaceTheWayTheGameAssumes) {
  // The turret's barrel reaches farther up from the pivot than its housing down.
  const Picture turret = LoadPicture("turret.bmp");
  int first_row = 32, last_row = -1;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      if (turret.at(x, y).Transparent()) continue;
      first_row = std::min(first_row, y);
      last_row = y;
    }
  }
  EXPECT_GT(16 - first_row, last_row - 16 + 4);
  // The cursor's hot spot is its top-left corner.
  const Picture cursor = LoadPicture("cursor.bmp");
  EXPECT_FALSE(cursor.at(0, 0).Transparent());
  EXPECT_TRUE(cursor.at(31, 0).Transparent());
  EXPECT_TRUE(cursor.at(0, 31).Transparent());
}

}  // namespace
}  // namespace sbtest
