// The settings file's text: what a person may write by hand is taken, and
// what is damaged gives the defaults (what the game writes: the volume tests).
#include "core/sound_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace sb {
namespace {

TEST(SoundSettings, HandWrittenFilesAreTaken) {
  const ParsedSoundSettings p = ParseSoundSettings(
      "; made by hand\r\n\r\n[video]\nscale = 2\n[ sound ]\n  muted=true  \n"
      "# a comment\nvolume =3\nequaliser = on\n");
  EXPECT_EQ(p.problem, "");
  EXPECT_EQ(p.settings, (SoundSettings{3, true}));
  // Keys left out keep their defaults; an empty file is all defaults.
  EXPECT_EQ(ParseSoundSettings("[sound]\nmuted = true").settings, (SoundSettings{8, true}));
  EXPECT_EQ(ParseSoundSettings("").settings, SoundSettings{});
  // Outside [sound], volume is someone else's.
  EXPECT_EQ(ParseSoundSettings("volume = 2\n").settings, SoundSettings{});
}

TEST(SoundSettings, ADamagedFileGivesTheDefaultsAndNamesItsLine) {
  const std::string volume = "line 4: volume must be a whole number from 0 to 8";
  const std::string section = "line 3: a section name needs its closing ]";
  const std::pair<std::string, std::string> cases[] = {
      {"[sound]\nvolume = 9\n", volume},
      {"[sound]\nvolume = 3.5\n", volume},
      {"[sound]\nvolume =\n", volume},
      {"[sound]\nvolume = 99999999999999999999\n", volume},
      {"[sound]\nmuted = yes\n", "line 4: muted must be true or false"},
      {"[sound\nvolume = 2\n", section},
      {"volume 2\n", "line 3: expected key = value"},
  };
  for (const auto& [text, problem] : cases) {
    // A good line before the damage is dropped with the rest.
    const ParsedSoundSettings p = ParseSoundSettings("[sound]\nmuted = true\n" + text);
    EXPECT_EQ(p.settings, SoundSettings{}) << text;
    EXPECT_EQ(p.problem, problem) << text;
  }
  EXPECT_EQ(ParseSoundSettings(std::string("[sound]\nvol\0ume = 2\n", 20)).problem,
            "line 2: not a text file");
}

}  // namespace
}  // namespace sb
