// Target selection.
#include "core/form1.h"

namespace sb {

void Form1::NextTarget(int16_t person, float /*Accrate*/) {
  ScopedOperation op("NextTarget");
  (void)Crafts[person];
}

void Form1::NextFrolic(int16_t person) {
  ScopedOperation op("NextFrolic");
  (void)Crafts[person];
}

}  // namespace sb
