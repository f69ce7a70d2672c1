// Demo files on disk: a recording replaces nothing but a regular file and
// leaves no other file behind; reading refuses what is not a regular
// file, or is too large, at once, and costs memory in proportion to the
// file, not to what it claims. Everything happens in a folder of the
// test's own.
#include "demo/demo_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>

namespace sb::demo {
namespace {

namespace fs = std::filesystem;

Demo SmallDemo() {
  Demo d;
  d.gameVersion = "1.0.0";
  d.seed = 31;
  d.design = 4;
  for (uint32_t i = 0; i < 200; ++i) d.AddPasses(static_cast<KeyMask>(i / 7 % 5));
  d.checks.assign(Demo::ExpectedChecks(200, false), 0xABCDEF);
  return d;
}

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void Put(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// How far the peak resident memory grew while `work` ran, in MiB; -1 where
// the system keeps no such figure.
double PeakGrowthMiB(const std::function<void()>& work) {
  const auto statusKb = [](const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
      if (line.rfind(field + ":", 0) == 0) return std::stol(line.substr(field.size() + 1));
    }
    return -1L;
  };
  {
    std::ofstream reset("/proc/self/clear_refs");
    reset << "5";  // sets the peak (VmHWM) to what is resident now
    reset.flush();
    if (!reset) return -1;
  }
  const long before = statusKb("VmRSS");
  work();
  const long peak = statusKb("VmHWM");
  if (before < 0 || peak < 0) return -1;
  return static_cast<double>(peak - before) / 1024;
}

class DemoFile : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = ::testing::TempDir() + "demo_file_XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }
  // What the folder holds besides `except`.
  std::vector<std::string> Others(const std::set<std::string>& except = {}) const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      const std::string name = entry.path().filename().string();
      if (!except.contains(name)) names.push_back(name);
    }
    return names;
  }
  std::string At(const std::string& name) const { return (dir_ / name).string(); }
  // "spacebattle: demo 'PATH': "
  std::string Problem(const std::string& name) const {
    return "spacebattle: demo '" + At(name) + "': ";
  }
  fs::path dir_;
};

TEST_F(DemoFile, WritesANewFileOfItsOwnAndMovesItIntoPlace) {
  const Demo d = SmallDemo();
  ASSERT_EQ(CheckWritable(At("x.sbd")), "");
  ASSERT_EQ(WriteDemoFile(At("x.sbd"), d), "");
  DecodeResult r = ReadDemoFile(At("x.sbd"));
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.demo.keyRuns(), d.keyRuns());

  // A regular file is replaced whole.
  Put(dir_ / "old.sbd", std::string(100000, 'o'));
  ASSERT_EQ(WriteDemoFile(At("old.sbd"), d), "");
  EXPECT_EQ(ReadDemoFile(At("old.sbd")).error, "");

  // The probe at start leaves nothing behind either.
  ASSERT_EQ(CheckWritable(At("y.sbd")), "");
  EXPECT_EQ(Others({"x.sbd", "old.sbd"}), std::vector<std::string>{});
}

TEST_F(DemoFile, OnlyARegularFileIsReplaced) {
  const Demo d = SmallDemo();
  fs::create_directory(dir_ / "folder.sbd");
  Put(dir_ / "target.sbd", "kept");
  fs::create_symlink(dir_ / "target.sbd", dir_ / "link.sbd");
  fs::create_symlink(dir_ / "nowhere.sbd", dir_ / "dangling.sbd");
  ASSERT_EQ(mkfifo(At("fifo.sbd").c_str(), 0600), 0);

  const std::pair<const char*, const char*> refused[] = {
      {"folder.sbd", "is a folder, not a regular file"},
      {"folder.sbd/", "names a folder, not a file"},
      {"link.sbd", "is a symbolic link, not a regular file"},
      {"dangling.sbd", "is a symbolic link, not a regular file"},
      {"fifo.sbd", "is a FIFO, not a regular file"},
      {"none/x.sbd", "cannot create a file in its folder (No such file or directory)"},
      {"target.sbd/x.sbd", "cannot write (Not a directory)"},
  };
  for (const auto& [name, why] : refused) EXPECT_EQ(CheckWritable(At(name)), Problem(name) + why);

  // Should a link appear while the battle is played, the demo is kept in a
  // file of its own and the link is left alone.
  EXPECT_NE(WriteDemoFile(At("link.sbd"), d).find("; the demo is left in '"), std::string::npos);
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.sbd"));
  EXPECT_EQ(Contents(dir_ / "target.sbd"), "kept");

  // Reading follows a link to a demo, and refuses a FIFO without waiting
  // for a writer.
  ASSERT_EQ(WriteDemoFile(At("target.sbd"), d), "");
  EXPECT_EQ(ReadDemoFile(At("link.sbd")).error, "");
  EXPECT_EQ(ReadDemoFile(At("fifo.sbd")).error, Problem("fifo.sbd") + "is a FIFO, not a demo file");
  EXPECT_NE(ReadDemoFile(At("folder.sbd")).error, "");
}

// Memory follows the file, not what it claims: the longest battle the
// format allows (100 million passes in one key run, 13 MB with its check
// values) and a file far over the size limit.
TEST_F(DemoFile, MemoryFollowsTheFileNotWhatItClaims) {
  Demo longest;
  longest.gameVersion = "1.0.0";
  longest.AddPasses(0x1, kMaxPasses);
  longest.checks.assign(Demo::ExpectedChecks(kMaxPasses, false), 9);
  ASSERT_EQ(WriteDemoFile(At("longest.sbd"), longest), "");
  longest = Demo{};
  DecodeResult read;
  const double longestMiB = PeakGrowthMiB([&] { read = ReadDemoFile(At("longest.sbd")); });
  ASSERT_EQ(read.error, "");
  EXPECT_EQ(read.demo.passes(), kMaxPasses);
  read = DecodeResult{};

  { std::ofstream(dir_ / "huge.sbd"); }
  fs::resize_file(dir_ / "huge.sbd", 100 << 20);  // sparse: no byte on disk
  const double hugeMiB = PeakGrowthMiB([&] { read = ReadDemoFile(At("huge.sbd")); });
  EXPECT_EQ(read.error, Problem("huge.sbd") + "too large to be a demo (over 64 MiB)");

  if (longestMiB < 0) GTEST_SKIP() << "no peak memory figure on this system";
  EXPECT_LT(longestMiB, 50);
  EXPECT_LT(hugeMiB, 5);
}

}  // namespace
}  // namespace sb::demo
