#include "midi_reader.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace sbtest {

namespace {

class Cursor {
 public:
  Cursor(const std::vector<std::uint8_t>& b, std::size_t pos, std::size_t end)
      : b_(b), pos_(pos), end_(end) {}
  bool AtEnd() const { return pos_ >= end_; }
  std::size_t pos() const { return pos_; }
  bool Byte(std::uint8_t* v) {
    if (pos_ >= end_) return false;
    *v = b_[pos_++];
    return true;
  }
  bool BigEndian(int n, std::uint32_t* v) {
    *v = 0;
    for (int i = 0; i < n; ++i) {
      std::uint8_t c;
      if (!Byte(&c)) return false;
      *v = (*v << 8) | c;
    }
    return true;
  }
  bool VarLen(std::uint32_t* v) {
    *v = 0;
    for (int i = 0; i < 4; ++i) {
      std::uint8_t c;
      if (!Byte(&c)) return false;
      *v = (*v << 7) | (c & 0x7F);
      if ((c & 0x80) == 0) return true;
    }
    return false;  // more than four bytes
  }
  bool Skip(std::uint32_t n) {
    if (end_ - pos_ < n) return false;
    pos_ += n;
    return true;
  }
  bool Tag(const char* tag) {
    for (int i = 0; i < 4; ++i) {
      std::uint8_t c;
      if (!Byte(&c) || c != static_cast<std::uint8_t>(tag[i])) return false;
    }
    return true;
  }

 private:
  const std::vector<std::uint8_t>& b_;
  std::size_t pos_, end_;
};

}  // namespace

bool ReadMidi(const std::vector<std::uint8_t>& bytes, MidiSong* song, std::string* error) {
  Cursor head(bytes, 0, bytes.size());
  std::uint32_t length, format, tracks, division;
  if (!head.Tag("MThd") || !head.BigEndian(4, &length) || length != 6 ||
      !head.BigEndian(2, &format) || !head.BigEndian(2, &tracks) || !head.BigEndian(2, &division)) {
    *error = "bad header chunk";
    return false;
  }
  if (division == 0 || (division & 0x8000) != 0) {
    *error = "division is not ticks per quarter note";
    return false;
  }
  song->format = static_cast<int>(format);
  song->division = static_cast<int>(division);

  std::map<std::uint32_t, std::uint32_t> tempo;  // tick -> microseconds per quarter
  tempo[0] = 500000;
  std::map<std::pair<int, int>, std::vector<std::size_t>> sounding;
  std::size_t pos = head.pos();
  for (std::uint32_t t = 0; t < tracks; ++t) {
    Cursor chunk(bytes, pos, bytes.size());
    std::uint32_t size;
    if (!chunk.Tag("MTrk") || !chunk.BigEndian(4, &size) || bytes.size() - chunk.pos() < size) {
      *error = "bad track chunk " + std::to_string(t);
      return false;
    }
    Cursor c(bytes, chunk.pos(), chunk.pos() + size);
    pos = chunk.pos() + size;
    std::uint32_t tick = 0;
    std::uint8_t status = 0;
    bool ended = false;
    while (!c.AtEnd()) {
      if (ended) {
        *error = "events after End of Track in track " + std::to_string(t);
        return false;
      }
      std::uint32_t delta;
      std::uint8_t first;
      if (!c.VarLen(&delta) || !c.Byte(&first)) {
        *error = "truncated event";
        return false;
      }
      tick += delta;
      if (first == 0xFF) {
        std::uint8_t type;
        std::uint32_t len;
        if (!c.Byte(&type) || !c.VarLen(&len)) {
          *error = "truncated meta event";
          return false;
        }
        if (type == 0x51 && len == 3) {
          std::uint32_t us;
          c.BigEndian(3, &us);
          tempo[tick] = us;
        } else if (!c.Skip(len)) {
          *error = "truncated meta event";
          return false;
        }
        if (type == 0x2F) {
          ended = true;
          song->track_end_ticks.push_back(tick);
        }
        continue;
      }
      if (first == 0xF0 || first == 0xF7) {
        std::uint32_t len;
        if (!c.VarLen(&len) || !c.Skip(len)) {
          *error = "truncated system exclusive";
          return false;
        }
        continue;
      }
      std::uint8_t data1;
      if (first & 0x80) {
        status = first;
        if (!c.Byte(&data1)) return *error = "truncated event", false;
      } else {
        if (status == 0) return *error = "running status with no status", false;
        data1 = first;
      }
      int kind = status & 0xF0, channel = status & 0x0F;
      std::uint8_t data2 = 0;
      if (kind != 0xC0 && kind != 0xD0 && !c.Byte(&data2)) {
        *error = "truncated channel event";
        return false;
      }
      if (kind == 0xC0) song->programs[channel] = data1;
      bool on = kind == 0x90 && data2 > 0;
      bool off = kind == 0x80 || (kind == 0x90 && data2 == 0);
      if (on) {
        MidiNote n;
        n.channel = channel;
        n.key = data1;
        n.velocity = data2;
        n.start_tick = tick;
        sounding[{channel, data1}].push_back(song->notes.size());
        song->notes.push_back(n);
        song->note_channels.insert(channel);
      } else if (off) {
        auto& open = sounding[{channel, data1}];
        if (open.empty()) {
          ++song->stray_note_offs;
        } else {
          song->notes[open.front()].end_tick = tick;
          open.erase(open.begin());
        }
      }
    }
    if (!ended) {
      *error = "track " + std::to_string(t) + " has no End of Track";
      return false;
    }
    ++song->track_count;
  }
  if (pos != bytes.size()) {
    *error = "bytes after the last track";
    return false;
  }
  for (auto& [key, open] : sounding) song->hanging_notes += static_cast<int>(open.size());

  auto seconds = [&](std::uint32_t tick) {
    double s = 0.0;
    std::uint32_t from = 0, us = 500000;
    for (auto [at, value] : tempo) {
      if (at >= tick) break;
      s += static_cast<double>(at - from) * us / 1e6 / song->division;
      from = at;
      us = value;
    }
    return s + static_cast<double>(tick - from) * us / 1e6 / song->division;
  };
  for (MidiNote& n : song->notes) {
    n.start = seconds(n.start_tick);
    n.end = seconds(n.end_tick);
  }
  std::uint32_t last = 0;
  for (std::uint32_t e : song->track_end_ticks) last = std::max(last, e);
  song->duration = seconds(last);
  return true;
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace sbtest
