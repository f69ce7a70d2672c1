// MIDI music: one performance playing segments.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace sb {

class Segment {
 public:
  virtual ~Segment() = default;
  virtual const std::string& Path() const = 0;
};
using SegmentRef = std::shared_ptr<Segment>;

constexpr uint32_t kSegfDefault = 0x4000;  // start or stop at the next default boundary
constexpr uint32_t kNotifyOnSegment = 5;   // segment notifications
constexpr uint32_t kAudioFlagsAll = 63;
constexpr uint32_t kAudioPathDynamicMono = 7;

class Music {
 public:
  virtual ~Music() = default;
  virtual void InitAudio(uint32_t flags, uint32_t defaultPathType, uint32_t channels) = 0;
  virtual void SetMasterVolume(int32_t volume) = 0;
  virtual void SetMasterTempo(float factor) = 0;
  virtual void SetMasterAutoDownload(bool on) = 0;
  virtual void AddNotificationType(uint32_t type) = 0;
  // The end of a segment is delivered as a notification with this handle.
  virtual void SetNotificationHandle(int32_t event) = 0;
  // A missing or unreadable file is a failed platform call.
  virtual SegmentRef LoadSegment(const std::string& path) = 0;
  virtual void PlaySegmentEx(const SegmentRef& segment, uint32_t flags, int64_t startTime) = 0;
  virtual void StopEx(const SegmentRef& segment, int64_t stopTime, uint32_t flags) = 0;
  virtual bool IsPlaying(const SegmentRef& segment) = 0;
};

}  // namespace sb
