// A battle on the headless platform for tests, benchmarks, soaks and traces:
// set-up with a fixed seed, a seeded random key script, the state hash and
// the invariants that must hold after every pass. Header-only so that the
// benchmark programs can use it without the test framework.
//
// The battle table is program-global: keep one BattleRun alive at a time.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "battle/player_start.h"
#include "core/form1.h"
#include "core/key_codes.h"
#include "platform/headless/headless_platform.h"

namespace sb::harness {

// A seeded random key sequence with its own generator, so that it never
// disturbs the game's random sequence. In each pass every game key flips
// with a chance of 1 in 8, so keys are held for runs of passes in any mix.
class KeyScript {
 public:
  explicit KeyScript(uint64_t seed) : engine_(seed ^ 0x9E3779B97F4A7C15ull) {}

  void Step(headless::HeadlessPlatform& platform) {
    for (int code : keys::kBattleKeys) {
      if (engine_() % 8 != 0) continue;
      if (platform.KeyHeld(code)) {
        platform.ReleaseKey(code);
      } else {
        platform.PressKey(code);
      }
    }
  }

 private:
  std::mt19937_64 engine_;
};

// A game through battle set-up: start-up, the player's spawn as the Start
// button makes it, then BUILDSTUFF, Buildit and the battle tune, with a fixed
// seed.
struct BattleRun {
  headless::HeadlessPlatform platform;
  std::unique_ptr<Form1> form;
  KeyScript keys;

  // `drawLog`, when given, collects every random draw from set-up on.
  explicit BattleRun(uint64_t seed, int16_t design = 1, bool record = false,
                     std::vector<double>* drawLog = nullptr)
      : keys(seed) {
    ResetCrafts();
    platform.recording = record;
    platform.maxYields = std::numeric_limits<int>::max();
    form = std::make_unique<Form1>(platform);
    form->FixedSeed = seed;
    form->Random.SetLog(drawLog);
    form->StartUp();
    SpawnPlayer(*form, design);
    form->BattleActive = true;
    form->SelectionActive = false;
    form->BattleSetUp();
  }
  ~BattleRun() { ResetCrafts(); }
  BattleRun(const BattleRun&) = delete;
  BattleRun& operator=(const BattleRun&) = delete;

  // The next pass's keys from the script; they reach KeyDown through the
  // keyboard notification at one end-of-pass yield, as in the game.
  void NextKeys() {
    keys.Step(platform);
    form->EndOfPass();
  }
  // One simulation step of the battle loop.
  void Pass() {
    form->AI();
    form->Physics();
  }
};

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
  void Value(const LitVertex& v) {
    Value(v.X), Value(v.Y), Value(v.Z), Value(v.Diffuse), Value(v.Specular), Value(v.U), Value(v.V);
  }
  void Value(const Particle& p) {
    Value(p.X), Value(p.Y), Value(p.Z), Value(p.Colour), Value(p.U), Value(p.V), Value(p.Life);
  }
  uint64_t Result() const { return hash_; }

 private:
  uint64_t hash_ = 0xCBF29CE484222325ull;
};

// Every field of one craft record except its texture.
inline void HashCraft(Fnv1a& h, const Craft& c) {
  h.Value(c.Name), h.Value(c.X), h.Value(c.Y), h.Value(c.Z), h.Value(c.Width), h.Value(c.Height);
  for (const LitVertex& v : c.Quad) h.Value(v);
  h.Value(c.TextureFile), h.Value(c.Heading), h.Value(c.Course), h.Value(c.Acceleration);
  h.Value(c.TurnRate), h.Value(c.Speed), h.Value(c.VelX), h.Value(c.VelY), h.Value(c.MaxSpeed);
  h.Value(c.Stopped);
  for (int k = 0; k <= 40; ++k) h.Value(c.Trail[k]);
  h.Value(c.Armour), h.Value(c.MaxArmour), h.Value(c.Shield), h.Value(c.MaxShield);
  h.Value(c.Thrusting), h.Value(c.DesiredHeading), h.Value(c.TrailNext);
  for (int k = 0; k <= 10; ++k) h.Value(c.Shots[k]);
  for (int k = 0; k <= 10; ++k) h.Value(c.ShotVel[k].VX), h.Value(c.ShotVel[k].VY);
  h.Value(c.Firing), h.Value(c.WeaponPower), h.Value(c.WeaponRange), h.Value(c.Race);
  h.Value(c.Role), h.Value(c.Combat), h.Value(c.Target), h.Value(c.LastShot);
  h.Value(c.ShieldHitTimer), h.Value(c.ArmourHitTimer), h.Value(c.ShotCost), h.Value(c.Energy);
  h.Value(c.MaxEnergy), h.Value(c.Turret), h.Value(c.TurretAngle);
}

// The battle's state: entries 0 to 200 of the battle table, then the
// game-object fields the physics step keeps.
inline uint64_t BattleHash(const Form1& form) {
  Fnv1a h;
  for (int i = 0; i <= 200; ++i) HashCraft(h, Crafts[i]);
  h.Value(form.KeyRepeatDelay), h.Value(form.TargetDistance), h.Value(form.DeathMusicStarted);
  return h.Result();
}

namespace detail {

// True when `count` records from `first` hold only zero bytes.
template <typename T>
bool AllZero(const T* first, size_t count) {
  static_assert(std::is_trivially_copyable_v<T>);
  static const T kZeros[41] = {};
  if (count > 41) return false;
  return std::memcmp(first, kZeros, count * sizeof(T)) == 0;
}

// True while every field of an entry still holds its empty value.
inline bool Untouched(const Craft& c) {
  if (!c.Name.empty() || !c.TextureFile.empty() || !c.Role.empty() || c.Texture) return false;
  if (!AllZero(c.Quad, 4) || !AllZero(c.Trail.data(), 41) || !AllZero(c.Shots.data(), 11) ||
      !AllZero(c.ShotVel.data(), 11)) {
    return false;
  }
  return c.X == 0 && c.Y == 0 && c.Z == 0 && c.Width == 0 && c.Height == 0 && c.Heading == 0 &&
         c.Course == 0 && c.Acceleration == 0 && c.TurnRate == 0 && c.Speed == 0 && c.VelX == 0 &&
         c.VelY == 0 && c.MaxSpeed == 0 && !c.Stopped && c.Armour == 0 && c.MaxArmour == 0 &&
         c.Shield == 0 && c.MaxShield == 0 && !c.Thrusting && c.DesiredHeading == 0 &&
         c.TrailNext == 0 && !c.Firing && c.WeaponPower == 0 && c.WeaponRange == 0 && c.Race == 0 &&
         !c.Combat && c.Target == 0 && c.LastShot == 0 && c.ShieldHitTimer == 0 &&
         c.ArmourHitTimer == 0 && c.ShotCost == 0 && c.Energy == 0 && c.MaxEnergy == 0 &&
         !c.Turret && c.TurretAngle == 0;
}

// The name of the first non-finite float field of a craft, or nullptr.
inline const char* NonFiniteField(const Craft& c) {
  auto bad = [](double v) { return !std::isfinite(v); };
  auto badParticle = [&](const Particle& p) {
    return bad(p.X) || bad(p.Y) || bad(p.Z) || bad(p.U) || bad(p.V) || bad(p.Life);
  };
  if (bad(c.X) || bad(c.Y) || bad(c.Z)) return "position";
  if (bad(c.Width) || bad(c.Height)) return "size";
  for (const LitVertex& v : c.Quad) {
    if (bad(v.X) || bad(v.Y) || bad(v.Z) || bad(v.U) || bad(v.V)) return "Quad";
  }
  if (bad(c.Heading) || bad(c.Course) || bad(c.TurretAngle) || bad(c.DesiredHeading)) {
    return "an angle";
  }
  if (bad(c.Acceleration) || bad(c.TurnRate) || bad(c.MaxSpeed)) return "a design figure";
  if (bad(c.Speed) || bad(c.VelX) || bad(c.VelY)) return "the velocity";
  if (bad(c.Armour) || bad(c.MaxArmour) || bad(c.Shield)) return "armour or shield";
  for (int k = 0; k <= 40; ++k) {
    if (badParticle(c.Trail[k])) return "Trail";
  }
  for (int k = 0; k <= 10; ++k) {
    if (badParticle(c.Shots[k])) return "Shots";
    if (bad(c.ShotVel[k].VX) || bad(c.ShotVel[k].VY)) return "ShotVel";
  }
  return nullptr;
}

}  // namespace detail

// What must hold after every pass of a battle. Returns the first violation,
// or an empty string.
inline std::string CheckInvariants(const Form1& form) {
  if (!std::isfinite(form.TargetDistance)) return "TargetDistance is not finite";
  for (int i = 0; i <= 50; ++i) {
    const Craft& c = Crafts[i];
    auto who = [i] { return "entry " + std::to_string(i) + ": "; };
    if (const char* field = detail::NonFiniteField(c)) {
      return who() + field + " holds a NaN or infinity";
    }
    if (c.X < -10000 || c.X > 10000 || c.Y < -10000 || c.Y > 10000) {
      return who() + "position (" + std::to_string(c.X) + ", " + std::to_string(c.Y) +
             ") outside the world";
    }
    if (c.Target < 0 || c.Target > 50) return who() + "Target " + std::to_string(c.Target);
    if (c.Energy < 0 || c.Energy > c.MaxEnergy) return who() + "Energy " + std::to_string(c.Energy);
    if (c.Shield > c.MaxShield + 0.01) return who() + "Shield " + std::to_string(c.Shield);
  }
  for (int i = 51; i <= 200; ++i) {
    if (!detail::Untouched(Crafts[i])) return "entry " + std::to_string(i) + " was written";
  }
  return "";
}

}  // namespace sb::harness
