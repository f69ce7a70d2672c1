// Standard MIDI Files, format 1: one track of tempo and metre, then one track per part.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "byte_buffer.h"

namespace assetgen {

// Writes v as a MIDI variable-length quantity (7 bits per byte, high bit = more).
void PutVarLen(Bytes& out, std::uint32_t v);

class MidiTrack {
 public:
  explicit MidiTrack(std::string name) : name_(std::move(name)) {}

  void Tempo(std::uint32_t tick, double bpm);
  void TimeSignature(std::uint32_t tick, int numerator, int denominator_power);
  void Program(std::uint32_t tick, int channel, int program);
  void Controller(std::uint32_t tick, int channel, int controller, int value);
  // A note from tick to tick + length; the note-off always comes before any
  // note-on at the same tick, so repeated notes retrigger cleanly.
  void Note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);

  const std::string& name() const { return name_; }
  // Tick of the last event (note-offs included).
  std::uint32_t EndTick() const;
  // The track chunk's body: events sorted by time, ending with End of Track at end_tick.
  Bytes Encode(std::uint32_t end_tick) const;

 private:
  struct Event {
    std::uint32_t tick;
    int order;  // among equal ticks: meta and set-up, then note-offs, then note-ons
    std::uint32_t sequence;
    Bytes data;
  };
  void Add(std::uint32_t tick, int order, Bytes data);

  std::string name_;
  std::vector<Event> events_;
};

// Every track ends at the same tick: the last event of the whole song.
Bytes EncodeMidi(const std::vector<MidiTrack>& tracks, int ticks_per_quarter);

}  // namespace assetgen
