// The controls are written once: --help is made from them, and the manual
// page and README must list every one of them as written.
#include "core/controls_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "core/command_line.h"

namespace sb {
namespace {

std::string ReadSource(const std::string& name) {
  std::ifstream in(std::string(SB_SOURCE_DIR) + "/" + name, std::ios::binary);
  EXPECT_TRUE(in.good()) << name;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A manual page's bold item: ".TP", ".B keys", then the action.
std::string ManItem(const ControlLine& l) {
  std::string keys;
  for (char ch : l.keys) keys += ch == '-' ? std::string("\\-") : std::string(1, ch);
  return ".TP\n.B " + keys + "\n" + std::string(l.action) + "\n";
}

TEST(ControlsText, HelpListsEveryControlInOneColumn) {
  const std::string help = HelpText();
  const std::string controls = ControlsHelpText();
  EXPECT_NE(help.find(controls), std::string::npos);
  size_t column = std::string::npos;
  for (const ControlGroup& g : ControlGroups()) {
    EXPECT_NE(controls.find(std::string(g.title) + ":\n"), std::string::npos) << g.title;
    for (const ControlLine& l : g.lines) {
      const std::string start = "  " + std::string(l.keys) + " ";
      const size_t at = controls.find(start);
      ASSERT_NE(at, std::string::npos) << l.keys;
      const size_t action = controls.find(std::string(l.action) + "\n", at);
      ASSERT_NE(action, std::string::npos) << l.action;
      const size_t lineStart = controls.rfind('\n', action) + 1;
      if (column == std::string::npos) column = action - lineStart;
      EXPECT_EQ(action - lineStart, column) << l.keys;
    }
  }
  // The settings file is named.
  EXPECT_NE(help.find("$XDG_CONFIG_HOME/spacebattle/settings.ini"), std::string::npos);
  EXPECT_NE(help.find("~/.config/spacebattle/settings.ini"), std::string::npos);
}

TEST(ControlsText, TheManualPageListsEveryControl) {
  const std::string man = ReadSource("docs/spacebattle.6");
  for (const ControlGroup& g : ControlGroups()) {
    EXPECT_NE(man.find(".SS " + std::string(g.title) + "\n"), std::string::npos) << g.title;
    for (const ControlLine& l : g.lines) {
      EXPECT_NE(man.find(ManItem(l)), std::string::npos) << "missing:\n" << ManItem(l);
    }
  }
  EXPECT_NE(man.find("settings.ini"), std::string::npos);
}

TEST(ControlsText, TheReadmeListsEveryControl) {
  const std::string readme = ReadSource("README.md");
  for (const ControlGroup& g : ControlGroups()) {
    EXPECT_NE(readme.find(std::string(g.title)), std::string::npos) << g.title;
    for (const ControlLine& l : g.lines) {
      const std::string row = "| " + std::string(l.keys) + " | " + std::string(l.action) + " |";
      EXPECT_NE(readme.find(row), std::string::npos) << "missing: " << row;
    }
  }
  EXPECT_NE(readme.find("settings.ini"), std::string::npos);
}

// The options are written in --help, the manual page and README: each must
// name every option the parser takes.
TEST(OptionsText, HelpTheManualPageAndReadmeNameEveryOption) {
  const std::string help = HelpText(), man = ReadSource("docs/spacebattle.6"),
                    readme = ReadSource("README.md");
  for (const std::string& name : OptionNames()) {
    std::string roff;
    for (char ch : name) roff += ch == '-' ? std::string("\\-") : std::string(1, ch);
    EXPECT_TRUE(help.find(name + " ") != std::string::npos ||
                help.find(name + ",") != std::string::npos)
        << name;
    EXPECT_NE(man.find(roff), std::string::npos) << name;
    EXPECT_NE(readme.find("`" + name), std::string::npos) << name;
  }
}

}  // namespace
}  // namespace sb
