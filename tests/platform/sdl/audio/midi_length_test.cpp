// The length of a MIDI file: when its last note ends, through the tempo map.
#include "platform/sdl/audio/midi_length.h"

#include <gtest/gtest.h>

#include "sdl_test_support.h"

namespace sb::sdl {
namespace {

using sdltest::MidiFile;
using Events = std::vector<uint8_t>;

// Note on at 0, note off `ticks` later (delta fits in two bytes).
Events Note(uint8_t key, uint16_t ticks) {
  const auto hi = static_cast<uint8_t>(0x80 | (ticks >> 7)),
             lo = static_cast<uint8_t>(ticks & 0x7F);
  return {0x00, 0x90, key, 100, hi, lo, 0x80, key, 0};
}

double Seconds(const std::vector<uint8_t>& file) {
  const MidiLength m = MeasureMidi(file);
  EXPECT_TRUE(m.ok) << m.error;
  return m.seconds;
}

TEST(MidiLength, LastNoteEndThroughTheTempoMap) {
  // Default tempo: half a second a quarter note.
  EXPECT_NEAR(Seconds(MidiFile(0, 480, {Note(60, 960)})), 1.0, 1e-9);
  // At tick 480 (delta 0x83 0x60) the tempo halves to one quarter a second:
  // 0.5 s + 1.0 s.
  EXPECT_NEAR(Seconds(MidiFile(0, 480,
                               {{0x00, 0x90, 60, 100, 0x83, 0x60, 0xFF, 0x51, 0x03, 0x0F, 0x42,
                                 0x40, 0x83, 0x60, 0x80, 60, 0}})),
              1.5, 1e-9);
  // Format 1, as the game's tunes: tempo 250000 (240 a minute) in the first
  // track times the notes of the second; a tempo change after the last note
  // cannot matter.
  const Events conductor = {0x00, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90, 0x8F,
                            0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20};
  EXPECT_NEAR(Seconds(MidiFile(1, 480, {conductor, Note(64, 960)})), 0.5, 1e-9);
}

TEST(MidiLength, DamagedFilesAreRefused) {
  std::vector<uint8_t> cut = MidiFile(0, 480, {Note(60, 480)});
  cut.resize(cut.size() - 6);  // a track cut inside a note event
  EXPECT_FALSE(MeasureMidi(cut).error.empty());
  EXPECT_FALSE(MeasureMidi({'R', 'I', 'F', 'F', 0, 0, 0, 4}).ok);
  EXPECT_FALSE(MeasureMidi(MidiFile(0, 480, {{0x00, 60, 100}})).ok);  // data without a status
  EXPECT_FALSE(MeasureMidi(MidiFile(0, 0, {Note(60, 480)})).ok);      // no time division
}

}  // namespace
}  // namespace sb::sdl
