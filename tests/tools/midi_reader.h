// A small Standard MIDI File reader for checking the generated tunes: chunk
// structure, notes with their times in seconds (following tempo changes),
// channels and programs.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace sbtest {

struct MidiNote {
  int channel = 0;
  int key = 0;
  int velocity = 0;
  std::uint32_t start_tick = 0, end_tick = 0;
  double start = 0.0, end = 0.0;  // seconds
};

struct MidiSong {
  int format = -1;
  int division = 0;  // ticks per quarter note
  int track_count = 0;
  std::vector<std::uint32_t> track_end_ticks;  // tick of each End of Track
  std::vector<MidiNote> notes;
  std::set<int> note_channels;
  std::map<int, int> programs;  // channel -> last program change
  int hanging_notes = 0;        // note-ons never switched off
  int stray_note_offs = 0;      // note-offs with no note sounding
  double duration = 0.0;        // seconds to the last End of Track
};

// False with a reason when the bytes are not a well-formed file.
bool ReadMidi(const std::vector<std::uint8_t>& bytes, MidiSong* song, std::string* error);

std::vector<std::uint8_t> ReadFileBytes(const std::string& path);

}  // namespace sbtest
