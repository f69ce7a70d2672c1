// One line of a battle trace in JSON Lines: the pass number, the keys held,
// the physics step's own fields, the random draws of the pass and entries 0
// to 50 of the battle table, every float in its shortest round-trip form.
#pragma once

#include <string>
#include <type_traits>
#include <vector>

#include "core/form1.h"
#include "platform/headless/json_writer.h"

namespace sb::harness {

// A trace line's writer: numbers that are not finite become the strings
// "nan", "inf" and "-inf"; Field writes a value of any of the record's types.
class JsonLine : public headless::JsonWriter {
 public:
  JsonLine() : JsonWriter({"nan", "inf", "-inf"}) {}

  template <typename T>
  void Field(const char* name, const T& v) {
    Key(name);
    if constexpr (std::is_same_v<T, bool>) {
      Bool(v);
    } else if constexpr (std::is_same_v<T, std::string>) {
      String(v);
    } else {
      Number(v);
    }
  }
};

// A craft's fields under their own names, except Quad and Texture; the
// trail as 11 [X, Y] pairs, the shots as [X, Y, Life] and their velocities
// as [VX, VY].
inline void WriteCraft(JsonLine& j, const Craft& c) {
  j.Open('{');
  j.Field("Name", c.Name), j.Field("X", c.X), j.Field("Y", c.Y), j.Field("Z", c.Z);
  j.Field("Width", c.Width), j.Field("Height", c.Height), j.Field("TextureFile", c.TextureFile);
  j.Field("Heading", c.Heading), j.Field("Course", c.Course);
  j.Field("Acceleration", c.Acceleration), j.Field("TurnRate", c.TurnRate);
  j.Field("Speed", c.Speed), j.Field("VelX", c.VelX), j.Field("VelY", c.VelY);
  j.Field("MaxSpeed", c.MaxSpeed), j.Field("Stopped", c.Stopped);
  j.Key("Trail");
  j.Open('[');
  for (int k = 0; k <= 10; ++k) {
    j.Open('[');
    j.Number(c.Trail[k].X), j.Number(c.Trail[k].Y);
    j.Close(']');
  }
  j.Close(']');
  j.Field("Armour", c.Armour), j.Field("MaxArmour", c.MaxArmour), j.Field("Shield", c.Shield);
  j.Field("MaxShield", c.MaxShield), j.Field("Thrusting", c.Thrusting);
  j.Field("DesiredHeading", c.DesiredHeading), j.Field("TrailNext", c.TrailNext);
  j.Key("Shots");
  j.Open('[');
  for (int k = 0; k <= 10; ++k) {
    j.Open('[');
    j.Number(c.Shots[k].X), j.Number(c.Shots[k].Y), j.Number(c.Shots[k].Life);
    j.Close(']');
  }
  j.Close(']');
  j.Key("ShotVel");
  j.Open('[');
  for (int k = 0; k <= 10; ++k) {
    j.Open('[');
    j.Number(c.ShotVel[k].VX), j.Number(c.ShotVel[k].VY);
    j.Close(']');
  }
  j.Close(']');
  j.Field("Firing", c.Firing), j.Field("WeaponPower", c.WeaponPower);
  j.Field("WeaponRange", c.WeaponRange), j.Field("Race", c.Race), j.Field("Role", c.Role);
  j.Field("Combat", c.Combat), j.Field("Target", c.Target), j.Field("LastShot", c.LastShot);
  j.Field("ShieldHitTimer", c.ShieldHitTimer), j.Field("ArmourHitTimer", c.ArmourHitTimer);
  j.Field("ShotCost", c.ShotCost), j.Field("Energy", c.Energy);
  j.Field("MaxEnergy", c.MaxEnergy), j.Field("Turret", c.Turret);
  j.Field("TurretAngle", c.TurretAngle);
  j.Close('}');
}

// The line for the state after pass `pass` (0: after battle set-up).
inline std::string TraceLine(int64_t pass, const Form1& form, const std::vector<double>& draws) {
  JsonLine j;
  j.Open('{');
  j.Field("pass", pass);
  j.Key("keys");
  j.Open('[');
  for (int code = 0; code <= 255; ++code) {
    if (form.KeyDown[code]) j.Number(code);
  }
  j.Close(']');
  j.Field("KeyRepeatDelay", form.KeyRepeatDelay);
  j.Field("TargetDistance", form.TargetDistance);
  j.Field("DeathMusicStarted", form.DeathMusicStarted);
  j.Key("draws");
  j.Open('[');
  for (double u : draws) j.Number(u);
  j.Close(']');
  j.Key("crafts");
  j.Open('[');
  for (int i = 0; i <= 50; ++i) WriteCraft(j, Crafts[i]);
  j.Close(']');
  j.Close('}');
  return j.text();
}

}  // namespace sb::harness
