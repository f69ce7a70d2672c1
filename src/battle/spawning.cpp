// Spawning designs into the battle table, and the battle's roster.
#include <cmath>

#include "battle/player_start.h"
#include "core/checked.h"
#include "core/form1.h"

namespace sb {

void Form1::SpawnCraft(const std::string& name, float x, float y) {
  ScopedOperation op("SpawnCraft", "placing a craft in the battle");
  const Craft* design = nullptr;
  for (int i = 0; i <= 40; ++i) {
    if (Designs[i].Name == name) {
      design = &Designs[i];
      break;
    }
  }
  if (!design) return;  // no such design: nothing is spawned
  const Craft& d = *design;
  Craft& c = Crafts[CraftCount];  // a full table fails here, before any write

  c.Name = name;
  c.X = x;
  c.Y = y;
  c.Z = d.Z;
  c.MaxSpeed = d.MaxSpeed;
  c.TurnRate = d.TurnRate;
  c.Acceleration = d.Acceleration;
  c.Width = d.Width;
  c.Height = d.Height;
  c.Speed = 0;
  // Every craft owns its own texture; the old one is released.
  c.Texture = P.textures().LoadTexture(P.window().ProgramFolder() + "\\Textures\\" + d.TextureFile);
  c.MaxArmour = d.MaxArmour;
  c.Armour = c.MaxArmour;
  c.Race = d.Race;
  c.WeaponPower = d.WeaponPower;
  c.WeaponRange = d.WeaponRange;
  c.Role = d.Role;
  c.LastShot = d.LastShot;
  c.MaxEnergy = d.MaxEnergy;
  c.MaxShield = d.MaxShield;
  c.ShotCost = d.ShotCost;
  c.Turret = d.Turret;
  c.Shield = static_cast<float>(c.MaxShield);
  CraftCount = Add16(CraftCount, 1);
}

void SpawnPlayer(Form1& game, int16_t design) {
  const Craft& d = game.Designs[design];
  const bool human = d.Race == kRaceHuman;
  game.SpawnCraft(d.Name, human ? 0.0f : 10000.0f, human ? 100.0f : 10000.0f);
}

void Form1::BUILDSTUFF() {
  ScopedOperation op("BUILDSTUFF", "setting up the battle");
  BattleSeed = FixedSeed ? *FixedSeed : P.clock().SeedFromClock();
  Random.Seed(BattleSeed);
  SpawnCraft("SpaceStation", 0, 0);
  for (int16_t i = 2; i <= 50; ++i) {
    const double u1 = Random.Next();
    const int32_t k = FloorTo32(u1 * (DesignCount - 1) + 1);
    const double u2 = Random.Next();
    const double u3 = Random.Next();
    const Craft& d = Designs[k];
    float x, y;
    if (d.Race == kRaceHuman) {
      x = static_cast<float>(std::floor(u2 * 2001 - 1000));
      y = static_cast<float>(std::floor(u3 * 2001 - 1000));
    } else {
      x = static_cast<float>(std::floor(u2 * 20001 - 10000));
      y = static_cast<float>(std::floor(u3 * 20001 - 10000));
    }
    SpawnCraft(d.Name, x, y);
    Crafts[i].Combat = true;
  }
}

}  // namespace sb
