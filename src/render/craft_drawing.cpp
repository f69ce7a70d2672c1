// Drawing one craft in the main view.
#include "core/form1.h"

namespace sb {

void Form1::Drawall(int16_t i) {
  ScopedOperation op("Drawall");
  (void)Crafts[i];
}

}  // namespace sb
