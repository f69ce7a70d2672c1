// Hashes of the battle's state, for replays and recorded demos: equal
// hashes after the same passes mean the same battle, bit for bit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/craft.h"

namespace sb {

class Form1;

// FNV-1a, 64 bits.
class Fnv1a {
 public:
  void Bytes(const void* data, size_t size) {
    const auto* p = static_cast<const unsigned char*>(data);
    for (size_t n = 0; n < size; ++n) {
      hash_ ^= p[n];
      hash_ *= 0x100000001B3ull;
    }
  }
  template <typename T>
  void Value(T v) {
    Bytes(&v, sizeof v);  // floats by bit pattern
  }
  void Value(bool b) { Value<uint8_t>(b ? 1 : 0); }
  void Value(const std::string& s) {
    Value<uint64_t>(s.size());
    Bytes(s.data(), s.size());
  }
  void Value(const LitVertex& v);
  void Value(const Particle& p);
  uint64_t Result() const { return hash_; }

 private:
  uint64_t hash_ = 0xCBF29CE484222325ull;
};

// Every field of one craft record except its texture.
void HashCraft(Fnv1a& h, const Craft& c);

// The battle's state: entries 0 to 200 of the battle table, then the
// game-object fields the physics step keeps.
uint64_t BattleHash(const Form1& form);

// BattleHash followed by the fleet counters the battle frame keeps: the
// check value of a recorded demo.
uint64_t BattleCheckValue(const Form1& form);

}  // namespace sb
