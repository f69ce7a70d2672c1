// The tool's building blocks: file encoders checked against SDL's own readers
// and the small MIDI reader, and the painter's no-dark-fringe rule.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "bmp_writer.h"
#include "harmony.h"
#include "midi_reader.h"
#include "midi_writer.h"
#include "sculpture.h"
#include "wav_writer.h"

namespace sbtest {
namespace {

using assetgen::Bytes;

TEST(BmpWriter, RowsOfAnyWidthReadBackTopDown) {
  // Widths 1 to 5 cover every amount of row padding.
  for (int w = 1; w <= 5; ++w) {
    assetgen::Image img(w, 3);
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < w; ++x) {
        img.at(x, y) = {static_cast<std::uint8_t>(10 + x), static_cast<std::uint8_t>(50 + y),
                        static_cast<std::uint8_t>(200 - x - y)};
      }
    }
    Bytes bmp = assetgen::EncodeBmp(img);
    SDL_Surface* s =
        SDL_LoadBMP_RW(SDL_RWFromConstMem(bmp.data(), static_cast<int>(bmp.size())), 1);
    ASSERT_NE(s, nullptr) << SDL_GetError();
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGB24, 0);
    SDL_FreeSurface(s);
    ASSERT_EQ(rgb->w, w);
    ASSERT_EQ(rgb->h, 3);
    for (int y = 0; y < 3; ++y) {
      const auto* row = static_cast<const std::uint8_t*>(rgb->pixels) + y * rgb->pitch;
      for (int x = 0; x < w; ++x) {
        EXPECT_EQ(row[3 * x], img.at(x, y).r) << w << ":" << x << "," << y;
        EXPECT_EQ(row[3 * x + 1], img.at(x, y).g);
        EXPECT_EQ(row[3 * x + 2], img.at(x, y).b);
      }
    }
    SDL_FreeSurface(rgb);
  }
}

TEST(WavWriter, ReadsBackAsMono16BitWithOutOfRangeSamplesClipped) {
  Bytes wav = assetgen::EncodeWav({0.0f, 0.5f, -0.5f, 2.0f, -3.0f}, 10000);
  SDL_AudioSpec spec;
  Uint8* buf = nullptr;
  Uint32 len = 0;
  ASSERT_NE(SDL_LoadWAV_RW(SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size())), 1, &spec,
                           &buf, &len),
            nullptr)
      << SDL_GetError();
  EXPECT_EQ(spec.freq, 10000);
  EXPECT_EQ(spec.channels, 1);
  ASSERT_EQ(len, 10u);
  const auto* s = reinterpret_cast<const Sint16*>(buf);
  EXPECT_EQ(s[0], 0);
  EXPECT_EQ(s[1], 16384);
  EXPECT_EQ(s[2], -16384);
  EXPECT_EQ(s[3], 32767);
  EXPECT_EQ(s[4], -32767);
  SDL_FreeWAV(buf);
}

TEST(MidiWriter, VariableLengthQuantitiesAtTheByteBoundaries) {
  auto encode = [](std::uint32_t v) {
    Bytes b;
    assetgen::PutVarLen(b, v);
    return b;
  };
  EXPECT_EQ(encode(0), Bytes({0x00}));
  EXPECT_EQ(encode(0x7F), Bytes({0x7F}));
  EXPECT_EQ(encode(0x80), Bytes({0x81, 0x00}));
  EXPECT_EQ(encode(0x3FFF), Bytes({0xFF, 0x7F}));
  EXPECT_EQ(encode(0x4000), Bytes({0x81, 0x80, 0x00}));
  EXPECT_EQ(encode(0x0FFFFFFF), Bytes({0xFF, 0xFF, 0xFF, 0x7F}));
}

TEST(MidiWriter, RepeatedNotesReleaseBeforeTheyRetriggerAndTracksEndTogether) {
  assetgen::MidiTrack a("a"), b("b");
  a.Tempo(0, 120.0);
  // Added out of order, back to back on one key, plus a zero-length note.
  b.Note(480, 480, 0, 60, 100);
  b.Note(0, 480, 0, 60, 100);
  b.Note(100, 0, 0, 61, 100);
  a.Note(0, 1920, 1, 40, 90);
  MidiSong song;
  std::string error;
  ASSERT_TRUE(ReadMidi(assetgen::EncodeMidi({a, b}, 480), &song, &error)) << error;
  EXPECT_EQ(song.format, 1);
  EXPECT_EQ(song.track_count, 2);
  EXPECT_EQ(song.hanging_notes, 0);
  EXPECT_EQ(song.stray_note_offs, 0);
  ASSERT_EQ(song.notes.size(), 3u);  // the zero-length note is dropped
  for (const MidiNote& n : song.notes) {
    if (n.key == 60) {
      EXPECT_EQ(n.end_tick - n.start_tick, 480u);
    }
  }
  EXPECT_EQ(song.track_end_ticks, std::vector<std::uint32_t>({1920, 1920}));
  EXPECT_DOUBLE_EQ(song.duration, 2.0);  // four beats at 120 a minute
}

TEST(Harmony, MelodyFollowsTheChordAndTheDominantGetsItsLeadingTone) {
  assetgen::MinorKey a_minor(9);
  const assetgen::Chord am{9, true}, f{5, false}, e{4, false};
  EXPECT_EQ(a_minor.Melody(am, 0, 62), 69);   // A4
  EXPECT_EQ(a_minor.Melody(am, 2, 62), 72);   // C5
  EXPECT_EQ(a_minor.Melody(am, -1, 62), 67);  // G4, a step below
  EXPECT_EQ(a_minor.Melody(f, 2, 62), 69);    // A4 over F
  EXPECT_EQ(a_minor.Melody(e, 2, 62), 68);    // G#4 over E major, not G
  EXPECT_EQ(a_minor.Melody(e, 7, 62), 76);    // the octave
}

TEST(Harmony, VoicingsHoldChordTonesInRangeAndMoveLittle) {
  const assetgen::Chord am{9, true}, f{5, false}, g{7, false};
  std::vector<int> v = assetgen::Voice(am, {}, 52, 74);
  ASSERT_EQ(v.size(), 3u);
  for (const assetgen::Chord& next : {f, g, am}) {
    std::vector<int> w = assetgen::Voice(next, v, 52, 74);
    ASSERT_EQ(w.size(), 3u);
    for (int i = 0; i < 3; ++i) {
      EXPECT_GE(w[i], 52);
      EXPECT_LE(w[i], 74);
      int interval = ((w[i] - next.root) % 12 + 12) % 12;
      EXPECT_TRUE(interval == 0 || interval == (next.minor ? 3 : 4) || interval == 7) << w[i];
      EXPECT_LE(std::abs(w[i] - v[i]), 4) << "voice " << i << " leaps";
    }
    v = w;
  }
}

// A black shape must stay visible, and the outline must not fade to black
// where the game would show a dark fringe.
TEST(Sculpture, EdgesAreCrispAndDarkSubjectsStayOpaque) {
  assetgen::Sculpture s(16, 16, 4, 8.0f, {8.0f, 8.0f});
  s.Fill(assetgen::Region::Circle({0.0f, 0.0f}, 0.8f), {{0.9f, 0.9f, 0.9f}, 0.0f, 1.0f}, 0.0f,
         0.0f);
  s.Fill(assetgen::Region::Circle({0.0f, 0.0f}, 0.2f), {{0.0f, 0.0f, 0.0f}, 0.0f, 1.0f}, 0.0f,
         0.0f);
  assetgen::Image img = s.Render();
  EXPECT_TRUE(img.at(0, 0).IsTransparent());
  EXPECT_FALSE(img.at(8, 8).IsTransparent());  // the black middle is near-black, not the key
  int lightest = 0, darkest_ring = 255;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const assetgen::Rgb& p = img.at(x, y);
      if (p.IsTransparent()) continue;
      double r = std::hypot(x + 0.5 - 8, y + 0.5 - 8);
      if (r > 3.0) darkest_ring = std::min<int>(darkest_ring, p.r);
      lightest = std::max<int>(lightest, p.r);
    }
  }
  EXPECT_GT(darkest_ring, lightest * 8 / 10);
}

}  // namespace
}  // namespace sbtest
