// The tool itself: same bytes on every run, the same as the build's copy, and
// a failing exit status when it cannot do its job.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "expected_files.h"
#include "midi_reader.h"
#include "picture_loader.h"

namespace sbtest {
namespace {

namespace fs = std::filesystem;

int RunTool(const std::string& args) {
  std::string command = std::string("'") + SB_ASSETGEN + "' " + args + " 2>/dev/null";
  int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::map<std::string, std::vector<std::uint8_t>> Tree(const fs::path& root) {
  std::map<std::string, std::vector<std::uint8_t>> out;
  for (const auto& e : fs::recursive_directory_iterator(root)) {
    if (e.is_regular_file()) {
      out[fs::relative(e.path(), root).generic_string()] = ReadFileBytes(e.path().string());
    }
  }
  return out;
}

class ToolRun : public ::testing::Test {
 protected:
  void SetUp() override {
    base_ = fs::temp_directory_path() / ("assetgen_test_" + std::to_string(getpid()));
    fs::remove_all(base_);
    fs::create_directories(base_);
  }
  void TearDown() override { fs::remove_all(base_); }
  fs::path base_;
};

TEST_F(ToolRun, TwoRunsWriteIdenticalBytesMatchingTheBuild) {
  ASSERT_EQ(RunTool("--out '" + (base_ / "a").string() + "'"), 0);
  ASSERT_EQ(RunTool("--out '" + (base_ / "b").string() + "'"), 0);
  auto a = Tree(base_ / "a");
  auto b = Tree(base_ / "b");
  ASSERT_EQ(a.size(), AllExpectedFiles().size());
  for (const std::string& f : AllExpectedFiles()) {
    ASSERT_TRUE(a.count(f)) << f;
    EXPECT_FALSE(a[f].empty()) << f;
    EXPECT_TRUE(a[f] == b[f]) << f << " differs between runs";
    EXPECT_TRUE(a[f] == ReadFileBytes(ProgramDir() + "/" + f)) << f << " differs from the build";
  }
}

TEST_F(ToolRun, ContactSheetShowsEveryPicture) {
  fs::path sheet = base_ / "sheet.bmp";
  ASSERT_EQ(
      RunTool("--out '" + (base_ / "a").string() + "' --contact-sheet '" + sheet.string() + "'"),
      0);
  std::string error;
  Picture p = LoadPicture(sheet.string(), &error);
  ASSERT_GT(p.width, 0) << error;
  // Enough room for the station, the HUD and forty-odd smaller pictures.
  EXPECT_GE(p.width * p.height, 256 * 256 + 152 * 360 + 44 * 96 * 96);
  // Transparent black is shown as grey, so no pure black is left.
  EXPECT_DOUBLE_EQ(p.Coverage(), 1.0);
}

TEST_F(ToolRun, FailsWithoutAUsableOutputFolder) {
  EXPECT_EQ(RunTool(""), 2);
  EXPECT_EQ(RunTool("--out"), 2);
  EXPECT_EQ(RunTool("--bogus x"), 2);
  // A regular file where the folder should be.
  fs::path blocker = base_ / "file";
  { std::ofstream(blocker) << "x"; }
  EXPECT_EQ(RunTool("--out '" + blocker.string() + "'"), 1);
}

}  // namespace
}  // namespace sbtest
