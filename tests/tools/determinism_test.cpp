// The tool itself: same bytes on every run, the same as the build's copy,
// and exactly the files the game loads.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "generated_files.h"

namespace sbtest {
namespace {

namespace fs = std::filesystem;

int RunTool(const std::string& args) {
  const std::string command = std::string("'") + SB_ASSETGEN + "' " + args + " 2>/dev/null";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class ToolRun : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(base_); }
  void TearDown() override { fs::remove_all(base_); }
  const fs::path base_ = fs::temp_directory_path() / ("assetgen_test_" + std::to_string(getpid()));
};

TEST_F(ToolRun, TwoRunsWriteIdenticalBytesMatchingTheBuild) {
  const fs::path a = base_ / "a", b = base_ / "b";
  ASSERT_EQ(RunTool("--out '" + a.string() + "'"), 0);
  ASSERT_EQ(RunTool("--out '" + b.string() + "'"), 0);
  std::size_t written = 0;
  for (const auto& e : fs::recursive_directory_iterator(a)) written += e.is_regular_file();
  EXPECT_EQ(written, AllExpectedFiles().size());
  for (const std::string& f : AllExpectedFiles()) {
    const std::vector<std::uint8_t> first = ReadFileBytes((a / f).string());
    EXPECT_FALSE(first.empty()) << f;
    EXPECT_TRUE(first == ReadFileBytes((b / f).string())) << f << " differs between runs";
    EXPECT_TRUE(first == ReadFileBytes(ProgramDir() + "/" + f)) << f << " differs from the build";
  }
}

}  // namespace
}  // namespace sbtest
