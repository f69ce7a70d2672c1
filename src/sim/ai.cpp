// The computer pilots.
#include "core/form1.h"

namespace sb {

void Form1::AI() {
  ScopedOperation op("AI");
}

}  // namespace sb
