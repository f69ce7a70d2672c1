// The length of a MIDI file: when its last note ends, through the tempo map.
#include "platform/sdl/midi_length.h"

#include <gtest/gtest.h>

#include "sdl_test_support.h"

namespace sb::sdl {
namespace {

using sdltest::MidiFile;
using Events = std::vector<uint8_t>;

// Note on at 0, note off `ticks` later (delta fits in two bytes).
Events Note(uint8_t key, uint16_t ticks) {
  return {0x00,
          0x90,
          key,
          100,
          static_cast<uint8_t>(0x80 | (ticks >> 7)),
          static_cast<uint8_t>(ticks & 0x7F),
          0x80,
          key,
          0};
}

Events Tempo(uint8_t delta, uint32_t microsPerQuarter) {
  return {delta,
          0xFF,
          0x51,
          0x03,
          static_cast<uint8_t>(microsPerQuarter >> 16),
          static_cast<uint8_t>(microsPerQuarter >> 8),
          static_cast<uint8_t>(microsPerQuarter)};
}

Events Join(std::initializer_list<Events> parts) {
  Events all;
  for (const Events& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

TEST(MidiLength, DefaultTempoIsHalfASecondPerQuarter) {
  const MidiLength m = MeasureMidi(MidiFile(0, 480, {Note(60, 960)}));
  ASSERT_TRUE(m.ok) << m.error;
  EXPECT_NEAR(m.seconds, 1.0, 1e-9);
}

TEST(MidiLength, TempoChangesApplyFromTheirTick) {
  // Note on at 0; at tick 480 (delta 0x83 0x60) the tempo halves to one
  // quarter a second; note off 480 ticks later: 0.5 s + 1.0 s.
  const Events track = Join({{0x00, 0x90, 60, 100},
                             {0x83, 0x60, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40},
                             {0x83, 0x60, 0x80, 60, 0}});
  const MidiLength m = MeasureMidi(MidiFile(0, 480, {track}));
  ASSERT_TRUE(m.ok) << m.error;
  EXPECT_NEAR(m.seconds, 1.5, 1e-9);
}

TEST(MidiLength, TempoMapOfTheFirstTrackTimesTheOthers) {
  // Format 1: tempo 250000 (240 bpm) in track 0, the notes in track 1, and a
  // tempo change after the last note, which cannot matter.
  const Events conductor =
      Join({Tempo(0, 250000), {0x8F, 0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20}});
  const MidiLength m = MeasureMidi(MidiFile(1, 480, {conductor, Note(64, 960)}));
  ASSERT_TRUE(m.ok) << m.error;
  EXPECT_NEAR(m.seconds, 0.5, 1e-9);
}

TEST(MidiLength, RunningStatusAndZeroVelocityNoteOns) {
  // Two notes with running status; the second ends with a note-on of
  // velocity 0 at tick 480 + 480.
  const Events track = {0x00, 0x90, 60,   100,  0x00, 64, 100,  // both on at 0
                        0x83, 0x60, 60,   0,                    // 60 off at 480
                        0x83, 0x60, 64,   0,                    // 64 off at 960
                        0x00, 0xC0, 5,                          // program change
                        0x00, 0xF0, 0x02, 0x7E, 0xF7};          // system exclusive
  const MidiLength m = MeasureMidi(MidiFile(0, 480, {track}));
  ASSERT_TRUE(m.ok) << m.error;
  EXPECT_NEAR(m.seconds, 1.0, 1e-9);
}

TEST(MidiLength, ANoteNeverReleasedLastsToTheEndOfItsTrack) {
  const Events track = {0x00, 0x90, 60, 100, 0x87, 0x40, 0xB0, 7, 100};  // controller at 960
  const MidiLength m = MeasureMidi(MidiFile(0, 480, {track}));
  ASSERT_TRUE(m.ok) << m.error;
  EXPECT_NEAR(m.seconds, 1.0, 1e-9);
}

TEST(MidiLength, SmpteTimeDivision) {
  // 25 frames a second of 40 ticks: 1000 ticks a second; note off at 2500.
  std::vector<uint8_t> file = MidiFile(0, 0, {{0x00, 0x90, 60, 100, 0x93, 0x44, 0x80, 60, 0}});
  file[12] = static_cast<uint8_t>(-25);
  file[13] = 40;
  const MidiLength m = MeasureMidi(file);
  ASSERT_TRUE(m.ok) << m.error;
  EXPECT_NEAR(m.seconds, 2.5, 1e-9);
}

TEST(MidiLength, DamagedFilesAreRefused) {
  EXPECT_FALSE(MeasureMidi({'R', 'I', 'F', 'F', 0, 0, 0, 4}).ok);
  EXPECT_FALSE(MeasureMidi({}).ok);
  // A track cut inside a note event.
  std::vector<uint8_t> cut = MidiFile(0, 480, {Note(60, 480)});
  cut.resize(cut.size() - 6);
  const MidiLength truncated = MeasureMidi(cut);
  EXPECT_FALSE(truncated.ok);
  EXPECT_FALSE(truncated.error.empty());
  // A data byte with no status before it.
  EXPECT_FALSE(MeasureMidi(MidiFile(0, 480, {{0x00, 60, 100}})).ok);
  // No time division.
  EXPECT_FALSE(MeasureMidi(MidiFile(0, 0, {Note(60, 480)})).ok);
}

}  // namespace
}  // namespace sb::sdl
