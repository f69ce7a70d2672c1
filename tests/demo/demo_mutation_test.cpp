// Thousands of damaged demos through the reader: each is either refused with
// a reason or read as a demo that is consistent in itself. Never a crash, a
// hang or a huge allocation (the sanitizer build runs this too).
#include <gtest/gtest.h>

#include <random>

#include "demo/demo_format.h"

namespace sb::demo {
namespace {

std::vector<uint8_t> Original() {
  Demo d;
  d.gameVersion = "1.0.0";
  d.seed = 99;
  d.design = 3;
  std::mt19937 rng(5);
  KeyMask mask = 0;
  for (int i = 0; i < 700; ++i) {
    if (rng() % 9 == 0) mask = static_cast<KeyMask>(rng() & 0x7FF);
    d.AddPasses(mask);
  }
  d.checks.assign(Demo::ExpectedChecks(700, false), 0x0123456789ABCDEFull);
  return Encode(d);
}

// Offsets of the pass count and the key run count in Original().
constexpr size_t kCountFields[] = {27, 31};

// One random damage: flipped bits, overwritten, inserted or removed bytes,
// a cut, another pass or run count, or a large count written over a field.
void Mutate(std::vector<uint8_t>& b, std::mt19937& rng) {
  const auto at = [&] { return b.empty() ? 0 : rng() % b.size(); };
  switch (rng() % 7) {
    case 5: {
      const size_t field = kCountFields[rng() % 2];
      const auto random = static_cast<uint32_t>(rng());
      const uint32_t values[] = {0, 1, 699, 701, kMaxPasses, kMaxPasses + 1, random, random % 2000};
      const uint32_t v = values[rng() % std::size(values)];
      for (size_t i = 0; i < 4 && field + i < b.size(); ++i) {
        b[field + i] = static_cast<uint8_t>(v >> (8 * i));
      }
      break;
    }
    case 0:
      if (!b.empty()) b[at()] ^= static_cast<uint8_t>(1u << (rng() % 8));
      break;
    case 1:
      if (!b.empty()) b[at()] = static_cast<uint8_t>(rng());
      break;
    case 2:
      b.insert(b.begin() + static_cast<long>(at()), static_cast<uint8_t>(rng()));
      break;
    case 3:
      if (!b.empty()) b.erase(b.begin() + static_cast<long>(at()));
      break;
    case 4:
      b.resize(at());
      break;
    default:
      for (int i = 0; i < 4 && !b.empty(); ++i) b[at()] = 0xFF;
  }
}

void FixChecksum(std::vector<uint8_t>& b) {
  if (b.size() < 4) return;
  const uint32_t crc = Crc32(b.data(), b.size() - 4);
  for (int i = 0; i < 4; ++i) b[b.size() - 4 + i] = static_cast<uint8_t>(crc >> (8 * i));
}

TEST(DemoMutation, DamagedDemosAreRefusedOrConsistent) {
  const std::vector<uint8_t> original = Original();
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

}  // namespace
}  // namespace sb::demo
