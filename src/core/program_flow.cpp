// Start-up, the selection loop, battle set-up, the battle loop and shut-down.
#include "core/form1.h"
#include "core/key_codes.h"

namespace sb {

Form1::Form1(Platform& platform) : P(platform) {}

Form1::~Form1() = default;

void Form1::Form_Load() {
  StartUp();
  if (Hooks) {
    const int16_t design = Hooks->DesignToStart(*this);
    if (design != 0) {
      SelectedDesign = design;
      CheckWhichCraft();
      StartBattle();
    }
  }

  while (SelectionActive) {
    Do_Mouse();
    SelecterRender();
    EndOfPass();
  }

  BattleSetUp();
  if (Hooks) Hooks->BattleReady(*this);

  while (BattleActive) {
    if (Hooks) Hooks->BeforeBattlePass(*this);
    AI();
    Physics();
    Renderme();
    EndOfPass();
  }
}

void Form1::StartUp() {
  Intialize();
  DesignSTUFF();
  SelectionActive = true;
  SelectedDesign = 1;
  CheckWhichCraft();
  P.window().Show();
  buildDisp();
  Crafts[0].Target = 1;  // the station's entry, until the scene draws a random first target
}

void Form1::BattleSetUp() {
  BUILDSTUFF();
  Buildit();
  ScopedOperation op("Form_Load", "starting the battle tune");
  P.music().PlaySegmentEx(BattleMusic, kSegfDefault, 0);
}

void Form1::EndOfPass() {
  if (KeyDown[keys::kEscape]) Form_Unload(1);
  P.window().Yield(*this);
}

void Form1::Form_Unload(int16_t /*cancel*/) {
  ScopedOperation op("Form_Unload", "closing the game");
  BattleActive = false;
  // Only the graphics device is released; the rest is left to process exit.
  P.window().ReleaseDevice();
  P.window().EndProgram(0);
}

}  // namespace sb
