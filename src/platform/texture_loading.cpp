#include "core/form1.h"

namespace sb {

void Form1::LoadDesignTexture(const Craft& design, ScreenButton& button) {
  ScopedOperation op("LoadDesignTexture", "loading a craft's picture");
  button.Texture =
      P.textures().LoadTexture(P.window().ProgramFolder() + "\\Textures\\" + design.TextureFile);
}

}  // namespace sb
