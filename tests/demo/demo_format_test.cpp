// The demo file format: round trips, size, every kind of bad file the reader
// must refuse with a reason, and random damage.
#include "demo/demo_format.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <utility>

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
    d.AddPasses(mask);
  }
  for (size_t i = 0; i < Demo::ExpectedChecks(passes, endedByError); ++i) {
    d.checks.push_back(rng() * 0x100000001ull);
  }
  return d;
}

// Decoding `d`'s bytes gives `d` back: every field is written, so equal
// encodings are equal demos.
void ExpectRoundTrip(const Demo& d) {
  const DecodeResult r = Decode(Encode(d));
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(Encode(r.demo), Encode(d));
}

TEST(DemoFormat, RoundTripsAtTheEdgesOfItsCounts) {
  for (uint32_t passes : {0u, 1u, 59u, 60u, 61u, 119u, 120u, 5000u}) {
    for (bool error : {false, true}) {
      if (passes == 0 && error) continue;
      SCOPED_TRACE(std::to_string(passes) + (error ? " error" : ""));
      ExpectRoundTrip(SampleDemo(passes, error));
    }
  }
  // One key held for a very long run needs a multi-byte run length.
  Demo held = SampleDemo(0);
  held.AddPasses(0x401, 300000);
  held.checks.assign(Demo::ExpectedChecks(300000, false), 7);
  ExpectRoundTrip(held);
}

void FixChecksum(std::vector<uint8_t>& bytes) {
  if (bytes.size() < 4) return;
  const uint32_t crc = Crc32(bytes.data(), bytes.size() - 4);
  for (int i = 0; i < 4; ++i) bytes[bytes.size() - 4 + i] = static_cast<uint8_t>(crc >> (8 * i));
}

// The reader's verdict on bytes changed by `edit`.
std::string ErrorAfter(const std::function<void(std::vector<uint8_t>&)>& edit,
                       bool fixChecksum = true) {
  std::vector<uint8_t> bytes = Encode(SampleDemo(130));
  edit(bytes);
  if (fixChecksum) FixChecksum(bytes);
  return Decode(bytes).error;
}

// Offsets in SampleDemo's encoding: magic 8, format 2, version length 1 +
// "1.2.3" 5, seed 8, design 2, flags 1, passes 4, runs 4, then the runs.
constexpr size_t kFormatAt = 8, kFlagsAt = 26, kPassesAt = 27, kRunsAt = 31, kFirstRunAt = 35;

void PutU32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// A 10-pass demo whose first key run's length is written as `length`, raw.
std::string ErrorWithFirstRunLength(const std::vector<uint8_t>& length) {
  Demo d = SampleDemo(0);
  d.AddPasses(1, 1);
  d.AddPasses(2, 9);
  std::vector<uint8_t> bytes = Encode(d);
  bytes.erase(bytes.begin() + kFirstRunAt + 2);  // the one-byte length 1
  bytes.insert(bytes.begin() + kFirstRunAt + 2, length.begin(), length.end());
  FixChecksum(bytes);
  return Decode(bytes).error;
}

// Damaged files are refused by the random damage below; these are the
// reasons that tell a player what is wrong, and the varint forms random
// damage would rarely make.
TEST(DemoFormat, BadFilesAreRefusedWithTheirReason) {
  EXPECT_EQ(Decode({}).error, "empty file");
  EXPECT_EQ(ErrorAfter([](auto& b) { b[0] = 'X'; }), "not a spacebattle demo (wrong magic)");
  EXPECT_EQ(ErrorAfter([](auto& b) { b[kFormatAt] = 2; }),
            "demo format version 2 is not supported (this game reads 1)");
  EXPECT_EQ(ErrorAfter([](auto& b) { b[kFlagsAt] = 4; }), "unknown flags");
  EXPECT_EQ(ErrorAfter([](auto& b) { PutU32(b, kPassesAt, 0xFFFFFFF0u); }),
            "pass count 4294967280 is over the limit of 100000000");
  Demo extra = SampleDemo(130);
  extra.checks.push_back(1);
  EXPECT_EQ(Decode(Encode(extra)).error, "wrong number of check values: 4 for 130 passes, not 3");
  EXPECT_EQ(ErrorAfter([](auto& b) { b[40] ^= 1; }, false),
            "corrupted or truncated (checksum mismatch)");

  // The length of a run: padded, over 32 bits, or 0.
  const std::pair<std::vector<uint8_t>, std::string> lengths[] = {
      {{0x01}, ""},
      {{0x81, 0x00}, "key run 0: length not in its shortest varint form"},
      {{0x81, 0x80, 0x00}, "key run 0: length not in its shortest varint form"},
      {{0x81, 0x80, 0x80, 0x80, 0x10}, "key run 0: length varint over 32 bits"},
      {{0x81, 0x80, 0x80, 0x80, 0x80, 0x00}, "key run 0: length varint over 32 bits"},
      {{0x00}, "key run 0 has length 0"},
  };
  for (const auto& [length, why] : lengths) EXPECT_EQ(ErrorWithFirstRunLength(length), why);
}

TEST(DemoFormat, APassCountIsHeldAgainstTheCheckValuesTheFileCanHold) {
  // 49 bytes claiming the longest battle: one key run, no check values.
  Demo claim = SampleDemo(0);
  claim.gameVersion = "1.0.0";
  claim.checks.clear();
  claim.AddPasses(0, kMaxPasses);
  std::vector<uint8_t> bytes = Encode(claim);
  EXPECT_EQ(bytes.size(), 49u);
  EXPECT_EQ(Decode(bytes).error,
            "pass count 100000000 calls for 1666667 check values, more than the 10 bytes left "
            "can hold");
  // With its check values it is a demo, and is read as runs, not passes.
  claim.checks.assign(Demo::ExpectedChecks(kMaxPasses, false), 5);
  const DecodeResult r = Decode(Encode(claim));
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.demo.passes(), kMaxPasses);
  EXPECT_EQ(r.demo.keyRuns().size(), 1u);

  // No passes: a battle closed as it began holds its start state; one whose
  // set-up failed holds nothing.
  for (bool error : {false, true}) {
    const Demo none = SampleDemo(0, error);
    EXPECT_EQ(none.checks.size(), error ? 0u : 1u);
    EXPECT_EQ(Decode(Encode(none)).error, "");
  }
}

// One random damage: flipped bits, overwritten, inserted or removed bytes,
// a cut, bytes set to 0xFF, or another pass or run count (large ones too).
void Mutate(std::vector<uint8_t>& b, std::mt19937& rng) {
  const unsigned kind = rng() % 7;
  if (b.empty() && kind != 2) return;
  const size_t at = b.empty() ? 0 : rng() % b.size();
  const auto byte = static_cast<uint8_t>(rng());
  if (kind == 0) b[at] ^= static_cast<uint8_t>(1u << (byte % 8));
  if (kind == 1) b[at] = byte;
  if (kind == 2) b.insert(b.begin() + static_cast<long>(at), byte);
  if (kind == 3) b.erase(b.begin() + static_cast<long>(at));
  if (kind == 4) b.resize(at);
  for (int i = 0; kind == 5 && i < 4; ++i) b[rng() % b.size()] = 0xFF;
  if (kind == 6) {
    const size_t field = byte % 2 ? kPassesAt : kRunsAt;
    const auto random = static_cast<uint32_t>(rng());
    const uint32_t values[] = {0, 1, 699, 701, kMaxPasses, kMaxPasses + 1, random, random % 2000};
    const uint32_t v = values[rng() % std::size(values)];
    for (size_t i = 0; i < 4 && field + i < b.size(); ++i) b[field + i] = uint8_t(v >> (8 * i));
  }
}

// Thousands of damaged demos: each is refused with a reason or read as a
// demo consistent in itself; never a crash, a hang or a huge allocation.
TEST(DemoFormat, DamagedDemosAreRefusedOrConsistent) {
  const std::vector<uint8_t> original = Encode(SampleDemo(700));
  std::mt19937 rng(20261206);
  int refused = 0, read = 0;
  for (int round = 0; round < 4000; ++round) {
    std::vector<uint8_t> bytes = original;
    const int damages = 1 + static_cast<int>(rng() % 3);
    for (int i = 0; i < damages; ++i) Mutate(bytes, rng);
    // Half the time the checksum is made to match, so that the structure
    // checks behind it are reached too.
    if (round % 2 == 0) FixChecksum(bytes);
    const DecodeResult r = Decode(bytes);
    if (!r.error.empty()) {
      ++refused;
      continue;
    }
    ++read;
    const Demo& d = r.demo;
    ASSERT_LE(d.passes(), kMaxPasses);
    ASSERT_EQ(d.checks.size(), Demo::ExpectedChecks(d.passes(), d.endedByError));
    ASSERT_GE(d.design, 1);
    ASSERT_LE(d.design, kMaxDesignIndex);
    for (const KeyRun& run : d.keyRuns()) ASSERT_EQ(run.mask & ~0x7FF, 0);
    // What was read takes no more room than the bytes it came from.
    ASSERT_LE(d.keyRuns().size() * 3 + d.checks.size() * 8, bytes.size());
    // What was read writes back to the very same bytes.
    ASSERT_EQ(Encode(d), bytes) << "round " << round;
  }
  EXPECT_GT(refused, 3000);
  RecordProperty("read", read);
}

TEST(FrameStats, MedianPercentileAndRate) {
  std::vector<double> frames(100, 0.004);
  frames[10] = 0.050;  // one slow frame: the 99th percentile of 100 ignores it
  FrameStats s = ComputeFrameStats(frames);
  EXPECT_NEAR(s.medianMs, 4, 1e-9);
  EXPECT_NEAR(s.p99Ms, 4, 1e-9);

  EXPECT_EQ(ComputeFrameStats({}).frames, 0u);  // no frames: nothing to sort or divide
  // The line's seconds and rate come from the frames' sum.
  EXPECT_EQ(
      FrameStatsLine("d.sbd", ComputeFrameStats({0.004, 0.004})),
      "timedemo 'd.sbd': 2 frames, 0.01 s, 250.0 fps, median 4.00 ms, 99th percentile 4.00 ms");
}

}  // namespace
}  // namespace sb::demo
