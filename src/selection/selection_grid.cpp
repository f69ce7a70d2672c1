// The selection grid, its buttons and the mouse.
#include <algorithm>

#include "battle/player_start.h"
#include "core/checked.h"
#include "core/form1.h"

namespace sb {

namespace {

constexpr int32_t kCellsPerRow = 15;
constexpr int32_t kCellPitch = 60;
constexpr int32_t kRowPitch = kCellsPerRow * kCellPitch;  // 900
constexpr float kIconSize = 32;
constexpr float kCooldownPasses = 10;
constexpr float kCursorMaxX = 800;
constexpr float kCursorMaxY = 600;
constexpr int kMouseRecords = 100000;  // the most records one pass reads
constexpr int kMouseChunk = 512;

constexpr uint32_t kHoverWhite = 0xFFFFFFFF;
constexpr uint32_t kIdleWhite = 0x9FFFFFFF;

// Top-left corner of grid cell `index`: 60 x index - 900 x row, 60 x row.
void PlaceInCell(int32_t index, ScreenButton& button) {
  const int32_t row = index / kCellsPerRow;
  button.X = static_cast<float>(Sub32(Mul32(kCellPitch, index), Mul32(kRowPitch, row)));
  button.Y = static_cast<float>(Mul32(kCellPitch, row));
}

float Clamp(float v, float high) {
  return v < 0 ? 0 : (v > high ? high : v);
}

// A click acts on the buttons the last drawn frame found under the cursor.
// Start acts once per pass (`started`): a press and release over Start in
// one pass are two clicks, and a second player craft would take the entry
// that belongs to the space station.
void Click(Form1& f, bool& started) {
  if (f.StartButton.Hovered && !started) {
    started = true;
    f.StartBattle();
  }
  if (f.ClickCooldown < 0 && f.RightButton.Hovered) {
    if (f.SelectedDesign < f.DesignCount - 1) f.SelectedDesign = Add16(f.SelectedDesign, 1);
    f.ClickCooldown = kCooldownPasses;
    f.CheckWhichCraft();
  }
  if (f.ClickCooldown < 0 && f.LeftButton.Hovered) {
    if (f.SelectedDesign > 1) f.SelectedDesign = Sub16(f.SelectedDesign, 1);
    f.ClickCooldown = kCooldownPasses;
    f.CheckWhichCraft();
  }
}

// Reads the mouse's buffered records in chunks: axes move the cursor, and
// every button record, the release as well as the press, is a click.
void ReadMouseRecords(Form1& f) {
  bool started = false;
  InputRecord records[kMouseChunk];
  int read = 0;
  while (read < kMouseRecords) {
    const int want = std::min(kMouseChunk, kMouseRecords - read);
    const int n = f.P.mouse().GetDeviceData(records, want);
    for (int i = 0; i < n; ++i) {
      const InputRecord& r = records[i];
      const double delta = static_cast<int32_t>(r.Data);  // axes carry signed movement
      if (r.Offset == kMouseOffsetX) {
        f.MouseX = static_cast<float>(f.MouseX + delta);
      } else if (r.Offset == kMouseOffsetY) {
        f.MouseY = static_cast<float>(f.MouseY + delta);
      } else if (r.Offset == kMouseOffsetButton0) {
        Click(f, started);
      }
    }
    if (n < want) break;
    read += n;
  }
}

}  // namespace

void Form1::buildDisp() {
  ScopedOperation op("buildDisp", "laying out the selection screen");
  for (int32_t i = 0; i <= DesignCount - 1; ++i) {
    ScreenButton& icon = DesignIcons[i];
    PlaceInCell(i, icon);
    icon.Width = kIconSize;
    icon.Height = kIconSize;
    LoadDesignTexture(Designs[i], icon);
  }
}

void Form1::Do_Mouse() {
  ScopedOperation op("Do_Mouse", "following the mouse");
  ReadMouseRecords(*this);
  ClickCooldown -= 1;
  MouseX = Clamp(MouseX, kCursorMaxX);
  MouseY = Clamp(MouseY, kCursorMaxY);
  PlaceInCell(SelectedDesign, SelectionBox);
}

void Form1::StartBattle() {
  SpawnPlayer(*this, SelectedDesign);
  BattleActive = true;
  SelectionActive = false;
}

uint32_t Form1::MouseOver(ScreenButton& button) {
  button.Hovered = false;
  const float right = button.X + button.Width;
  const float bottom = button.Y + button.Height;
  // Strict on every side: a cursor on the edge is outside.
  if (right > MouseX && MouseX > button.X && bottom > MouseY && MouseY > button.Y) {
    button.Hovered = true;
    return kHoverWhite;
  }
  return kIdleWhite;
}

}  // namespace sb
