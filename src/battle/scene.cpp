// Scene construction: craft squares, race colours, stars, planets, targets.
#include "core/form1.h"

namespace sb {

void Form1::Buildit() {
  ScopedOperation op("Buildit");
}

}  // namespace sb
