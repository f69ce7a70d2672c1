// The demo file format: round trips, size, and every kind of bad file the
// reader must refuse with a reason.
#include "demo/demo_format.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>

#include "demo/demo_file.h"
#include "demo/frame_stats.h"

namespace sb::demo {
namespace {

// A demo of `passes` passes whose keys change every few passes.
Demo SampleDemo(uint32_t passes, bool endedByError = false) {
  Demo d;
  d.gameVersion = "1.2.3";
  d.seed = 0xFEEDFACECAFEBEEFull;
  d.design = 17;
  d.endedByError = endedByError;
  std::mt19937 rng(passes);
  KeyMask mask = 0;
  for (uint32_t i = 0; i < passes; ++i) {
    if (rng() % 6 == 0) mask = static_cast<KeyMask>(rng() & 0x7FF);
    d.keys.push_back(mask);
  }
  for (size_t i = 0; i < Demo::ExpectedChecks(passes, endedByError); ++i) {
    d.checks.push_back(rng() * 0x100000001ull);
  }
  return d;
}

void ExpectSame(const Demo& a, const Demo& b) {
  EXPECT_EQ(a.gameVersion, b.gameVersion);
  EXPECT_EQ(a.seed, b.seed);
  EXPECT_EQ(a.design, b.design);
  EXPECT_EQ(a.endedByError, b.endedByError);
  EXPECT_EQ(a.keys, b.keys);
  EXPECT_EQ(a.checks, b.checks);
}

TEST(DemoFormat, RoundTripsAtTheEdgesOfItsCounts) {
  for (uint32_t passes : {0u, 1u, 59u, 60u, 61u, 119u, 120u, 5000u}) {
    for (bool error : {false, true}) {
      if (passes == 0 && error) continue;
      const Demo d = SampleDemo(passes, error);
      const DecodeResult r = Decode(Encode(d));
      ASSERT_EQ(r.error, "") << passes << (error ? " error" : "");
      ExpectSame(r.demo, d);
    }
  }
  // One key held for a very long run needs a multi-byte run length.
  Demo held = SampleDemo(0);
  held.keys.assign(300000, 0x401);
  held.checks.assign(Demo::ExpectedChecks(300000, false), 7);
  const DecodeResult r = Decode(Encode(held));
  ASSERT_EQ(r.error, "");
  ExpectSame(r.demo, held);
}

TEST(DemoFormat, CheckCountsFollowThePassCount) {
  EXPECT_EQ(Demo::ExpectedChecks(0, false), 1u);
  EXPECT_EQ(Demo::ExpectedChecks(59, false), 1u);
  EXPECT_EQ(Demo::ExpectedChecks(60, false), 2u);  // after pass 60, and the end
  EXPECT_EQ(Demo::ExpectedChecks(60, true), 0u);   // pass 60 never finished
  EXPECT_EQ(Demo::ExpectedChecks(61, true), 1u);
}

TEST(DemoFormat, ATenMinuteBattleIsWellUnder100KB) {
  // Keys changing about every sixth pass, much busier than real play.
  const Demo d = SampleDemo(36000);
  EXPECT_LT(Encode(d).size(), 100u * 1024);
}

// The reader's verdict on bytes changed by `edit`.
std::string ErrorAfter(const std::function<void(std::vector<uint8_t>&)>& edit,
                       bool fixChecksum = true) {
  std::vector<uint8_t> bytes = Encode(SampleDemo(130));
  edit(bytes);
  if (fixChecksum && bytes.size() >= 4) {
    const uint32_t crc = Crc32(bytes.data(), bytes.size() - 4);
    for (int i = 0; i < 4; ++i) bytes[bytes.size() - 4 + i] = static_cast<uint8_t>(crc >> (8 * i));
  }
  return Decode(bytes).error;
}

// Offsets in SampleDemo's encoding: magic 8, format 2, version length 1 +
// "1.2.3" 5, seed 8, design 2, flags 1, passes 4, runs 4.
constexpr size_t kFormatAt = 8, kDesignAt = 24, kFlagsAt = 26, kPassesAt = 27, kRunsAt = 31;

void PutU32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

TEST(DemoFormat, BadFilesAreRefusedWithTheirReason) {
  EXPECT_EQ(Decode({}).error, "empty file");
  EXPECT_EQ(ErrorAfter([](auto& b) { b[0] = 'X'; }), "not a spacebattle demo (wrong magic)");
  EXPECT_EQ(ErrorAfter([](auto& b) { b.resize(5); }, false),
            "not a spacebattle demo (wrong magic)");
  EXPECT_EQ(ErrorAfter([](auto& b) { b[kFormatAt] = 2; }),
            "demo format version 2 is not supported (this game reads 1)");
  EXPECT_EQ(ErrorAfter([](auto& b) { b[kDesignAt] = 0; }), "design index 0 out of range");
  EXPECT_EQ(ErrorAfter([](auto& b) { b[kDesignAt] = 41; }), "design index 41 out of range");
  EXPECT_EQ(ErrorAfter([](auto& b) { b[kFlagsAt] = 4; }), "unknown flags");
  EXPECT_EQ(ErrorAfter([](auto& b) { PutU32(b, kPassesAt, 0xFFFFFFF0u); }),
            "absurd pass count 4294967280");
  EXPECT_EQ(ErrorAfter([](auto& b) { PutU32(b, kRunsAt, 100000); }), "absurd key run count 100000");
  EXPECT_EQ(ErrorAfter([](auto& b) { PutU32(b, kPassesAt, 131); }),
            "key runs cover fewer passes than the demo has");
  const std::string tooLong = ErrorAfter([](auto& b) { PutU32(b, kPassesAt, 100); });
  EXPECT_EQ(tooLong.rfind("key run ", 0), 0u) << tooLong;
  EXPECT_NE(tooLong.find(" has a bad length"), std::string::npos) << tooLong;
  // The first key run's mask with a bit no battle key has.
  EXPECT_EQ(ErrorAfter([](auto& b) { b[kRunsAt + 5] = 0x08; }), "key run 0 holds unknown keys");
  EXPECT_EQ(ErrorAfter([](auto& b) { b.insert(b.end() - 4, 0); }),
            "unexpected bytes after the check values");
  EXPECT_EQ(ErrorAfter([](auto& b) { b.erase(b.end() - 12, b.end() - 4); }),
            "truncated check values");
  // Without a matching checksum, any change in the body or a cut is found.
  EXPECT_EQ(ErrorAfter([](auto& b) { b[40] ^= 1; }, false),
            "corrupted or truncated (checksum mismatch)");
  EXPECT_EQ(ErrorAfter([](auto& b) { b.resize(b.size() - 1); }, false),
            "corrupted or truncated (checksum mismatch)");
}

TEST(DemoFile, WritesThroughATemporaryFileAndReadsBack) {
  const std::string path = ::testing::TempDir() + "demo_file_test.sbd";
  const Demo d = SampleDemo(200);
  ASSERT_EQ(WriteDemoFile(path, d), "");
  std::ifstream tmp(path + ".tmp");
  EXPECT_FALSE(tmp.good()) << "the temporary file was left behind";
  const DecodeResult r = ReadDemoFile(path);
  ASSERT_EQ(r.error, "");
  ExpectSame(r.demo, d);
  std::remove(path.c_str());

  EXPECT_EQ(ReadDemoFile(path).error,
            "spacebattle: demo " + path + ": cannot open (No such file or directory)");
  const std::string nowhere = ::testing::TempDir() + "no/such/folder/x.sbd";
  EXPECT_EQ(WriteDemoFile(nowhere, d).rfind("spacebattle: demo " + nowhere + ": cannot write", 0),
            0u);
  EXPECT_EQ(CheckWritable(nowhere),
            "spacebattle: demo " + nowhere + ": cannot write (No such file or directory)");
  EXPECT_EQ(CheckWritable(path), "");
  EXPECT_FALSE(std::ifstream(path).good()) << "the check left a file behind";
}

TEST(FrameStats, MedianPercentileAndRate) {
  std::vector<double> frames(100, 0.004);
  frames[10] = 0.050;  // one slow frame: the 99th percentile of 100 ignores it
  FrameStats s = ComputeFrameStats(frames);
  EXPECT_EQ(s.frames, 100u);
  EXPECT_NEAR(s.seconds, 99 * 0.004 + 0.050, 1e-12);
  EXPECT_NEAR(s.fps, 100 / s.seconds, 1e-9);
  EXPECT_NEAR(s.medianMs, 4, 1e-9);
  EXPECT_NEAR(s.p99Ms, 4, 1e-9);
  frames[20] = 0.060;  // two slow frames: now it does not
  EXPECT_NEAR(ComputeFrameStats(frames).p99Ms, 50, 1e-9);

  s = ComputeFrameStats({0.001, 0.003});
  EXPECT_NEAR(s.medianMs, 2, 1e-9);  // the mean of the middle two
  EXPECT_NEAR(s.p99Ms, 3, 1e-9);
  EXPECT_NEAR(ComputeFrameStats({0.007}).p99Ms, 7, 1e-9);
  EXPECT_EQ(ComputeFrameStats({}).frames, 0u);
  EXPECT_EQ(FrameStatsLine("d.sbd", ComputeFrameStats({0.004, 0.004})),
            "timedemo d.sbd: 2 frames, 0.01 s, 250.0 fps, median 4.00 ms, 99th percentile 4.00 ms");
}

}  // namespace
}  // namespace sb::demo
