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
#include "core/battle_hash.h"
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

// The state hash lives with the game, which checks recorded demos with it.
using sb::BattleHash;
using sb::Fnv1a;
using sb::HashCraft;

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
