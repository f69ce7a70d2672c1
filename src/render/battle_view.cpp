// The battle frame: main view, radar view, target view.
#include "core/form1.h"

namespace sb {

void Form1::Renderme() {
  ScopedOperation op("Renderme");
}

}  // namespace sb
