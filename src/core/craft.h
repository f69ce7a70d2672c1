// The craft record, shared by the design catalogue and the battle table.
#pragma once

#include <cstdint>
#include <string>

#include "core/table.h"
#include "core/vertex.h"
#include "platform/types.h"

namespace sb {

// Race codes.
constexpr int16_t kRaceNone = 0;
constexpr int16_t kRaceHuman = 1;
constexpr int16_t kRaceSect = 2;
constexpr int16_t kRaceDrone = 3;
constexpr int16_t kRaceDragaar = 4;
constexpr int16_t kRaceLitu = 5;

// Per-shot displacement per step.
struct ShotVelocity {
  float VX = 0, VY = 0;
};

// Fields in the record's order. Booleans are kept as bool (true is -1 where
// the game shows them as numbers).
struct Craft {
  std::string Name;
  float X = 0;
  float Y = 0;
  float Z = 0;
  float Width = 0;
  float Height = 0;
  LitVertex Quad[4];
  TextureRef Texture;
  std::string TextureFile;
  double Heading = 0;
  double Course = 0;
  float Acceleration = 0;
  float TurnRate = 0;
  double Speed = 0;
  double VelX = 0;
  double VelY = 0;
  float MaxSpeed = 0;
  bool Stopped = false;
  Table<Particle, 0, 40> Trail;
  float Armour = 0;
  float MaxArmour = 0;
  float Shield = 0;
  int16_t MaxShield = 0;
  bool Thrusting = false;
  float DesiredHeading = 0;
  int16_t TrailNext = 0;
  Table<Particle, 0, 10> Shots;
  Table<ShotVelocity, 0, 10> ShotVel;
  bool Firing = false;
  int16_t WeaponPower = 0;
  int16_t WeaponRange = 0;
  int16_t Race = 0;
  std::string Role;
  bool Combat = false;
  int16_t Target = 0;
  int16_t LastShot = 0;
  int32_t ShieldHitTimer = 0;
  int32_t ArmourHitTimer = 0;
  int16_t ShotCost = 0;
  int16_t Energy = 0;
  int16_t MaxEnergy = 0;
  bool Turret = false;
  double TurretAngle = 0;
};

using CraftTable = Table<Craft, 0, 200>;

// The battle table: program global state, entries 0 to 200. Entry 0 is the
// player's craft, 1 the space station, 2 to 50 the computer craft.
extern CraftTable Crafts;

// Empties every entry (program start state); for tests and benchmarks that
// run more than one game in a process.
void ResetCrafts();

}  // namespace sb
