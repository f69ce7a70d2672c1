// Start-up, the selection loop, battle set-up, the battle loop and shut-down.
#include "core/form1.h"
#include "core/key_codes.h"

namespace sb {

Form1::Form1(Platform& platform) : P(platform) {}

Form1::~Form1() = default;

void Form1::Form_Load() {
  StartUp();
  LoadPlayerSettings(*this);
  if (Hooks) {
    const int16_t design = Hooks->DesignToStart(*this);
    if (design != 0) {
      Player.ShowingDemo = true;
      SelectedDesign = design;
      CheckWhichCraft();
      StartBattle();
    }
  }

  // Only the end of the program ends the loops; leaving a battle (F2) goes
  // back to the selection loop.
  for (;;) {
    while (SelectionActive) {
      if (MouseCovered(*this)) {
        ReadMouseUnderControls(*this);
      } else {
        Do_Mouse();
      }
      SelecterRender();
      EndOfPass();
      SelectionPlayerKeys(*this);
    }

    BattleSetUp();
    if (Hooks) Hooks->BattleReady(*this);

    while (BattleActive) {
      BattlePlayerKeys(*this);
      if (Player.NewBattleWanted) {
        LeaveBattle(*this);
        break;
      }
      if (BattleHeld(*this)) {
        HeldBattlePass(*this);
        continue;
      }
      if (Hooks) Hooks->BeforeBattlePass(*this);
      AI();
      Physics();
      Renderme();
      BattleFrameDrawn(Player);
      EndOfPass();
    }
    if (!SelectionActive) return;
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
