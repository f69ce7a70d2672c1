// Drawing the selection screen. Later draws cover earlier ones.
#include "core/form1.h"
#include "render/frame_calls.h"
#include "render/hud.h"
#include "render/player_overlays.h"

namespace sb {

namespace {

constexpr uint32_t kInfoGreen = 0xFF1FFF1F;
constexpr uint32_t kControlsGreen = 0xFF01F05F;

const char* const kControlsHelp =
    "Controls: \r"
    "W: Go \r"
    "A: Left \r"
    "D: Right \r"
    "Shift: Boost \r"
    "N: Next Target \r"
    "<: Prev Target \r"
    ">: Next Target \r"
    "C: Target the person thats attacking me! ";

}  // namespace

void Form1::SelecterRender() {
  ScopedOperation op("SelecterRender", "drawing the selection screen");
  ClearFloatStatus();
  FrameCalls calls(*this);
  hud::CountFrame(*this);

  calls.SetViewport(ScreenViewport);
  calls.Clear(0x00000000);
  calls.BeginScene();

  const Vec2f one = Vec2(1, 1);
  // The hover tests here set the flags that the next pass's clicks act on.
  for (ScreenButton* b : {&StartButton, &LeftButton, &RightButton}) {
    const uint32_t tint = MouseOver(*b);
    calls.Sprite(b->Texture, one, one, 0, Vec2(b->X, b->Y), tint);
  }

  // Icons shrink with the design's size; the station's 64 gives a negative
  // scale, which mirrors it up and to the left of its cell's corner.
  for (int32_t i = 0; i <= DesignCount - 1; ++i) {
    const Craft& design = Designs[i];
    const Vec2f scaling = Vec2(1.0f - design.Width / 40.0f, 1.0f - design.Height / 40.0f);
    ScreenButton& icon = DesignIcons[i];
    const uint32_t tint = MouseOver(icon);
    calls.Sprite(icon.Texture, scaling, one, 0, Vec2(icon.X, icon.Y), tint);
  }

  calls.Text(TechnicalFont, kWhite, SelectedDesignName, TitleRect, kTextLeftTop);
  calls.Text(TechnicalFont, kInfoGreen, DesignInfoText, InfoRect, kTextLeftTop);
  calls.Text(TechnicalFont, kControlsGreen, kControlsHelp, ControlsRect, kTextLeftTop);

  calls.Sprite(SelectionBox.Texture, one, one, 0, Vec2(SelectionBox.X, SelectionBox.Y), kWhite);
  // The cursor picture's top-left corner is the hot spot.
  calls.Sprite(CursorTexture, one, one, 0, Vec2(MouseX, MouseY), kWhite);

  calls.Text(TechnicalFont, kWhite, hud::StatusLine(*this), StatusRect, kTextLeftTop);
  overlay::Draw(*this, calls);

  calls.EndScene();
  calls.Present();
  CheckFloatStatus();
}

}  // namespace sb
