#include "midi_writer.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

void PutVarLen(Bytes& out, std::uint32_t v) {
  std::uint8_t groups[5];
  int n = 0;
  do {
    groups[n++] = static_cast<std::uint8_t>(v & 0x7F);
    v >>= 7;
  } while (v != 0);
  for (int i = n - 1; i >= 0; --i) {
    out.push_back(static_cast<std::uint8_t>(groups[i] | (i > 0 ? 0x80 : 0)));
  }
}

namespace {
std::uint8_t Byte7(int v) {
  return static_cast<std::uint8_t>(std::clamp(v, 0, 127));
}
std::uint8_t Status(int kind, int channel) {
  return static_cast<std::uint8_t>(kind | (channel & 0x0F));
}
}  // namespace

void MidiTrack::Add(std::uint32_t tick, int order, Bytes data) {
  events_.push_back({tick, order, static_cast<std::uint32_t>(events_.size()), std::move(data)});
}

void MidiTrack::Tempo(std::uint32_t tick, double bpm) {
  auto us = static_cast<std::uint32_t>(std::lround(60000000.0 / bpm));
  Add(tick, 0,
      {0xFF, 0x51, 0x03, static_cast<std::uint8_t>(us >> 16), static_cast<std::uint8_t>(us >> 8),
       static_cast<std::uint8_t>(us)});
}

void MidiTrack::TimeSignature(std::uint32_t tick, int numerator, int denominator_power) {
  Add(tick, 0,
      {0xFF, 0x58, 0x04, static_cast<std::uint8_t>(numerator),
       static_cast<std::uint8_t>(denominator_power), 24, 8});
}

void MidiTrack::Program(std::uint32_t tick, int channel, int program) {
  Add(tick, 0, {Status(0xC0, channel), Byte7(program)});
}

void MidiTrack::Controller(std::uint32_t tick, int channel, int controller, int value) {
  Add(tick, 0, {Status(0xB0, channel), Byte7(controller), Byte7(value)});
}

void MidiTrack::Note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity) {
  if (length == 0) return;
  Add(tick, 2,
      {Status(0x90, channel), Byte7(key), static_cast<std::uint8_t>(std::clamp(velocity, 1, 127))});
  Add(tick + length, 1, {Status(0x80, channel), Byte7(key), 0});
}

std::uint32_t MidiTrack::EndTick() const {
  std::uint32_t end = 0;
  for (const Event& e : events_) end = std::max(end, e.tick);
  return end;
}

Bytes MidiTrack::Encode(std::uint32_t end_tick) const {
  std::vector<const Event*> sorted;
  for (const Event& e : events_) sorted.push_back(&e);
  std::sort(sorted.begin(), sorted.end(), [](const Event* a, const Event* b) {
    if (a->tick != b->tick) return a->tick < b->tick;
    if (a->order != b->order) return a->order < b->order;
    return a->sequence < b->sequence;
  });
  Bytes body;
  PutVarLen(body, 0);
  body.push_back(0xFF);
  body.push_back(0x03);
  PutVarLen(body, static_cast<std::uint32_t>(name_.size()));
  PutText(body, name_);
  std::uint32_t now = 0;
  for (const Event* e : sorted) {
    PutVarLen(body, e->tick - now);
    now = e->tick;
    body.insert(body.end(), e->data.begin(), e->data.end());
  }
  PutVarLen(body, end_tick - now);
  body.push_back(0xFF);
  body.push_back(0x2F);
  body.push_back(0x00);
  return body;
}

Bytes EncodeMidi(const std::vector<MidiTrack>& tracks, int ticks_per_quarter) {
  std::uint32_t end = 0;
  for (const MidiTrack& t : tracks) end = std::max(end, t.EndTick());
  Bytes out;
  PutText(out, "MThd");
  PutBE32(out, 6);
  PutBE16(out, 1);
  PutBE16(out, static_cast<std::uint32_t>(tracks.size()));
  PutBE16(out, static_cast<std::uint32_t>(ticks_per_quarter));
  for (const MidiTrack& t : tracks) {
    Bytes body = t.Encode(end);
    PutText(out, "MTrk");
    PutBE32(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
  }
  return out;
}

}  // namespace assetgen
