// Drawing the selection screen.
#include "core/form1.h"

namespace sb {

void Form1::SelecterRender() {
  ScopedOperation op("SelecterRender");
}

}  // namespace sb
