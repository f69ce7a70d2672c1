#include "core/battle_hash.h"

#include "core/form1.h"

namespace sb {

void Fnv1a::Value(const LitVertex& v) {
  Value(v.X), Value(v.Y), Value(v.Z), Value(v.Diffuse), Value(v.Specular), Value(v.U), Value(v.V);
}

void Fnv1a::Value(const Particle& p) {
  Value(p.X), Value(p.Y), Value(p.Z), Value(p.Colour), Value(p.U), Value(p.V), Value(p.Life);
}

void HashCraft(Fnv1a& h, const Craft& c) {
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

uint64_t BattleHash(const Form1& form) {
  Fnv1a h;
  for (int i = 0; i <= 200; ++i) HashCraft(h, Crafts[i]);
  h.Value(form.KeyRepeatDelay), h.Value(form.TargetDistance), h.Value(form.DeathMusicStarted);
  return h.Result();
}

uint64_t BattleCheckValue(const Form1& form) {
  Fnv1a h;
  h.Value(BattleHash(form));
  for (int r = 1; r <= 5; ++r) h.Value(form.RaceCount[r]);
  return h.Result();
}

}  // namespace sb
