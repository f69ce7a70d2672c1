#include "music_composer.h"

#include <string>
#include <vector>

#include "harmony.h"
#include "midi_writer.h"
#include "rng.h"

namespace assetgen {

namespace {

constexpr int kTpq = 480;          // ticks per quarter note
constexpr int kEighth = kTpq / 2;  // the tunes' basic grid
constexpr int kSixteenth = kTpq / 4;
constexpr int kBar = kTpq * 4;
constexpr int kDrums = 9;  // General MIDI percussion channel
// The final chord rings for three beats; its release fills the last beat.
constexpr int kFinalChord = kTpq * 3;
constexpr int kAllSoundOff = 120;

// General MIDI programs (0-based) and percussion keys.
enum Program {
  kPiano = 0,
  kOverdrivenGuitar = 29,
  kCello = 42,
  kStrings = 48,
  kSlowStrings = 49,
  kChoir = 52,
  kBrass = 61,
  kSynthBass = 38,
  kOboe = 68,
  kSawLead = 81,
};
enum Drum {
  kKick = 36,
  kSnare = 38,
  kClosedHat = 42,
  kOpenHat = 46,
  kLowTom = 45,
  kMidTom = 47,
  kHiMidTom = 48,
  kCrash = 49,
  kHighTom = 50,
  kRide = 51,
};

std::uint32_t T(int ticks) {
  return static_cast<std::uint32_t>(ticks);
}

void SetUp(MidiTrack& t, int channel, int program, int volume, int pan, int reverb) {
  if (channel != kDrums) t.Program(0, channel, program);
  t.Controller(0, channel, 7, volume);
  t.Controller(0, channel, 10, pan);
  t.Controller(0, channel, 91, reverb);
}

// At the very end every voice is cut (cymbal and reverb tails too), so the
// synthesiser stops right there and the game can start the tune again at once.
void SilenceAt(MidiTrack& t, int channel, std::uint32_t tick) {
  t.Controller(tick, channel, kAllSoundOff, 0);
}

// A melodic cell: start and length in eighths within the bar, and the note as
// scale steps above the bar's chord root.
struct Cell {
  int start, length, step;
};
using Bar = std::vector<Cell>;

enum class Section { kIntro, kVerse, kChorus, kVerseAgain, kBridge, kFinale, kOutro };

struct BarPlan {
  Section section;
  Chord chord;
  bool phrase_start;  // crash cymbal
  bool fill;          // drum fill in the second half
};

// ---- "Einswei" -------------------------------------------------------------

const Chord Am{9, true}, C{0, false}, Dm{2, true}, E{4, false}, Em{4, true}, F{5, false},
    G{7, false};

std::vector<BarPlan> BattleForm() {
  std::vector<BarPlan> bars;
  auto add = [&](Section s, const std::vector<Chord>& chords) {
    for (std::size_t i = 0; i < chords.size(); ++i) {
      bars.push_back({s, chords[i], i % 4 == 0, i % 4 == 3});
    }
  };
  add(Section::kIntro, {Am, Am, F, G});
  add(Section::kVerse, {Am, F, C, G, Am, F, G, E});
  add(Section::kChorus, {F, G, Am, Am, Dm, Em, F, E});
  add(Section::kVerseAgain, {Am, F, C, G, Am, F, G, E});
  add(Section::kBridge, {Dm, Dm, F, E});
  add(Section::kFinale, {Am, F, C, G, Am, F, G, E});
  add(Section::kOutro, {Am, Am});
  return bars;
}

// The verse melody: a call, its answer, the call again and a cadence.
const std::vector<Bar> kVerseTune = {
    {{0, 3, 4}, {3, 1, 3}, {4, 2, 2}, {6, 2, 0}}, {{0, 2, 2}, {2, 2, 4}, {4, 4, 7}},
    {{0, 3, 7}, {3, 1, 6}, {4, 2, 4}, {6, 2, 2}}, {{0, 6, 4}, {6, 2, 1}},
    {{0, 3, 4}, {3, 1, 3}, {4, 2, 2}, {6, 2, 0}}, {{0, 2, 2}, {2, 2, 4}, {4, 2, 7}, {6, 2, 6}},
    {{0, 2, 4}, {2, 2, 3}, {4, 2, 2}, {6, 2, 1}}, {{0, 8, 0}},
};

// The chorus melody: rising arpeggios answered by falling steps.
const std::vector<Bar> kChorusTune = {
    {{0, 1, 0}, {1, 1, 2}, {2, 1, 4}, {3, 3, 7}, {6, 2, 6}},
    {{0, 2, 4}, {2, 2, 2}, {4, 4, 4}},
    {{0, 1, 0}, {1, 1, 2}, {2, 1, 4}, {3, 3, 7}, {6, 1, 9}, {7, 1, 7}},
    {{0, 4, 7}, {4, 2, 4}, {6, 2, 2}},
    {{0, 3, 4}, {3, 3, 2}, {6, 2, 4}},
    {{0, 3, 4}, {3, 3, 2}, {6, 2, 0}},
    {{0, 2, 4}, {2, 2, 5}, {4, 4, 6}},
    {{0, 6, 7}, {6, 2, 4}},
};

// Adds passing notes: a held note sometimes splits into two, the second a
// scale step towards the next note.
Bar Ornament(const Bar& bar, Rng& rng) {
  Bar out;
  for (std::size_t i = 0; i < bar.size(); ++i) {
    const Cell& c = bar[i];
    if (c.length >= 2 && c.length <= 4 && rng.Chance(0.35f)) {
      int next = i + 1 < bar.size() ? bar[i + 1].step : c.step;
      int dir = next > c.step ? 1 : (next < c.step ? -1 : 1);
      out.push_back({c.start, c.length - 1, c.step});
      out.push_back({c.start + c.length - 1, 1, c.step + dir});
    } else {
      out.push_back(c);
    }
  }
  return out;
}

void BattleDrums(MidiTrack& t, int bar_tick, const BarPlan& b, bool last_bar) {
  auto hit = [&](int eighth, int key, int vel, int sub = 0) {
    t.Note(T(bar_tick + eighth * kEighth + sub * kSixteenth), T(kSixteenth), kDrums, key, vel);
  };
  if (b.phrase_start || last_bar) hit(0, kCrash, 110);
  if (last_bar) {
    hit(0, kKick, 120);
    return;
  }
  int groove_end = b.fill ? 4 : 8;
  for (int e = 0; e < groove_end; ++e) {
    switch (b.section) {
      case Section::kIntro:
      case Section::kVerse:
      case Section::kVerseAgain:
      case Section::kFinale:
      case Section::kOutro:
        if (!(b.section == Section::kIntro && e % 2 == 1 && bar_tick < 2 * kBar)) {
          hit(e, e == 7 ? kOpenHat : kClosedHat, e % 2 == 0 ? 92 : 68);
        }
        if (e == 0 || e == 3 || e == 4 || (e == 5 && b.section == Section::kFinale)) {
          hit(e, kKick, 112);
        }
        if ((e == 2 || e == 6) && !(b.section == Section::kIntro && bar_tick < 2 * kBar)) {
          hit(e, kSnare, 108);
        }
        break;
      case Section::kChorus:
        // Four on the floor with the ride cymbal.
        hit(e, kRide, e % 2 == 0 ? 96 : 72);
        if (e % 2 == 0) hit(e, kKick, 114);
        if (e == 2 || e == 6) hit(e, kSnare, 110);
        break;
      case Section::kBridge:
        // Half time.
        if (e % 2 == 0) hit(e, kClosedHat, 80);
        if (e == 0) hit(e, kKick, 110);
        if (e == 4) hit(e, kSnare, 104);
        break;
    }
  }
  if (b.fill) {
    // Sixteenths down the toms, snare to finish.
    const int toms[8] = {kSnare, kSnare, kHighTom, kHighTom, kHiMidTom, kMidTom, kLowTom, kSnare};
    for (int i = 0; i < 8; ++i) {
      t.Note(T(bar_tick + kBar / 2 + i * kSixteenth), T(kSixteenth), kDrums, toms[i], 90 + i * 4);
    }
    hit(4, kKick, 110);
  }
}

void BattleBass(MidiTrack& t, int bar_tick, const BarPlan& b, const Chord* next, bool last_bar) {
  int root = RootIn(b.chord, 33);  // A1 .. G#2
  if (last_bar) {
    t.Note(T(bar_tick), T(kFinalChord), 2, root, 112);
    return;
  }
  if (b.section == Section::kBridge) {
    t.Note(T(bar_tick), T(kBar / 2 - 30), 2, root, 100);
    t.Note(T(bar_tick + kBar / 2), T(kBar / 2 - 30), 2, root + 7, 96);
    return;
  }
  for (int e = 0; e < 8; ++e) {
    int key = root;
    if (e == 2 || e == 6) key = root + 12;
    if (e == 7 && next != nullptr && next->root != b.chord.root) {
      // Lead into the next chord from a step below or above.
      int target = RootIn(*next, 33);
      key = target > root ? target - 2 : target + 2;
    }
    t.Note(T(bar_tick + e * kEighth), T(kEighth - 20), 2, key, e % 2 == 0 ? 112 : 92);
  }
}

void BattleGuitar(MidiTrack& t, int bar_tick, const BarPlan& b, bool last_bar) {
  if (b.section == Section::kIntro && bar_tick < 2 * kBar) return;
  int root = RootIn(b.chord, 40);  // E2 .. D#3
  auto power = [&](int start, int length, int vel) {
    for (int k : {root, root + 7, root + 12}) {
      t.Note(T(bar_tick + start), T(length), 1, k, vel);
    }
  };
  if (last_bar) {
    power(0, kFinalChord, 110);
  } else if (b.section == Section::kChorus || b.section == Section::kFinale) {
    for (int e = 0; e < 8; ++e) power(e * kEighth, kEighth - 40, e % 2 == 0 ? 104 : 86);
  } else if (b.section == Section::kBridge) {
    power(0, kBar - 60, 90);
  } else {
    power(0, 3 * kEighth - 40, 104);
    power(3 * kEighth, 3 * kEighth - 40, 98);
    power(6 * kEighth, 2 * kEighth - 40, 100);
  }
}

Bytes BattleTune() {
  std::vector<BarPlan> form = BattleForm();
  MidiTrack conductor("Einswei");
  conductor.Tempo(0, 144.0);
  conductor.TimeSignature(0, 4, 2);
  MidiTrack lead("Lead"), guitar("Rhythm guitar"), bass("Bass"), strings("Strings"), brass("Brass"),
      drums("Drums");
  SetUp(lead, 0, kSawLead, 60, 72, 50);
  SetUp(guitar, 1, kOverdrivenGuitar, 50, 44, 30);
  SetUp(bass, 2, kSynthBass, 72, 64, 10);
  SetUp(strings, 3, kStrings, 50, 84, 70);
  SetUp(brass, 4, kBrass, 52, 54, 50);
  SetUp(drums, kDrums, 0, 76, 64, 30);

  MinorKey key(9);  // A minor
  Rng rng(HashName("Einswei"));
  std::vector<int> voicing;
  int section_bar = 0;
  for (std::size_t i = 0; i < form.size(); ++i) {
    const BarPlan& b = form[i];
    int tick = static_cast<int>(i) * kBar;
    bool last = i + 1 == form.size();
    if (i > 0 && form[i - 1].section != b.section) section_bar = 0;
    const Chord* next = last ? nullptr : &form[i + 1].chord;

    BattleDrums(drums, tick, b, last);
    BattleBass(bass, tick, b, next, last);
    BattleGuitar(guitar, tick, b, last);

    // Strings hold the chord through every bar but the intro's first two.
    if (!(b.section == Section::kIntro && section_bar < 2)) {
      voicing = Voice(b.chord, voicing, 52, 74);
      for (int k : voicing)
        strings.Note(T(tick), T(last ? kFinalChord : kBar - 10), 3, k, last ? 100 : 76);
    }

    // The lead sings over the verses and the chorus; brass doubles it a third
    // below in the finale and answers in the bridge.
    const std::vector<Bar>* tune = nullptr;
    if (b.section == Section::kVerse || b.section == Section::kVerseAgain ||
        b.section == Section::kFinale) {
      tune = &kVerseTune;
    } else if (b.section == Section::kChorus) {
      tune = &kChorusTune;
    }
    if (tune != nullptr) {
      Bar cells = (*tune)[static_cast<std::size_t>(section_bar) % tune->size()];
      if (b.section == Section::kVerseAgain) cells = Ornament(cells, rng);
      for (const Cell& c : cells) {
        int start = tick + c.start * kEighth, len = c.length * kEighth - 24;
        int vel = c.start % 2 == 0 ? 104 : 92;
        lead.Note(T(start), T(len), 0, key.Melody(b.chord, c.step, 62), vel);
        if (b.section == Section::kFinale) {
          brass.Note(T(start), T(len), 4, key.Melody(b.chord, c.step - 2, 62), vel - 16);
        }
      }
    } else if (b.section == Section::kBridge) {
      for (int s : {0, 4}) {
        int step = section_bar % 2 == 0 ? 4 : 2;
        for (int k : {key.Melody(b.chord, step, 55), key.Melody(b.chord, step + 2, 55)}) {
          brass.Note(T(tick + s * kEighth), T(3 * kEighth), 4, k, 90);
        }
      }
    } else if (last) {
      lead.Note(T(tick), T(kFinalChord), 0, key.Melody(b.chord, 7, 62), 100);
    }
    ++section_bar;
  }
  std::uint32_t end = T(static_cast<int>(form.size()) * kBar);
  int channel = 0;
  for (MidiTrack* t : {&lead, &guitar, &bass, &strings, &brass}) SilenceAt(*t, channel++, end);
  SilenceAt(drums, kDrums, end);
  return EncodeMidi({conductor, lead, guitar, bass, strings, brass, drums}, kTpq);
}

// ---- "Frozenbuffalo" -------------------------------------------------------

Bytes DeathTune() {
  MidiTrack conductor("Frozenbuffalo");
  conductor.Tempo(0, 70.0);
  conductor.TimeSignature(0, 4, 2);
  MidiTrack melody("Oboe"), piano("Piano"), strings("Strings"), choir("Choir"), cello("Cello");
  SetUp(melody, 0, kOboe, 92, 70, 80);
  SetUp(piano, 1, kPiano, 80, 50, 80);
  SetUp(strings, 2, kSlowStrings, 76, 84, 90);
  SetUp(choir, 3, kChoir, 58, 64, 100);
  SetUp(cello, 4, kCello, 90, 60, 70);

  const Chord Bb{10, false}, Gm{7, true}, A{9, false};  // Dm as in the battle tune
  const std::vector<Chord> chords = {Dm, Bb, Gm, A, Dm};
  MinorKey key(2);  // D minor
  // A falling line: (start beat, beats, scale steps above the chord root).
  const std::vector<std::vector<Cell>> line = {
      {{0, 2, 4}, {2, 1, 2}, {3, 1, 1}},  // A F E
      {{0, 3, 2}, {3, 1, 1}},             // D C
      {{0, 2, 2}, {2, 1, 4}, {3, 1, 7}},  // Bb D G
      {{0, 2, 4}, {2, 2, 2}},             // E C#
      {{0, 4, 0}},                        // D
  };
  std::vector<int> voicing;
  for (std::size_t i = 0; i < chords.size(); ++i) {
    int tick = static_cast<int>(i) * kBar;
    bool last = i + 1 == chords.size();
    if (last) conductor.Tempo(T(tick), 56.0);  // broaden into the final chord
    const Chord& c = chords[i];
    for (const Cell& n : line[i]) {
      int vel = last ? 70 : 84 - static_cast<int>(i) * 3;
      melody.Note(T(tick + n.start * kTpq), T(n.length * kTpq - 20), 0, key.Melody(c, n.step, 60),
                  vel);
    }
    int root = RootIn(c, 36);
    int held = last ? kFinalChord : kBar - 10;
    cello.Note(T(tick), T(held), 4, root, 84);
    voicing = Voice(c, voicing, 53, 70);
    for (int k : voicing) strings.Note(T(tick), T(held), 2, k, 70);
    choir.Note(T(tick), T(held), 3, voicing.back(), 56);
    if (last) {
      piano.Note(T(tick), T(kFinalChord), 1, root + 12, 60);
      piano.Note(T(tick), T(kFinalChord), 1, root + 24, 50);
      continue;
    }
    // Broken chord in eighths: root, fifth, octave, third, and back down.
    const int pattern[8] = {0, 7, 12, 15, 19, 15, 12, 7};
    for (int e = 0; e < 8; ++e) {
      int interval = pattern[e];
      if (!c.minor && (interval == 15 || interval == 3)) ++interval;
      piano.Note(T(tick + e * kEighth), T(kEighth * 2), 1, root + 12 + interval, e == 0 ? 64 : 50);
    }
  }
  std::uint32_t end = T(static_cast<int>(chords.size()) * kBar);
  int channel = 0;
  for (MidiTrack* t : {&melody, &piano, &strings, &choir, &cello}) SilenceAt(*t, channel++, end);
  return EncodeMidi({conductor, melody, piano, strings, choir, cello}, kTpq);
}

}  // namespace

Bytes ComposeBattleTune() {
  return BattleTune();
}
Bytes ComposeDeathTune() {
  return DeathTune();
}

}  // namespace assetgen
