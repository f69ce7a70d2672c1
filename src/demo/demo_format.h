// A recorded battle: its seed, the player's design, the battle keys held in
// each pass and check values of the battle's state. The file layout is
// described in docs/demo-format.md.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sb::demo {

inline constexpr char kMagic[8] = {'S', 'B', 'D', 'E', 'M', 'O', '\r', '\n'};
inline constexpr uint16_t kFormatVersion = 1;
// A check value is stored after every this many passes.
inline constexpr uint32_t kCheckInterval = 60;
// Longer than any battle anyone plays (over 19 days at 60 passes a second).
inline constexpr uint32_t kMaxPasses = 100'000'000;
inline constexpr size_t kMaxGameVersionLength = 32;
// Designs are numbered within the catalogue table's bounds.
inline constexpr int kMaxDesignIndex = 40;

// Bit i of a key mask is keys::kBattleKeys[i].
using KeyMask = uint16_t;

// The same keys held for `length` passes in a row.
struct KeyRun {
  KeyMask mask = 0;
  uint32_t length = 0;
  bool operator==(const KeyRun&) const = default;
};

struct Demo {
  std::string gameVersion;
  uint64_t seed = 0;
  int16_t design = 1;
  // The battle ended with a run-time error during its last pass.
  bool endedByError = false;
  // State after passes 60, 120, ...; then, unless the battle ended by an
  // error, the state at its end.
  std::vector<uint64_t> checks;

  // The battle keys of every pass, kept run-length coded as on file (a
  // run's mask differs from the one before it): a demo costs memory in
  // proportion to its size, not to its length.
  const std::vector<KeyRun>& keyRuns() const { return keyRuns_; }
  uint32_t passes() const { return passes_; }
  // Adds `length` passes with keys `mask` at the end.
  void AddPasses(KeyMask mask, uint32_t length = 1);

  // How many check values a demo of this length holds.
  static size_t ExpectedChecks(uint32_t passes, bool endedByError);

 private:
  std::vector<KeyRun> keyRuns_;
  uint32_t passes_ = 0;
};

// The file's bytes.
std::vector<uint8_t> Encode(const Demo& demo);

struct DecodeResult {
  Demo demo;
  std::string error;  // empty when the bytes are a good demo
};

// Never trusts a length or count before checking it against what is left.
DecodeResult Decode(const std::vector<uint8_t>& bytes);

// CRC-32 (IEEE), as stored at the end of the file.
uint32_t Crc32(const uint8_t* data, size_t size);

}  // namespace sb::demo
