// The controls and options are written once: --help is made from them, and
// the manual page and README must list every one of them as written.
#include "core/controls_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string_view>

#include "core/command_line.h"

namespace sb {
namespace {

std::string ReadSource(const std::string& name) {
  std::ifstream in(std::string(SB_SOURCE_DIR) + "/" + name, std::ios::binary);
  EXPECT_TRUE(in.good()) << name;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Dashes as a manual page writes them.
std::string Roff(std::string_view text) {
  std::string out;
  for (char ch : text) out += ch == '-' ? std::string("\\-") : std::string(1, ch);
  return out;
}

TEST(ControlsText, HelpListsEveryControlAndEveryOption) {
  const std::string help = HelpText();
  const std::string controls = ControlsHelpText();
  EXPECT_NE(help.find(controls), std::string::npos);
  for (const ControlGroup& g : ControlGroups()) {
    EXPECT_NE(controls.find(std::string(g.title) + ":\n"), std::string::npos) << g.title;
    for (const ControlLine& l : g.lines) {
      const std::string start = "  " + std::string(l.keys) + " ";
      const size_t at = controls.find(start);
      ASSERT_NE(at, std::string::npos) << l.keys;
      EXPECT_NE(controls.find(std::string(l.action) + "\n", at), std::string::npos) << l.action;
    }
  }
  for (const std::string& name : OptionNames()) {
    EXPECT_TRUE(help.find(name + " ") != std::string::npos ||
                help.find(name + ",") != std::string::npos)
        << name;
  }
  // The settings file is named.
  EXPECT_NE(help.find("$XDG_CONFIG_HOME/spacebattle/settings.ini"), std::string::npos);
  EXPECT_NE(help.find("~/.config/spacebattle/settings.ini"), std::string::npos);
}

TEST(ControlsText, TheManualPageAndReadmeListEveryControlAndOption) {
  const std::string man = ReadSource("docs/spacebattle.6"), readme = ReadSource("README.md");
  for (const ControlGroup& g : ControlGroups()) {
    EXPECT_NE(man.find(".SS " + std::string(g.title) + "\n"), std::string::npos) << g.title;
    EXPECT_NE(readme.find(std::string(g.title)), std::string::npos) << g.title;
    for (const ControlLine& l : g.lines) {
      const std::string item = ".TP\n.B " + Roff(l.keys) + "\n" + std::string(l.action) + "\n";
      const std::string row = "| " + std::string(l.keys) + " | " + std::string(l.action) + " |";
      EXPECT_NE(man.find(item), std::string::npos) << "missing:\n" << item;
      EXPECT_NE(readme.find(row), std::string::npos) << "missing: " << row;
    }
  }
  for (const std::string& name : OptionNames()) {
    EXPECT_NE(man.find(Roff(name)), std::string::npos) << name;
    EXPECT_NE(readme.find("`" + name), std::string::npos) << name;
  }
  EXPECT_NE(man.find("settings.ini"), std::string::npos);
  EXPECT_NE(readme.find("settings.ini"), std::string::npos);
}

}  // namespace
}  // namespace sb
