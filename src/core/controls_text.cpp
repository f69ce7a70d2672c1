#include "core/controls_text.h"

#include <algorithm>

namespace sb {

namespace {

constexpr ControlLine kBattleKeys[] = {
    {"W", "thrust"},
    {"A / D", "turn left / right"},
    {"Left Shift", "boost"},
    {"Space", "fire"},
    {"Left / Right arrow", "turn the turret"},
    {"N", "next target"},
    {", / .", "previous / next target number"},
    {"C", "target the craft attacking you"},
};

constexpr ControlLine kKeysAnyTime[] = {
    {"F1", "show these controls"},
    {"P or Pause", "pause the battle / go on"},
    {"F2", "new battle (selection screen)"},
    {"M", "sound off / on"},
    {"- / =", "sound quieter / louder"},
    {"Escape", "quit, or end a demo shown"},
    {"Alt+Enter", "full screen or a window"},
};

constexpr ControlLine kMouse[] = {
    {"arrows", "step through the designs"},
    {"Start", "begin the battle"},
};

constexpr ControlLine kController[] = {
    {"left stick or d-pad", "turn left / right"},
    {"right trigger, d-pad up", "thrust"},
    {"left trigger", "boost"},
    {"A", "fire"},
    {"right stick or X / B", "turn the turret"},
    {"Y", "next target"},
    {"left / right shoulder", "previous / next target number"},
    {"right stick click", "target the craft attacking you"},
    {"Start", "pause the battle / go on"},
    {"Back", "new battle, once destroyed"},
    {"Back + Start", "quit"},
};

constexpr ControlLine kControllerSelection[] = {
    {"left stick or d-pad", "move the cursor"},
    {"A", "click"},
    {"Back", "show these controls"},
};

constexpr ControlGroup kGroups[] = {
    {ControlDevice::Keyboard, "Battle keys", kBattleKeys},
    {ControlDevice::Keyboard, "Keys at any time", kKeysAnyTime},
    {ControlDevice::Keyboard, "Mouse, on the selection screen", kMouse},
    {ControlDevice::Controller, "Game controller", kController},
    {ControlDevice::Controller, "Game controller, on the selection screen", kControllerSelection},
};

}  // namespace

std::span<const ControlGroup> ControlGroups() {
  return kGroups;
}

std::string ControlsHelpText() {
  size_t width = 0;
  for (const ControlGroup& g : kGroups) {
    for (const ControlLine& l : g.lines) width = std::max(width, l.keys.size());
  }
  std::string out;
  for (const ControlGroup& g : kGroups) {
    if (!out.empty()) out += '\n';
    out.append(g.title).append(":\n");
    for (const ControlLine& l : g.lines) {
      out.append("  ").append(l.keys).append(width + 2 - l.keys.size(), ' ');
      out.append(l.action).append("\n");
    }
  }
  return out;
}

}  // namespace sb
