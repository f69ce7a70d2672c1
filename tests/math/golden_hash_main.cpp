// The golden hash as a program of its own, with no test framework, so that a
// build for another system (a cross-compiled Windows build run under Wine)
// can show it computes the same bits. Prints the hash; exit status 0 when it
// is the committed one, 1 otherwise.
#include <cstdio>

#include "golden_set.h"

int main() {
  const uint64_t hash = sbtest::golden::GoldenHash();
  const bool same = hash == sbtest::golden::kGoldenHash;
  std::printf("portable math golden hash 0x%016llx: %s\n", static_cast<unsigned long long>(hash),
              same ? "as committed" : "DIFFERS from the committed one");
  return same ? 0 : 1;
}
