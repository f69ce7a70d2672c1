// Every control of the game, keyboard, mouse and game controller, written
// once: --help, the controls screen (F1) and the documents are made from, or
// checked against, these lines.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace sb {

enum class ControlDevice { Keyboard, Controller };

struct ControlLine {
  std::string_view keys;    // what to press, e.g. "A / D"
  std::string_view action;  // what it does, e.g. "turn left / right"
};

struct ControlGroup {
  ControlDevice device;
  std::string_view title;  // e.g. "Battle keys"
  std::span<const ControlLine> lines;
};

// In the order they are shown: the keyboard's (and mouse's) groups first.
std::span<const ControlGroup> ControlGroups();

// The groups as --help lists them: a title line each, then the lines with
// the actions in one column.
std::string ControlsHelpText();

}  // namespace sb
