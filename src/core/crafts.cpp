#include "core/craft.h"

namespace sb {

CraftTable Crafts;

void ResetCrafts() {
  for (int i = CraftTable::kLow; i <= CraftTable::kHigh; ++i) Crafts[i] = Craft{};
}

}  // namespace sb
