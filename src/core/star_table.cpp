#include "core/star_table.h"

#include <algorithm>

#include "core/runtime_error.h"

namespace sb {

void StarTable::Rebuild() {
  byX_.clear();
  for (int32_t s = kLow; s <= kHigh; ++s) {
    const float x = stars_[s].Quad[0].X;
    // A corner that is not a number lies in no strip.
    if (x == x) byX_.push_back(Corner{x, s});
  }
  std::sort(byX_.begin(), byX_.end(), [](const Corner& a, const Corner& b) {
    return a.x < b.x || (a.x == b.x && a.star < b.star);
  });
  sorted_ = true;
}

void StarTable::Find(float low, float high) const {
  if (!sorted_) Fail(ErrorKind::PlatformCall, "the star field was searched before it was sorted");
  found_.clear();
  // The first corner past `low`; none when `low` is not a number.
  auto it = std::partition_point(byX_.begin(), byX_.end(),
                                 [low](const Corner& c) { return !(low < c.x); });
  for (; it != byX_.end() && it->x < high; ++it) found_.push_back(it->star);
  std::sort(found_.begin(), found_.end());
}

}  // namespace sb
