// The command line: every option, both value spellings, and every way a
// command line can be wrong.
#include "core/command_line.h"

#include <gtest/gtest.h>

#include <utility>

#include "core/quoted.h"

namespace sb {
namespace {

ParsedCommandLine Parse(std::vector<std::string> args) {
  return ParseCommandLine(args);
}

TEST(CommandLine, OptionsTakeValuesSeparatedOrAfterAnEqualsSign) {
  const ParsedCommandLine none = Parse({});
  EXPECT_EQ(none.error, "");
  EXPECT_FALSE(none.options.help || none.options.version || none.options.window ||
               none.options.seed);
  EXPECT_TRUE(none.options.record.empty() && none.options.playdemo.empty() &&
              none.options.timedemo.empty());
  ParsedCommandLine p = Parse({"--window", "--seed", "42", "--record", "a b.sbd"});
  ASSERT_EQ(p.error, "");
  EXPECT_TRUE(p.options.window);
  EXPECT_EQ(p.options.seed, 42u);
  EXPECT_EQ(p.options.record, "a b.sbd");

  p = Parse({"--seed=18446744073709551615", "--record=x=y.sbd"});
  ASSERT_EQ(p.error, "");
  EXPECT_EQ(p.options.seed, 18446744073709551615ull);
  EXPECT_EQ(p.options.record, "x=y.sbd");  // only the first '=' separates

  p = Parse({"--playdemo", "--odd-name.sbd"});  // a value may start with dashes
  ASSERT_EQ(p.error, "");
  EXPECT_EQ(p.options.playdemo, "--odd-name.sbd");

  // -h and -v mean exactly --help and --version.
  EXPECT_TRUE(Parse({"-h"}).options.help && !Parse({"-h"}).options.version);
  EXPECT_TRUE(Parse({"-v"}).options.version && !Parse({"-v"}).options.help);
  const ParsedCommandLine both = Parse({"--window", "-v", "-h"});
  EXPECT_TRUE(both.error.empty() && both.options.help && both.options.version &&
              both.options.window);
}

// Each wrong command line and its line (" (try --help)" follows each); short
// forms are not bundled, an unknown option wins over --help, and a seed is a
// whole number in range.
TEST(CommandLine, WrongCommandLinesAreNamed) {
  const std::string demos = "--record, --playdemo and --timedemo exclude each other";
  const std::string seeded = "--seed cannot be given with a demo to play: the demo holds its seed";
  std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--fullscreen"}, "unknown option '--fullscreen'"},
      {{"--fullscreen=1"}, "unknown option '--fullscreen'"},
      {{"-x"}, "unknown option '-x'"},
      {{"--Help"}, "unknown option '--Help'"},
      {{"-hv"}, "unknown option '-hv'"},
      {{"-h=1"}, "unknown option '-h=1'"},
      {{"demo.sbd"}, "unexpected argument 'demo.sbd'"},
      {{""}, "unexpected argument ''"},
      {{"--bogus", "--help"}, "unknown option '--bogus'"},
      {{"--seed"}, "--seed needs a value"},
      {{"--playdemo="}, "--playdemo needs a value"},
      {{"--timedemo", ""}, "--timedemo needs a value"},
      {{"--window=yes"}, "--window takes no value"},
      {{"--seed", "1", "--seed=2"}, "--seed given twice"},
      {{"--record", "a", "--playdemo", "b"}, demos},
      {{"--timedemo", "a", "--playdemo", "b"}, demos},
      {{"--timedemo", "d", "--seed=3"}, seeded}};
  for (const char* bad : {"-1", "+5", "12a", "0x10", " 7", "7 ", "1e3", "3.0",
                          "18446744073709551616", "99999999999999999999999"}) {
    cases.push_back({{"--seed", bad},
                     "--seed needs a whole number from 0 to 18446744073709551615, not '" +
                         std::string(bad) + "'"});
  }
  for (const auto& [args, line] : cases) {
    EXPECT_EQ(Parse(args).error, "spacebattle: " + line + " (try --help)") << args.back();
  }
  // A recorded battle may have a fixed seed and a window.
  EXPECT_EQ(Parse({"--seed", "3", "--record", "d", "--window"}).error, "");
}

TEST(CommandLine, ArgumentsInMessagesAreQuotedEscapedAndShortened) {
  // One line whatever the argument holds.
  EXPECT_EQ(Parse({"--seed", "1\n2"}).error,
            "spacebattle: --seed needs a whole number from 0 to 18446744073709551615, not "
            "'1\\n2' (try --help)");
  EXPECT_EQ(Parse({"a\x1b[2Jb\tc\rd\x7f"}).error,
            "spacebattle: unexpected argument 'a\\x1b[2Jb\\tc\\rd\\x7f' (try --help)");
  EXPECT_EQ(Quoted("it's a\\b"), "'it\\'s a\\\\b'");
  // UTF-8 stays; bytes that are not UTF-8, and C1 controls, are escaped.
  EXPECT_EQ(Quoted("d\xc3\xa9mo \xe2\x82\xac \xf0\x9f\x9a\x80"),
            "'d\xc3\xa9mo \xe2\x82\xac \xf0\x9f\x9a\x80'");
  EXPECT_EQ(Quoted("\xff\xc3(\xc2\x9b\xc0\xaf\xed\xa0\x80\xf4\x90\x80\x80\xe2\x82"),
            "'\\xff\\xc3(\\xc2\\x9b\\xc0\\xaf\\xed\\xa0\\x80\\xf4\\x90\\x80\\x80\\xe2\\x82'");

  // Long ones keep their start and end around "...".
  const std::string fits(kQuotedMaxCharacters, 'a');
  EXPECT_EQ(Quoted(fits), "'" + fits + "'");
  const std::string shown =
      Quoted(std::string(60, 'h') + std::string(1000, 'm') + std::string(37, 't'));
  EXPECT_EQ(shown, "'" + std::string(60, 'h') + "..." + std::string(37, 't') + "'");
  // Characters, not bytes, are counted and never split.
  std::string euros;
  for (int i = 0; i < 101; ++i) euros += "\xe2\x82\xac";
  const std::string cut = Quoted(euros);
  EXPECT_EQ(cut.size(), 2 + 97 * 3 + 3u);
  EXPECT_NE(cut.find("\xe2\x82\xac...\xe2\x82\xac"), std::string::npos);
}

}  // namespace
}  // namespace sb
