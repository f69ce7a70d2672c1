// Damaged and hostile game files, found out before anything large is
// allocated (the program's own run on them: tests/e2e/faults.sh).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "platform/sdl/pictures/bitmap_header.h"
#include "platform/sdl/system/file_faults.h"
#include "sdl_test_support.h"

namespace sb::sdltest {
namespace {

namespace fs = std::filesystem;

// A real 24-bit picture's bytes with its sides rewritten.
std::vector<uint8_t> PictureClaiming(const ScratchFolder& folder, int32_t width, int32_t height) {
  WriteBmp(folder.File("real.bmp"), 8, 8, {0x102030});
  std::vector<uint8_t> bytes = ReadFile(folder.File("real.bmp"));
  std::memcpy(bytes.data() + 18, &width, 4);  // little-endian, as the file
  std::memcpy(bytes.data() + 22, &height, 4);
  return bytes;
}

std::string HeaderFault(const std::vector<uint8_t>& bytes) {
  return sdl::BitmapHeaderFault(bytes.data(), std::min(bytes.size(), sdl::kBitmapHeaderBytes),
                                bytes.size());
}

TEST(BitmapHeader, SidesAndSizeMustFitTheFileAndTheLimit) {
  ScratchFolder folder;
  EXPECT_EQ(HeaderFault(PictureClaiming(folder, 8, 8)), "");
  EXPECT_EQ(HeaderFault(PictureClaiming(folder, 8, -8)), "") << "rows stored top down";
  // An 8 x 8 file cannot hold 9 x 8, nor 8 x 9 (24-bit rows padded to 4 bytes).
  EXPECT_NE(HeaderFault(PictureClaiming(folder, 9, 8)).find("but the file has"), std::string::npos);
  EXPECT_NE(HeaderFault(PictureClaiming(folder, 8, 9)), "");
  EXPECT_NE(HeaderFault(PictureClaiming(folder, 0, 8)), "");
  EXPECT_NE(HeaderFault(PictureClaiming(folder, -8, 8)), "");
  EXPECT_NE(HeaderFault(PictureClaiming(folder, 60000, 60000)).find("larger than 4096 x 4096"),
            std::string::npos);
  // Sides past the limit are refused even when the file is big enough.
  std::vector<uint8_t> wide = PictureClaiming(folder, 4097, 1);
  wide.resize(54 + 4097 * 3 + 3);
  EXPECT_NE(HeaderFault(wide), "");
  wide = PictureClaiming(folder, 4096, 1);
  wide.resize(54 + 4096 * 3);
  EXPECT_EQ(HeaderFault(wide), "");
  // A header cut short, or another format.
  const std::vector<uint8_t> bytes = PictureClaiming(folder, 8, 8);
  EXPECT_NE(sdl::BitmapHeaderFault(bytes.data(), 30, 30), "");
  std::vector<uint8_t> png = bytes;
  png[0] = 0x89;
  EXPECT_EQ(HeaderFault(png), "not a BMP picture");
}

// Empty, truncated and foreign fonts: tests/e2e/faults.sh.
TEST(SoundFont, AMissingOrHollowFontIsNamedInOneLine) {
  ScratchFolder folder;
  const std::string font = folder.File("soundfont/TimGM6mb.sf2");
  EXPECT_EQ(sdl::SoundFontFault(font), "No such file or directory");
  fs::create_directories(font);
  EXPECT_EQ(sdl::SoundFontFault(font), "Is a directory");
  fs::remove(font);

  // A font whose header is right and whose contents are not is found out
  // while it is read in the background: a later yield fails, naming it.
  std::vector<uint8_t> hollow(4096, 0);
  std::memcpy(hollow.data(), "RIFF\xf8\x0f\0\0sfbk", 12);
  WriteFile(font, hollow);
  ASSERT_EQ(sdl::SoundFontFault(font), "");
  auto platform = MakePlatform(folder.path().string(), {.dataFolder = folder.path().string()});
  EXPECT_EQ(FailureOf([&] { platform->music().InitAudio(63, 7, 128); }), "");
  RecordingSink sink;
  std::string later;
  testing::internal::CaptureStderr();
  for (int n = 0; n < 1000 && later.empty(); ++n) {
    later = FailureOf([&] { platform->window().Yield(sink); });
    if (later.empty()) SDL_Delay(10);
  }
  const std::string err = testing::internal::GetCapturedStderr();
  // In one line of the game's own, with the synthesizer's first complaint;
  // nothing of the synthesizer's reaches standard error itself.
  EXPECT_EQ(
      later.rfind(
          " while starting the music: cannot load sound font " + font + ": 'Invalid chunk id", 0),
      0u)
      << later;
  EXPECT_EQ(later.find('\n'), std::string::npos) << later;
  EXPECT_EQ(err.find("fluidsynth"), std::string::npos) << err;
}

}  // namespace
}  // namespace sb::sdltest
