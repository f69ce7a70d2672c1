// Target selection: stepping to the next valid enemy, scanning for a near
// enemy, and the frolic pilots' liking for friends.
#include "core/checked.h"
#include "core/form1.h"

namespace sb {

void Form1::NextTarget(int16_t person, float Accrate) {
  ScopedOperation op("NextTarget", "choosing a target");
  Craft& p = Crafts[person];
  if (Accrate != 0) {
    // Step mode: keep a living (Armour >= 0) enemy, otherwise try the next
    // index, one per call, wrapping after 50.
    const int16_t t = p.Target;
    const Craft& target = Crafts[t];
    if (target.Armour >= 0 && t != person && target.Race != p.Race) return;
    p.Target = t >= 50 ? int16_t{0} : Add16(t, 1);
    return;
  }
  // Scan mode: the highest-numbered living enemy within twice the weapon
  // range on both axes; nothing in range leaves the target alone.
  const int16_t r = Mul16(2, p.WeaponRange);
  for (int16_t j = 0; j <= 50; ++j) {
    const Craft& c = Crafts[j];
    const float left = c.X - r, right = c.X + r;
    const float top = c.Y - r, bottom = c.Y + r;
    if (left < p.X && p.X < right && top < p.Y && p.Y < bottom && c.Armour > 0 &&
        c.Race != p.Race) {
      p.Target = j;
    }
  }
}

void Form1::NextFrolic(int16_t person) {
  ScopedOperation op("NextFrolic", "choosing a target");
  Craft& p = Crafts[person];
  const int16_t n = FloorTo16(Random.Next() * 1000 + 1);
  const int16_t t = p.Target;
  // A friend is kept, except for a one-in-a-thousand change of mind.
  if (t != person && Crafts[t].Race == p.Race && n != 100) return;
  p.Target = FloorTo16(Random.Next() * 51);
}

}  // namespace sb
