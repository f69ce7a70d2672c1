// The generated pictures, read back with SDL_LoadBMP: sizes, transparency
// (opaque black) where the game expects it, and a visible subject.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <map>
#include <set>

#include "expected_files.h"
#include "picture_loader.h"

namespace sbtest {
namespace {

Picture Load(const std::string& file) {
  std::string error;
  Picture p = LoadPicture(ProgramDir() + "/Textures/" + file, &error);
  EXPECT_GT(p.width, 0) << error;
  return p;
}

TEST(GeneratedFiles, EveryFileExistsUnderItsExactNameAndNothingElse) {
  namespace fs = std::filesystem;
  std::set<std::string> expected, found;
  for (const std::string& f : AllExpectedFiles()) {
    expected.insert(f);
    EXPECT_TRUE(fs::is_regular_file(ProgramDir() + "/" + f)) << f;
  }
  // Case matters: compare against the names actually on disk.
  for (const char* folder : {"Textures", "sfx"}) {
    for (const auto& entry : fs::directory_iterator(ProgramDir() + "/" + folder)) {
      found.insert(std::string(folder) + "/" + entry.path().filename().string());
    }
  }
  for (const std::string& t : kTunes) {
    if (fs::exists(ProgramDir() + "/" + t)) found.insert(t);
  }
  EXPECT_EQ(found, expected);
  EXPECT_EQ(expected.size(), 15u + 29u + 4u + 4u + 2u);
}

TEST(SharedPictures, LoadWithTheSizesTheGameDrawsThemAt) {
  for (const SharedPicture& s : kSharedPictures) {
    Picture p = Load(s.file);
    EXPECT_EQ(p.width, s.width) << s.file;
    if (s.height > 0) {
      EXPECT_EQ(p.height, s.height) << s.file;
    } else {
      // The HUD reaches below the last read-out row (screen y 300 to 350).
      EXPECT_GE(p.height, 350) << s.file;
      EXPECT_LE(p.height, 400) << s.file;
    }
  }
}

TEST(DesignPictures, SizeFollowsTheDesignWidthAndSubjectIsSurroundedByBlack) {
  for (const DesignPicture& d : kDesignPictures) {
    Picture p = Load(d.file);
    ASSERT_EQ(p.width, d.size) << d.file;
    ASSERT_EQ(p.height, d.size) << d.file;
    EXPECT_TRUE(p.BorderTransparent()) << d.file;
    // A craft fills a fair part of its square, never all of it.
    EXPECT_GT(p.Coverage(), 0.1) << d.file;
    EXPECT_LT(p.Coverage(), 0.85) << d.file;
  }
}

TEST(DesignPictures, EveryDesignLooksDifferent) {
  std::vector<std::pair<std::string, Picture>> pics;
  for (const DesignPicture& d : kDesignPictures) pics.emplace_back(d.file, Load(d.file));
  for (std::size_t i = 0; i < pics.size(); ++i) {
    for (std::size_t j = i + 1; j < pics.size(); ++j) {
      const Picture& a = pics[i].second;
      const Picture& b = pics[j].second;
      if (a.width != b.width) continue;
      std::size_t differing = 0;
      for (std::size_t k = 0; k < a.pixels.size(); ++k) {
        const Pixel& pa = a.pixels[k];
        const Pixel& pb = b.pixels[k];
        if (std::abs(pa.r - pb.r) + std::abs(pa.g - pb.g) + std::abs(pa.b - pb.b) > 60) ++differing;
      }
      EXPECT_GT(differing, a.pixels.size() / 10) << pics[i].first << " vs " << pics[j].first;
    }
  }
}

// Human designs carry orange, Sect are green, Dragaar red, Drone dark grey and
// Litu pale; the pod is neutral.
TEST(DesignPictures, EachRaceHasItsOwnColours) {
  for (const DesignPicture& d : kDesignPictures) {
    Picture p = Load(d.file);
    double r, g, b;
    p.MeanColour(&r, &g, &b);
    double luma = 0.299 * r + 0.587 * g + 0.114 * b;
    double chroma = std::max({r, g, b}) - std::min({r, g, b});
    int orange = 0;
    for (const Pixel& px : p.pixels) {
      if (px.r > 190 && px.g > 80 && px.g < 180 && px.b < 90) ++orange;
    }
    SCOPED_TRACE(d.file);
    switch (d.race) {
      case Race::kHuman:
        EXPECT_GE(orange, 4);
        break;
      case Race::kSect:
        EXPECT_GT(g, r * 1.15);
        EXPECT_GT(g, b * 1.6);
        break;
      case Race::kDragaar:
        EXPECT_GT(r, g * 1.6);
        EXPECT_GT(r, b * 1.6);
        break;
      case Race::kDrone:
        EXPECT_LT(luma, 110);
        EXPECT_LT(chroma, 30);
        break;
      case Race::kLitu:
        EXPECT_GT(luma, 160);
        EXPECT_LT(chroma, 50);
        break;
      case Race::kNone:
        EXPECT_GT(luma, 60);
        break;
    }
  }
}

TEST(Planets, FourDifferentShadedSpheresOnBlack) {
  std::vector<std::array<double, 3>> means;
  for (const std::string& f : kPlanetPictures) {
    SCOPED_TRACE(f);
    Picture p = Load(f);
    ASSERT_EQ(p.width, 128);
    ASSERT_EQ(p.height, 128);
    EXPECT_TRUE(p.BorderTransparent());
    // A disc of radius about 60: a bit over two thirds of the square.
    EXPECT_GT(p.Coverage(), 0.6);
    EXPECT_LT(p.Coverage(), 0.78);
    EXPECT_FALSE(p.at(64, 64).Transparent());
    EXPECT_TRUE(p.at(2, 2).Transparent());
    // Lit from the top left: that side is brighter than the opposite one.
    auto quadrant = [&](int x0, int y0) {
      long sum = 0;
      for (int y = y0; y < y0 + 30; ++y) {
        for (int x = x0; x < x0 + 30; ++x) sum += p.at(x, y).Luma();
      }
      return sum / 900.0;
    };
    EXPECT_GT(quadrant(30, 30), quadrant(68, 68) + 30);
    double r, g, b;
    p.MeanColour(&r, &g, &b);
    means.push_back({r, g, b});
  }
  for (std::size_t i = 0; i < means.size(); ++i) {
    for (std::size_t j = i + 1; j < means.size(); ++j) {
      double d = std::abs(means[i][0] - means[j][0]) + std::abs(means[i][1] - means[j][1]) +
                 std::abs(means[i][2] - means[j][2]);
      EXPECT_GT(d, 30) << kPlanetPictures[i] << " vs " << kPlanetPictures[j];
    }
  }
}

// Shots and trails are tinted by race colour, so the glows must be nearly
// white in the middle, fade outwards and leave the edge transparent.
TEST(Glows, LightRoundAndTransparentAtTheEdge) {
  for (const char* f : {"bullet.bmp", "spray.bmp", "star.bmp"}) {
    SCOPED_TRACE(f);
    Picture p = Load(f);
    EXPECT_TRUE(p.BorderTransparent());
    int c = p.width / 2;
    const Pixel& mid = p.at(c, c);
    EXPECT_GT(std::min({mid.r, mid.g, mid.b}), 190);
    int previous = 256;
    for (int x = c; x < p.width; ++x) {
      int l = p.at(x, c).Luma();
      EXPECT_LE(l, previous + 8) << "x " << x;
      previous = l;
    }
  }
  Picture bullet = Load("bullet.bmp");
  EXPECT_GT(bullet.Coverage(), 0.3);
}

TEST(Turret, BarrelReachesTowardsTheTop) {
  Picture p = Load("turret.bmp");
  EXPECT_TRUE(p.BorderTransparent());
  int top_pixels = 0, first_row = p.height, last_row = -1;
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      if (p.at(x, y).Transparent()) continue;
      first_row = std::min(first_row, y);
      last_row = y;
      if (y < 8) {
        ++top_pixels;
        EXPECT_LT(std::abs(x * 2 + 1 - p.width), 12) << "barrel pixel off-centre at " << x;
      }
    }
  }
  EXPECT_GT(top_pixels, 4);
  // The barrel reaches farther from the pivot than the housing does below it.
  EXPECT_GT(p.height / 2 - first_row, last_row - p.height / 2 + 4);
}

TEST(Hud, RadarBackgroundOnTopAndLabelsBesideTheReadouts) {
  Picture p = Load("Hud.bmp");
  // The whole panel is opaque: nothing of the battle shows through it.
  EXPECT_DOUBLE_EQ(p.Coverage(), 1.0);
  for (int row : {150, 200, 250, 300}) {
    SCOPED_TRACE(row);
    int label_ink = 0;
    long readout_luma = 0;
    int readout_pixels = 0;
    for (int y = row; y < row + 18; ++y) {
      for (int x = 0; x < 152; ++x) {
        const Pixel& px = p.at(x, y);
        // Labels lie left of x 922 on screen, picture x 50.
        if (px.r > 200 && px.g > 120 && px.b < 100) {
          EXPECT_LT(x, 50);
          ++label_ink;
        }
        if (x >= 60 && x < 140) {
          readout_luma += px.Luma();
          ++readout_pixels;
        }
      }
    }
    EXPECT_GT(label_ink, 30);
    // White numbers need a dark window behind them.
    EXPECT_LT(readout_luma / readout_pixels, 50);
  }
}

TEST(Frame, BezelWithATransparentMiddle) {
  Picture p = Load("frame.bmp");
  for (int i = 0; i < 128; ++i) {
    EXPECT_FALSE(p.at(i, 0).Transparent());
    EXPECT_FALSE(p.at(0, i).Transparent());
    EXPECT_FALSE(p.at(127, i).Transparent());
  }
  for (int y = 12; y < 116; ++y) {
    for (int x = 12; x < 116; ++x) ASSERT_TRUE(p.at(x, y).Transparent()) << x << "," << y;
  }
}

TEST(TargetView, OpaqueDarkBackdropUnderAMostlyTransparentSight) {
  Picture back = Load("tarback.bmp");
  EXPECT_GT(back.Coverage(), 0.95);
  double r, g, b;
  back.MeanColour(&r, &g, &b);
  EXPECT_LT(0.299 * r + 0.587 * g + 0.114 * b, 70);
  Picture sight = Load("targeter.bmp");
  EXPECT_GT(sight.Coverage(), 0.005);
  EXPECT_LT(sight.Coverage(), 0.15);
  // The middle stays clear so the target itself shows.
  EXPECT_TRUE(sight.at(128, 120).Transparent());
}

TEST(Bar, LightEnoughForTheShieldTint) {
  Picture p = Load("bar.bmp");
  EXPECT_GT(p.Coverage(), 0.95);
  double r, g, b;
  p.MeanColour(&r, &g, &b);
  EXPECT_GT(std::min({r, g, b}), 180);
}

// Bearing 0 means the target is straight below, so the tip points down.
TEST(Pointer, TipAtTheBottomAndNothingAbove) {
  Picture p = Load("point.bmp");
  int far_x = 0, far_y = 0;
  double far = 0;
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      if (p.at(x, y).Transparent()) continue;
      EXPECT_GE(y, 16) << "pixel above the pivot at " << x << "," << y;
      double d = std::hypot(x + 0.5 - 32, y + 0.5 - 32);
      if (d > far) far = d, far_x = x, far_y = y;
    }
  }
  EXPECT_GT(far_y, 56);
  EXPECT_LE(std::abs(far_x - 32), 2);
}

TEST(Cursor, ArrowWithItsHotSpotInTheTopLeftCorner) {
  Picture p = Load("cursor.bmp");
  EXPECT_FALSE(p.at(0, 0).Transparent());
  EXPECT_TRUE(p.at(31, 0).Transparent());
  EXPECT_TRUE(p.at(0, 31).Transparent());
  int bright = 0;
  for (const Pixel& px : p.pixels) bright += px.Luma() > 200 ? 1 : 0;
  EXPECT_GT(bright, 60);
}

TEST(Box, FrameWithAHollowMiddle) {
  Picture p = Load("box.bmp");
  for (int i = 0; i < 32; ++i) {
    EXPECT_FALSE(p.at(i, 0).Transparent());
    EXPECT_FALSE(p.at(i, 31).Transparent());
    EXPECT_FALSE(p.at(0, i).Transparent());
    EXPECT_FALSE(p.at(31, i).Transparent());
  }
  for (int y = 6; y < 26; ++y) {
    for (int x = 6; x < 26; ++x) EXPECT_TRUE(p.at(x, y).Transparent());
  }
}

// Gold ink on the buttons: the caption letters or the arrow.
std::vector<int> InkColumns(const Picture& p, int* top, int* bottom) {
  std::vector<int> columns(static_cast<std::size_t>(p.width), 0);
  *top = p.height;
  *bottom = -1;
  for (int y = 8; y < p.height - 8; ++y) {
    for (int x = 8; x < p.width - 8; ++x) {
      const Pixel& px = p.at(x, y);
      if (px.r > 180 && px.g > 120 && px.b < 110) {
        ++columns[static_cast<std::size_t>(x)];
        *top = std::min(*top, y);
        *bottom = std::max(*bottom, y);
      }
    }
  }
  return columns;
}

TEST(Buttons, StartCarriesLargeTextAndTheArrowsPointTheirWay) {
  int top, bottom;
  Picture start = Load("start.bmp");
  std::vector<int> cols = InkColumns(start, &top, &bottom);
  int left = 0, right = 0;
  for (int x = 0; x < 128; ++x) {
    if (cols[static_cast<std::size_t>(x)] > 0) {
      if (left == 0) left = x;
      right = x;
    }
  }
  // Five letters of at least 15 x 21 pixels, centred.
  EXPECT_GE(right - left, 80);
  EXPECT_GE(bottom - top, 18);
  EXPECT_LT(std::abs((left + right) / 2 - 64), 4);

  for (const char* f : {"goleft.bmp", "goright.bmp"}) {
    SCOPED_TRACE(f);
    Picture p = Load(f);
    EXPECT_GT(p.Coverage(), 0.9);
    cols = InkColumns(p, &top, &bottom);
    // The head is the tallest part of the arrow.
    auto tallest = std::max_element(cols.begin(), cols.end()) - cols.begin();
    bool points_left = std::string(f) == "goleft.bmp";
    if (points_left) {
      EXPECT_LT(tallest, 64);
    } else {
      EXPECT_GT(tallest, 64);
    }
  }
}

}  // namespace
}  // namespace sbtest
