// The portable functions give exactly the committed results (see
// golden_set.h); a Windows build must pass this too.
#include <gtest/gtest.h>

#include <cstdio>

#include "golden_set.h"

namespace sbtest::golden {
namespace {

TEST(PortableMathGolden, ResultsMatchTheCommittedHashBitForBit) {
  const uint64_t hash = GoldenHash();
  char hex[32];
  std::snprintf(hex, sizeof hex, "0x%016llxull", static_cast<unsigned long long>(hash));
  EXPECT_EQ(hash, kGoldenHash) << "golden hash is now " << hex;
  EXPECT_EQ(GoldenHash(), hash);  // nothing carries over from one call to the next
}

}  // namespace
}  // namespace sbtest::golden
