#include "demo/demo_format.h"

#include <cstring>
#include <iterator>

#include "core/key_codes.h"

namespace sb::demo {

namespace {

constexpr KeyMask kUsedKeyBits = static_cast<KeyMask>((1u << std::size(keys::kBattleKeys)) - 1);
constexpr uint8_t kFlagEndedByError = 1;
// The smallest key run on file: a mask and a one-byte length.
constexpr size_t kMinRunBytes = 3;

class Writer {
 public:
  void U8(uint8_t v) { bytes.push_back(v); }
  void U16(uint16_t v) { Little(v, 2); }
  void U32(uint32_t v) { Little(v, 4); }
  void U64(uint64_t v) { Little(v, 8); }
  // Unsigned LEB128: seven bits a byte, low bits first.
  void VarU32(uint32_t v) {
    while (v >= 0x80) {
      U8(static_cast<uint8_t>(v | 0x80));
      v >>= 7;
    }
    U8(static_cast<uint8_t>(v));
  }
  std::vector<uint8_t> bytes;

 private:
  void Little(uint64_t v, int size) {
    for (int i = 0; i < size; ++i) U8(static_cast<uint8_t>(v >> (8 * i)));
  }
};

class Reader {
 public:
  Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  size_t left() const { return size_ - at_; }
  bool U8(uint8_t& v) { return Little(v, 1); }
  bool U16(uint16_t& v) { return Little(v, 2); }
  bool U32(uint32_t& v) { return Little(v, 4); }
  bool U64(uint64_t& v) { return Little(v, 8); }
  bool Bytes(void* out, size_t n) {
    if (left() < n) return false;
    std::memcpy(out, data_ + at_, n);
    at_ += n;
    return true;
  }
  enum class Varint { Ok, Truncated, NotShortest, TooLarge };
  Varint VarU32(uint32_t& v) {
    v = 0;
    for (int shift = 0; shift < 35; shift += 7) {
      uint8_t b = 0;
      if (!U8(b)) return Varint::Truncated;
      if (shift == 28 && (b & 0x70) != 0) return Varint::TooLarge;
      v |= static_cast<uint32_t>(b & 0x7F) << shift;
      if ((b & 0x80) == 0) {
        // A last byte of 0 after others is padding: not the shortest form.
        return shift == 0 || b != 0 ? Varint::Ok : Varint::NotShortest;
      }
    }
    return Varint::TooLarge;
  }

 private:
  template <typename T>
  bool Little(T& v, int size) {
    if (left() < static_cast<size_t>(size)) return false;
    uint64_t value = 0;
    for (int i = 0; i < size; ++i) value |= static_cast<uint64_t>(data_[at_ + i]) << (8 * i);
    at_ += static_cast<size_t>(size);
    v = static_cast<T>(value);
    return true;
  }
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

std::string DecodeHeader(Reader& r, Demo& d) {
  char magic[sizeof kMagic];
  if (!r.Bytes(magic, sizeof magic) || std::memcmp(magic, kMagic, sizeof magic) != 0) {
    return "not a spacebattle demo (wrong magic)";
  }
  uint16_t format = 0;
  if (!r.U16(format)) return "truncated header";
  if (format != kFormatVersion) {
    return "demo format version " + std::to_string(format) + " is not supported (this game reads " +
           std::to_string(kFormatVersion) + ")";
  }
  uint8_t length = 0;
  if (!r.U8(length)) return "truncated header";
  if (length == 0 || length > kMaxGameVersionLength) return "bad game version length";
  d.gameVersion.resize(length);
  if (!r.Bytes(d.gameVersion.data(), length)) return "truncated header";
  uint16_t design = 0;
  uint8_t flags = 0;
  if (!r.U64(d.seed) || !r.U16(design) || !r.U8(flags)) return "truncated header";
  if (design < 1 || design > kMaxDesignIndex) {
    return "design index " + std::to_string(design) + " out of range";
  }
  d.design = static_cast<int16_t>(design);
  if ((flags & ~kFlagEndedByError) != 0) return "unknown flags";
  d.endedByError = (flags & kFlagEndedByError) != 0;
  return "";
}

std::string DecodeKeys(Reader& r, Demo& d) {
  uint32_t passes = 0, runs = 0;
  if (!r.U32(passes) || !r.U32(runs)) return "truncated key list";
  if (passes > kMaxPasses) {
    return "pass count " + std::to_string(passes) + " is over the limit of " +
           std::to_string(kMaxPasses);
  }
  // Every run holds at least one pass.
  if (runs > passes) {
    return "more key runs (" + std::to_string(runs) + ") than passes (" + std::to_string(passes) +
           ")";
  }
  // Counts are held against the bytes left before anything is allocated:
  // the runs, then the check values the pass count calls for.
  const size_t left = r.left();
  if (runs > left / kMinRunBytes) {
    return "key run count " + std::to_string(runs) + " cannot fit in the " + std::to_string(left) +
           " bytes left";
  }
  const uint64_t checks = Demo::ExpectedChecks(passes, d.endedByError);
  if (uint64_t{runs} * kMinRunBytes + 4 + checks * 8 > left) {
    return "pass count " + std::to_string(passes) + " calls for " + std::to_string(checks) +
           " check values, more than the " + std::to_string(left) + " bytes left can hold";
  }
  for (uint32_t i = 0; i < runs; ++i) {
    const std::string run = "key run " + std::to_string(i);
    uint16_t mask = 0;
    uint32_t length = 0;
    if (!r.U16(mask)) return "truncated key list";
    switch (r.VarU32(length)) {
      case Reader::Varint::Ok:
        break;
      case Reader::Varint::Truncated:
        return "truncated key list";
      case Reader::Varint::NotShortest:
        return run + ": length not in its shortest varint form";
      case Reader::Varint::TooLarge:
        return run + ": length varint over 32 bits";
    }
    if ((mask & ~kUsedKeyBits) != 0) return run + " holds unknown keys";
    // Runs are as long as they can be: one file for one battle.
    if (i > 0 && mask == d.keyRuns().back().mask) return run + " repeats the keys before it";
    if (length == 0) return run + " has length 0";
    if (length > passes - d.passes()) {
      return run + " runs past the pass count " + std::to_string(passes);
    }
    d.AddPasses(mask, length);
  }
  if (d.passes() != passes) {
    return "key runs cover " + std::to_string(d.passes()) + " of the " + std::to_string(passes) +
           " passes";
  }
  return "";
}

std::string DecodeChecks(Reader& r, Demo& d) {
  uint32_t count = 0;
  if (!r.U32(count)) return "truncated check values";
  const size_t expected = Demo::ExpectedChecks(d.passes(), d.endedByError);
  if (count != expected) {
    return "wrong number of check values: " + std::to_string(count) + " for " +
           std::to_string(d.passes()) + " passes, not " + std::to_string(expected);
  }
  if (count > r.left() / 8) return "truncated check values";
  d.checks.resize(count);
  for (uint64_t& check : d.checks) r.U64(check);
  return "";
}

}  // namespace

void Demo::AddPasses(KeyMask mask, uint32_t length) {
  if (length == 0) return;
  if (!keyRuns_.empty() && keyRuns_.back().mask == mask) {
    keyRuns_.back().length += length;
  } else {
    keyRuns_.push_back({mask, length});
  }
  passes_ += length;
}

size_t Demo::ExpectedChecks(uint32_t passes, bool endedByError) {
  // A battle that failed in its last pass has no state after it.
  if (endedByError) return passes == 0 ? 0 : (passes - 1) / kCheckInterval;
  return passes / kCheckInterval + 1;
}

uint32_t Crc32(const uint8_t* data, size_t size) {
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

std::vector<uint8_t> Encode(const Demo& d) {
  Writer w;
  for (char c : kMagic) w.U8(static_cast<uint8_t>(c));
  w.U16(kFormatVersion);
  w.U8(static_cast<uint8_t>(d.gameVersion.size()));
  for (char c : d.gameVersion) w.U8(static_cast<uint8_t>(c));
  w.U64(d.seed);
  w.U16(static_cast<uint16_t>(d.design));
  w.U8(d.endedByError ? kFlagEndedByError : 0);
  w.U32(d.passes());
  w.U32(static_cast<uint32_t>(d.keyRuns().size()));
  for (const KeyRun& run : d.keyRuns()) {
    w.U16(run.mask);
    w.VarU32(run.length);
  }
  w.U32(static_cast<uint32_t>(d.checks.size()));
  for (uint64_t check : d.checks) w.U64(check);
  w.U32(Crc32(w.bytes.data(), w.bytes.size()));
  return w.bytes;
}

DecodeResult Decode(const std::vector<uint8_t>& bytes) {
  DecodeResult result;
  if (bytes.empty()) {
    result.error = "empty file";
    return result;
  }
  // The header's own errors (magic, version) say more than a checksum would.
  Reader header(bytes.data(), bytes.size());
  result.error = DecodeHeader(header, result.demo);
  if (!result.error.empty()) return result;
  if (bytes.size() < 4) {
    result.error = "truncated";
    return result;
  }
  const size_t body = bytes.size() - 4;
  Reader tail(bytes.data() + body, 4);
  uint32_t stored = 0;
  tail.U32(stored);
  if (stored != Crc32(bytes.data(), body)) {
    result.error = "corrupted or truncated (checksum mismatch)";
    return result;
  }
  Reader r(bytes.data(), body);
  result.demo = Demo{};
  result.error = DecodeHeader(r, result.demo);
  if (result.error.empty()) result.error = DecodeKeys(r, result.demo);
  if (result.error.empty()) result.error = DecodeChecks(r, result.demo);
  if (result.error.empty() && r.left() != 0)
    result.error = "unexpected bytes after the check values";
  return result;
}

}  // namespace sb::demo
