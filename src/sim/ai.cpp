// The computer pilots of entries 1 to 50: the frolic pilot (the station)
// and the combat pilot (the random fleet). They only decide; Physics moves
// and fires.
#include "core/angles.h"
#include "core/checked.h"
#include "core/form1.h"
#include "core/portable_math.h"

namespace sb {

namespace {

// Works out the heading that points craft i at its target and stores it in
// DesiredHeading. Level targets leave the last value in place. The result
// lies in -pi/2..3pi/2 and jumps across the line towards -X.
void Bearing(Craft& c, const Craft& target) {
  // Position differences in the fields' 32-bit precision, the angle in double.
  const float dx = target.X - c.X;
  const float dy = target.Y - c.Y;
  if (c.Y > target.Y) {
    c.DesiredHeading = static_cast<float>(-math::Atan(static_cast<double>(dx / dy)));
  } else if (c.Y < target.Y) {
    c.DesiredHeading = static_cast<float>(kPi - math::Atan(static_cast<double>(dx / dy)));
  }
}

// Moves an angle towards DesiredHeading by `step`; an angle that would
// overshoot is stepped straight back, so it may settle up to `step` away.
void Steer(double& angle, float desired, double step) {
  if (static_cast<float>(angle) < desired) angle += step;
  if (static_cast<float>(angle) > desired) angle -= step;
}

}  // namespace

void Form1::AI() {
  ScopedOperation op("AI");
  ClearFloatStatus();
  for (int16_t i = 1; i <= 50; ++i) {
    Craft& c = Crafts[i];
    if (!(c.MaxSpeed > 0 && c.Armour > 0)) continue;  // destroyed or cannot move
    if (!c.Combat) {
      c.Thrusting = true;
      Bearing(c, Crafts[c.Target]);
      Steer(c.Heading, c.DesiredHeading, c.TurnRate / 100.0f);
      NextFrolic(i);
    } else {
      c.Thrusting = true;
      // Fire when the target's box of 5 x WeaponRange holds this craft and
      // the hull points within a radian of last step's bearing. Friend or
      // foe, alive or not, is target choice's business.
      const Craft& t = Crafts[c.Target];
      const int16_t r = Mul16(5, c.WeaponRange);
      const float left = t.X - r, right = t.X + r;
      const float top = t.Y - r, bottom = t.Y + r;
      const float heading = static_cast<float>(c.Heading);
      if (left < c.X && c.X < right && top < c.Y && c.Y < bottom && i != 1 &&
          c.DesiredHeading - 1 < heading && heading < c.DesiredHeading + 1) {
        c.Firing = true;
      }
      Bearing(c, Crafts[c.Target]);
      Steer(c.Heading, c.DesiredHeading, c.TurnRate / 20.0f);
      Steer(c.TurretAngle, c.DesiredHeading, 0.5);
      NextTarget(i, c.Acceleration);
    }
  }
  CheckFloatStatus();
}

}  // namespace sb
