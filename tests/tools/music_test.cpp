// The two tunes: MIDI files the game's own reader accepts, of the right shape
// and length. How they sound as the game plays them is measured with the
// SDL platform's sound (tests/platform/sdl/audio).
#include <gtest/gtest.h>

#include "generated_files.h"
#include "platform/sdl/audio/midi_length.h"

namespace sbtest {
namespace {

TEST(Tunes, ParseWithTheRightLengthsAndSeveralInstruments) {
  const struct {
    const char* file;
    double shortest, longest;  // seconds
  } tunes[] = {{"Einswei.mid", 60, 120}, {"Frozenbuffalo.mid", 10, 20}};
  for (const auto& tune : tunes) {
    SCOPED_TRACE(tune.file);
    const std::vector<std::uint8_t> bytes = ReadFileBytes(ProgramDir() + "/" + tune.file);
    const sb::sdl::MidiLength length = sb::sdl::MeasureMidi(bytes);
    ASSERT_TRUE(length.ok) << length.error;
    EXPECT_GE(length.seconds, tune.shortest);
    EXPECT_LE(length.seconds, tune.longest);
    // Format 1, with a track for each of several instruments.
    ASSERT_GE(bytes.size(), 14u);
    EXPECT_EQ(bytes[8] << 8 | bytes[9], 1);
    EXPECT_GE(bytes[10] << 8 | bytes[11], 3);
  }
}

}  // namespace
}  // namespace sbtest
