// Keyboard and mouse.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace sb {

class Keyboard {
 public:
  virtual ~Keyboard() = default;
  virtual void SetBufferSize(uint32_t records) = 0;
  // Keyboard notifications are delivered with this event handle.
  virtual void SetEventNotification(int32_t event) = 0;
  virtual void Acquire() = 0;
  // 256 bytes, one per key code: 0x80 held, 0 up.
  virtual void GetDeviceState(uint8_t (&state)[256]) = 0;
  // Moves up to `capacity` buffered records into `records`; returns how many.
  virtual int GetDeviceData(InputRecord* records, int capacity) = 0;
};

class Mouse {
 public:
  virtual ~Mouse() = default;
  virtual void SetBufferSize(uint32_t records) = 0;
  virtual void Acquire() = 0;
  virtual int GetDeviceData(InputRecord* records, int capacity) = 0;
};

}  // namespace sb
