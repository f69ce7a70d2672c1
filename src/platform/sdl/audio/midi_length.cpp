#include "platform/sdl/audio/midi_length.h"

#include <algorithm>

namespace sb::sdl {

namespace {

constexpr uint32_t kDefaultTempo = 500000;  // microseconds per quarter note

struct TempoChange {
  uint64_t tick;
  uint32_t microsPerQuarter;
};

class Reader {
 public:
  Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool AtEnd() const { return pos_ >= size_; }
  bool Byte(uint8_t& b) {
    if (pos_ >= size_) return false;
    b = data_[pos_++];
    return true;
  }
  bool Peek(uint8_t& b) const {
    if (pos_ >= size_) return false;
    b = data_[pos_];
    return true;
  }
  bool Skip(uint64_t n) {
    if (n > size_ - pos_) return false;
    pos_ += static_cast<size_t>(n);
    return true;
  }
  bool Big(int bytes, uint32_t& value) {
    value = 0;
    for (int i = 0; i < bytes; ++i) {
      uint8_t b;
      if (!Byte(b)) return false;
      value = (value << 8) | b;
    }
    return true;
  }
  // Variable-length quantity: at most four bytes of seven bits.
  bool VarLen(uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
      uint8_t b;
      if (!Byte(b)) return false;
      value = (value << 7) | (b & 0x7F);
      if ((b & 0x80) == 0) return true;
    }
    return false;
  }
  const uint8_t* Here() const { return data_ + pos_; }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

bool Bad(std::string& error, const char* what) {
  error = what;
  return false;
}

// What one track has found so far: its tempo changes, the tick its last
// note ends, and the notes still held per channel.
struct TrackState {
  std::vector<TempoChange>& tempos;
  uint64_t& lastNoteEnd;
  uint64_t tick = 0;
  int held[16][128] = {};
  int heldCount = 0;
};

// The status byte of the next event, or the running status if it has none.
bool ReadStatus(Reader& in, uint8_t running, uint8_t& status, std::string& error) {
  if (!in.Peek(status)) return Bad(error, "track ends inside an event");
  if (status & 0x80) {
    in.Byte(status);
  } else if (running != 0) {
    status = running;
  } else {
    return Bad(error, "data byte without a status");
  }
  return true;
}

// A meta event after its 0xFF; keeps tempo changes, sets `end` at the end of
// the track.
bool ReadMeta(Reader& in, TrackState& track, bool& end, std::string& error) {
  uint8_t type;
  uint32_t length;
  if (!in.Byte(type) || !in.VarLen(length)) return Bad(error, "bad meta event");
  if (type == 0x51 && length == 3) {
    const uint8_t* p = in.Here();
    if (!in.Skip(3)) return Bad(error, "bad tempo event");
    const uint32_t tempo = (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
    track.tempos.push_back({track.tick, tempo == 0 ? kDefaultTempo : tempo});
  } else if (!in.Skip(length)) {
    return Bad(error, "meta event runs past the track");
  }
  end = type == 0x2F;
  return true;
}

// A channel message after its status; note-ons and note-offs change the
// held notes, and every release is a candidate for the last note's end.
bool ReadChannelEvent(Reader& in, uint8_t status, TrackState& track, std::string& error) {
  const uint8_t kind = status & 0xF0;
  const int channel = status & 0x0F;
  uint8_t a = 0, b = 0;
  if (!in.Byte(a)) return Bad(error, "track ends inside an event");
  if (kind != 0xC0 && kind != 0xD0 && !in.Byte(b)) {
    return Bad(error, "track ends inside an event");
  }
  a &= 0x7F;
  if (kind == 0x90 && b != 0) {
    ++track.held[channel][a];
    ++track.heldCount;
  } else if (kind == 0x80 || kind == 0x90) {
    if (track.held[channel][a] > 0) {
      --track.held[channel][a];
      --track.heldCount;
    }
    track.lastNoteEnd = std::max(track.lastNoteEnd, track.tick);
  }
  return true;
}

// One track: collects its tempo changes and the tick its last note ends.
bool ReadTrack(Reader in, std::vector<TempoChange>& tempos, uint64_t& lastNoteEnd,
               std::string& error) {
  TrackState track{tempos, lastNoteEnd};
  uint8_t running = 0;
  while (!in.AtEnd()) {
    uint32_t delta;
    if (!in.VarLen(delta)) return Bad(error, "bad delta time");
    track.tick += delta;
    uint8_t status;
    if (!ReadStatus(in, running, status, error)) return false;
    if (status == 0xFF) {
      bool end = false;
      if (!ReadMeta(in, track, end, error)) return false;
      if (end) break;
      continue;
    }
    if (status == 0xF0 || status == 0xF7) {
      uint32_t length;
      if (!in.VarLen(length) || !in.Skip(length)) return Bad(error, "bad system exclusive");
      continue;
    }
    if (status >= 0xF0) return Bad(error, "unexpected system message");
    running = status;
    if (!ReadChannelEvent(in, status, track, error)) return false;
  }
  // A note never released sounds until its track ends.
  if (track.heldCount > 0) lastNoteEnd = std::max(lastNoteEnd, track.tick);
  return true;
}

}  // namespace

MidiLength MeasureMidi(const std::vector<uint8_t>& file) {
  MidiLength result;
  Reader in(file.data(), file.size());
  uint32_t id, headerLength, format, tracks, division;
  if (!in.Big(4, id) || id != 0x4D546864 /* MThd */ || !in.Big(4, headerLength) ||
      headerLength < 6 || !in.Big(2, format) || !in.Big(2, tracks) || !in.Big(2, division) ||
      !in.Skip(headerLength - 6)) {
    result.error = "not a MIDI file";
    return result;
  }
  if (format > 2) {
    result.error = "unknown MIDI format";
    return result;
  }
  if ((division & 0x7FFF) == 0 || ((division & 0x8000) && (division & 0xFF) == 0)) {
    result.error = "bad time division";
    return result;
  }
  std::vector<TempoChange> tempos;
  uint64_t lastNoteEnd = 0;
  uint32_t tracksRead = 0;
  while (!in.AtEnd() && tracksRead < tracks) {
    uint32_t chunk, length;
    if (!in.Big(4, chunk) || !in.Big(4, length)) break;
    const uint8_t* body = in.Here();
    if (!in.Skip(length)) {
      result.error = "chunk runs past the end of the file";
      return result;
    }
    if (chunk != 0x4D54726B /* MTrk */) continue;
    ++tracksRead;
    if (!ReadTrack(Reader(body, length), tempos, lastNoteEnd, result.error)) return result;
  }
  if (tracksRead == 0) {
    result.error = "no tracks";
    return result;
  }

  if (division & 0x8000) {
    // SMPTE: frames per second (negative in the high byte) x ticks per frame.
    const int framesPerSecond = -static_cast<int8_t>(division >> 8);
    const double ticksPerSecond = framesPerSecond * double(division & 0xFF);
    result.seconds = framesPerSecond > 0 ? double(lastNoteEnd) / ticksPerSecond : 0.0;
  } else {
    const double ticksPerQuarter = double(division);
    std::stable_sort(tempos.begin(), tempos.end(),
                     [](const TempoChange& x, const TempoChange& y) { return x.tick < y.tick; });
    double seconds = 0;
    uint64_t at = 0;
    uint32_t tempo = kDefaultTempo;
    for (const TempoChange& change : tempos) {
      if (change.tick >= lastNoteEnd) break;
      seconds += double(change.tick - at) * tempo / 1e6 / ticksPerQuarter;
      at = change.tick;
      tempo = change.microsPerQuarter;
    }
    seconds += double(lastNoteEnd - at) * tempo / 1e6 / ticksPerQuarter;
    result.seconds = seconds;
  }
  result.ok = true;
  return result;
}

}  // namespace sb::sdl
