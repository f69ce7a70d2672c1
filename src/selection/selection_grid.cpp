// The selection grid, its buttons and the mouse.
#include "core/form1.h"

namespace sb {

void Form1::buildDisp() {
  ScopedOperation op("buildDisp");
}

void Form1::Do_Mouse() {
  ScopedOperation op("Do_Mouse");
}

uint32_t Form1::MouseOver(ScreenButton& button) {
  button.Hovered = false;
  return 0x9FFFFFFF;
}

}  // namespace sb
