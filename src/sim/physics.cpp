// The physics step: the player's sounds and controls, motion, firing, shots
// and damage, recharge. Expressions of 32-bit fields and whole numbers are
// worked out in float; a 64-bit field, a fractional constant, pi or a
// trigonometric function brings the expression to double, and the result is
// stored back in the field's own width. sin, cos and atan are the portable
// ones, so a battle replays the same on every system.
#include <cmath>

#include "core/angles.h"
#include "core/checked.h"
#include "core/form1.h"
#include "core/key_codes.h"
#include "core/portable_math.h"

namespace sb {

namespace {

constexpr double kTurretTurn = 3 * kPi / 180;  // 3 degrees
constexpr float kShotSpeed = 10;
constexpr int32_t kHitTimer = 103;
constexpr int16_t kTargetKeyDelay = 2;
constexpr float kWorldEdge = 10000;

// Hit timers count down to -1 and rest there; they are only ever compared
// with 100, so the floor changes nothing visible and a long battle cannot
// overflow them.
void LowerTimer(int32_t& timer) {
  if (timer >= 0) timer = Sub32(timer, 1);
}

// Shot k of craft i against every other craft of entries 0 to 50. A shot
// that overlaps several enemies at once hits each of them.
void TestHits(int16_t i, int16_t k) {
  const Craft& shooter = Crafts[i];
  Particle& shot = Crafts[i].Shots[k];
  for (int16_t j = 0; j <= 50; ++j) {
    if (j == i) continue;
    Craft& c = Crafts[j];
    const float left = c.X - c.Width, right = c.X + c.Width;
    const float top = c.Y - c.Height, bottom = c.Y + c.Height;
    if (!(left < shot.X && shot.X < right && top < shot.Y && shot.Y < bottom)) continue;
    if (c.Race == shooter.Race) continue;  // friends neither stop nor take the shot
    // Hull damage only through a negative shield; a shield of exactly 0
    // takes neither branch.
    if (c.Shield < 0) {
      c.Armour -= shooter.WeaponPower;
      c.ArmourHitTimer = kHitTimer;
    }
    if (c.Shield > 0) {
      c.Shield -= shooter.WeaponPower;
      c.ShieldHitTimer = kHitTimer;
    }
    if (j != 0) c.Target = i;  // a computer craft turns on its attacker
    shot.Life = -1;
  }
}

// Death tune, once.
void StartDeathTune(Form1& f) {
  if (Crafts[0].Armour < 1 && !f.DeathMusicStarted) {
    f.DeathMusicStarted = true;
    f.P.music().StopEx(f.BattleMusic, 0, kSegfDefault);
    f.P.music().PlaySegmentEx(f.DeathMusic, kSegfDefault, 0);
  }
}

// The player's sounds, from the state the previous step left.
void PlayPlayerSounds(Form1& f) {
  const Craft& player = Crafts[0];
  if (player.Thrusting) {
    f.FlySound->Play(0);
  } else {
    f.FlySound->Stop();
  }
  if (player.ShieldHitTimer > 100) f.ShieldHitSound->Play(0);
  if (player.ArmourHitTimer > 100) f.HpHitSound->Play(0);
  if (player.Firing) f.FireSound->Play(0);  // Space held but no shot could leave
}

// Turning, the distance to the target, thrust and boost.
void SteerPlayer(Form1& f) {
  Craft& player = Crafts[0];
  const bool alive = player.Armour > 0;
  const double turn = player.TurnRate * kPi / 180 * 2;
  if (alive && f.KeyDown[keys::kD]) player.Heading += turn;
  if (alive && f.KeyDown[keys::kA]) player.Heading -= turn;
  {
    const Craft& t = Crafts[player.Target];
    const double dy = static_cast<double>(t.Y) - player.Y;
    const double dx = static_cast<double>(t.X) - player.X;
    f.TargetDistance = static_cast<float>(std::sqrt(dy * dy + dx * dx));
  }
  player.Thrusting = alive && f.KeyDown[keys::kW];
  if (player.Acceleration > 0 && f.KeyDown[keys::kLShift]) {  // boost: no W, no life needed
    player.Thrusting = true;
    player.Speed = 2 * player.MaxSpeed;
  }
}

// The target keys: next, previous, next valid enemy, the latest pursuer.
void ChoosePlayerTarget(Form1& f) {
  Craft& player = Crafts[0];
  // The count-down rests at -1 once below 0, so idle target keys cannot
  // overflow it; a key acts whenever it is below 0.
  if (f.KeyRepeatDelay >= 0) f.KeyRepeatDelay = Sub16(f.KeyRepeatDelay, 1);
  if (f.KeyDown[keys::kPeriod] && player.Target < 50 && f.KeyRepeatDelay < 0) {
    player.Target = Add16(player.Target, 1);
    f.KeyRepeatDelay = kTargetKeyDelay;
  }
  if (f.KeyDown[keys::kComma] && player.Target > 0 && f.KeyRepeatDelay < 0) {
    player.Target = Sub16(player.Target, 1);
    f.KeyRepeatDelay = kTargetKeyDelay;
  }
  if (f.KeyDown[keys::kN] && f.KeyRepeatDelay < 0) {
    f.NextTarget(0, 1.0f);
    f.KeyRepeatDelay = kTargetKeyDelay;
  }
  if (f.KeyDown[keys::kC]) {  // the highest-numbered craft that is after the player
    for (int16_t l = 0; l <= 50; ++l) {
      if (Crafts[l].Target == 0) player.Target = l;
    }
  }
  if (player.Target > 50) player.Target = 0;
}

// The turret keys and the fire key.
void AimAndFire(Form1& f) {
  Craft& player = Crafts[0];
  if (f.KeyDown[keys::kLeft]) player.TurretAngle -= kTurretTurn;
  if (f.KeyDown[keys::kRight]) player.TurretAngle += kTurretTurn;
  player.Firing = player.Armour > 0 && f.KeyDown[keys::kSpace];
}

// Thrust lays a trail point at the middle of the rear edge and adds the
// acceleration along the heading to the velocity along the course.
void Thrust(Craft& c) {
  Particle& point = c.Trail[c.TrailNext];
  point.X = static_cast<float>(c.X + c.Width * math::Sin(-c.Heading));
  point.Y = static_cast<float>(c.Y + c.Height * math::Cos(-c.Heading));
  c.TrailNext = Add16(c.TrailNext, 1);
  if (c.TrailNext == 10) c.TrailNext = 0;

  c.VelX = c.Acceleration * math::Sin(c.Heading) + math::Sin(c.Course) * c.Speed;
  c.VelY = c.Acceleration * math::Cos(c.Heading) + math::Cos(c.Course) * c.Speed;
  c.Speed = std::sqrt(c.VelY * c.VelY + c.VelX * c.VelX);
  if (c.VelY > 0) {
    c.Course = math::Atan(c.VelX / c.VelY);
  } else if (c.VelY < 0) {
    c.Course = math::Atan(c.VelX / c.VelY) + kPi;
  }
}

// No drag: speed and course hold until the next thrust. The cap comes after
// the move, so a boosted step moves at the boosted speed. The world wraps.
void Move(Craft& c) {
  c.X = static_cast<float>(c.X + math::Sin(c.Course) * c.Speed);
  c.Y = static_cast<float>(c.Y - math::Cos(c.Course) * c.Speed);
  if (static_cast<float>(c.Speed) > c.MaxSpeed) c.Speed = c.MaxSpeed;

  if (c.X < -kWorldEdge) c.X = kWorldEdge;
  if (c.X > kWorldEdge) c.X = -kWorldEdge;
  if (c.Y < -kWorldEdge) c.Y = kWorldEdge;
  if (c.Y > kWorldEdge) c.Y = -kWorldEdge;
  c.Stopped = false;

  if (!c.Thrusting) {  // the trail collapses onto the craft
    for (int k = 0; k <= 10; ++k) {
      c.Trail[k].X = c.X;
      c.Trail[k].Y = c.Y;
    }
    c.TrailNext = 0;
  }
}

// One shot leaves from the free slot if the craft fires and has the energy.
void FireShot(Form1& f, int16_t i) {
  Craft& c = Crafts[i];
  const int16_t s = f.FreeShotSlot(i);
  if (c.Shots[s].Life <= 0 && c.Firing && c.Energy >= c.ShotCost) {
    const double a = c.Turret ? c.TurretAngle : c.Heading;
    c.Shots[s].X = c.X;
    c.Shots[s].Y = c.Y;
    c.ShotVel[s].VX = static_cast<float>(math::Sin(-a) * -kShotSpeed);
    c.ShotVel[s].VY = static_cast<float>(math::Cos(-a) * -kShotSpeed);
    c.Shots[s].Life = c.WeaponRange;
    c.Energy = Sub16(c.Energy, c.ShotCost);
    c.Firing = false;
  }
}

// Every shot of craft i ages one step; live shots move and hit.
void MoveShots(int16_t i) {
  Craft& c = Crafts[i];
  for (int16_t k = 0; k <= c.LastShot; ++k) {
    Particle& shot = c.Shots[k];
    shot.Life -= 1;
    if (shot.Life < 0) {  // spent shots ride with their craft
      shot.X = c.X;
      shot.Y = c.Y;
    }
    if (shot.Life > 0) {  // a shot at exactly 0 neither moves nor hits
      shot.X += c.ShotVel[k].VX;
      shot.Y += c.ShotVel[k].VY;
      TestHits(i, k);
    }
  }
}

// One craft's step: timers, thrust, motion, firing, its shots.
void StepCraft(Form1& f, int16_t i) {
  Craft& c = Crafts[i];
  LowerTimer(c.ArmourHitTimer);
  LowerTimer(c.ShieldHitTimer);
  if (c.Thrusting) Thrust(c);
  Move(c);
  FireShot(f, i);
  MoveShots(i);
  if (c.Armour <= 0) {
    c.Thrusting = false;
    c.Firing = false;
  }
}

// Shields recharge on living craft only, weapon energy on every craft.
void Recharge() {
  for (int16_t u = 0; u <= 50; ++u) {
    Craft& c = Crafts[u];
    if (c.Shield < c.MaxShield && c.Armour > 0) c.Shield = static_cast<float>(c.Shield + 0.01);
    if (c.Energy < c.MaxEnergy) c.Energy = Add16(c.Energy, 1);
  }
}

}  // namespace

void Form1::Physics() {
  ScopedOperation op("Physics");
  ClearFloatStatus();
  StartDeathTune(*this);
  PlayPlayerSounds(*this);
  SteerPlayer(*this);
  ChoosePlayerTarget(*this);
  AimAndFire(*this);
  // Every craft in turn; later craft see the new positions and damage of
  // earlier ones.
  for (int16_t i = 0; i <= 50; ++i) StepCraft(*this, i);
  CameraUp.y = 1.0f;
  Recharge();
  CheckFloatStatus();
}

int16_t Form1::FreeShotSlot(int16_t craft) {
  ScopedOperation op("FreeShotSlot");
  Craft& c = Crafts[craft];
  const float limit = static_cast<float>(-c.WeaponRange);
  int16_t result = 0;
  // The highest entry whose shot has ridden with its craft long enough.
  for (int16_t k = 0; k <= c.LastShot; ++k) {
    if (c.Shots[k].Life < limit) result = k;
  }
  return result;
}

void Form1::STopCraft(int16_t Which) {
  ScopedOperation op("STopCraft");
  Craft& c = Crafts[Which];
  if (!c.Stopped) c.Speed *= -10;
  c.Stopped = true;
}

}  // namespace sb
