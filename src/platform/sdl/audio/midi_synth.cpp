#include "platform/sdl/audio/midi_synth.h"

#include <SDL_mixer.h>
#include <fluidsynth.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "core/runtime_error.h"
#include "platform/sdl/audio/midi_length.h"
#include "platform/sdl/system/file_faults.h"
#include "platform/sdl/system/float_status.h"

namespace sb::sdl {

MidiSynth::~MidiSynth() {
  // Unhooked first: once the mixer has let go, no render is running.
  if (synth_ != nullptr && *audio_.alive()) Mix_HookMusic(nullptr, nullptr);
  FloatStatusKeeper keep;
  if (player_ != nullptr) delete_fluid_player(player_);
  if (synth_ != nullptr) delete_fluid_synth(synth_);
  if (settings_ != nullptr) delete_fluid_settings(settings_);
}

void MidiSynth::StartOpening() {
  if (synth_ != nullptr || loader_.started()) return;
  audio_.Open();
  if (audio_.format() != AUDIO_S16SYS || audio_.outputChannels() != 2) {
    Fail(ErrorKind::PlatformCall, "music needs 16-bit stereo sound output");
  }
  loader_.Start(audio_.soundFont(), audio_.frequency());
}

void MidiSynth::FinishOpening() {
  if (synth_ != nullptr || !loader_.ready()) return;
  Adopt(loader_.Take());
  if (pending_) {
    const Pending tune = std::move(*pending_);
    pending_.reset();
    StartTune(*tune.midi, tune.path);
  }
}

void MidiSynth::Adopt(LoadedSynth made) {
  if (!made.error.empty()) FailWhile("starting the music", made.error);
  FloatStatusKeeper keep;
  settings_ = made.settings;
  synth_ = made.synth;
  fluid_synth_set_gain(synth_, gain_);
  Mix_HookMusic(&MidiSynth::Render, this);
}

void MidiSynth::DropPlayer() {
  if (player_ != nullptr) {
    fluid_player_stop(player_);
    delete_fluid_player(player_);
    player_ = nullptr;
  }
  // Every voice and controller back to its start: nothing rings on.
  fluid_synth_system_reset(synth_);
  sounding_.store(false, std::memory_order_release);
}

void MidiSynth::Prepare() {
  const std::string fault = SoundFontFault(audio_.soundFont());
  if (!fault.empty()) {
    FailWhile("loading the sound font " + audio_.soundFont(), fault);
  }
}

LoadedTune MidiSynth::Load(const std::string& file) {
  const std::string fault = OpenFault(file);
  if (!fault.empty()) FailWhile("loading the tune " + file, fault);
  std::ifstream in(file, std::ios::binary);
  if (!in) FailWhile("loading the tune " + file, std::strerror(errno));
  auto bytes = std::make_shared<std::vector<uint8_t>>(std::istreambuf_iterator<char>(in),
                                                      std::istreambuf_iterator<char>());
  const MidiLength length = MeasureMidi(*bytes);
  if (!length.ok) FailWhile("loading the tune " + file, length.error);
  return LoadedTune{std::move(bytes), length.seconds};
}

void MidiSynth::Play(const TuneData& midi, const std::string& path) {
  if (synth_ == nullptr) {
    StartOpening();
    // Still reading the sound font: the tune starts at the yield that finds
    // the synthesizer made, and counts as sounding until then.
    if (!loader_.ready()) {
      pending_ = Pending{midi, path};
      startFrame_.store(-1, std::memory_order_release);
      sounding_.store(true, std::memory_order_release);
      return;
    }
    Adopt(loader_.Take());
  }
  StartTune(*midi, path);
}

void MidiSynth::StartTune(const std::vector<uint8_t>& midi, const std::string& path) {
  FloatStatusKeeper keep;
  std::lock_guard<std::mutex> lock(mutex_);
  DropPlayer();
  player_ = new_fluid_player(synth_);
  // The player copies the bytes.
  if (player_ == nullptr ||
      fluid_player_add_mem(player_, midi.data(), midi.size()) == FLUID_FAILED ||
      fluid_player_play(player_) == FLUID_FAILED) {
    FailWhile("playing the tune " + path, "the synthesizer refused it");
  }
  startFrame_.store(-1, std::memory_order_release);
  sounding_.store(true, std::memory_order_release);
}

void MidiSynth::Stop() {
  pending_.reset();
  if (synth_ == nullptr) {
    sounding_.store(false, std::memory_order_release);
    return;
  }
  FloatStatusKeeper keep;
  std::lock_guard<std::mutex> lock(mutex_);
  DropPlayer();
}

void MidiSynth::SetGain(double gain) {
  gain_ = static_cast<float>(gain);
  if (synth_ == nullptr) return;
  FloatStatusKeeper keep;
  fluid_synth_set_gain(synth_, gain_);
}

void MidiSynth::Render(void* self, Uint8* stream, int length) {
  auto* synth = static_cast<MidiSynth*>(self);
  std::lock_guard<std::mutex> lock(synth->mutex_);
  // A tune played before the synthesizer was made sounds, but has no player
  // until the yield that takes the synthesizer starts it: silence till then.
  // Held with everything else: the tune waits where it is.
  if (!synth->Sounding() || synth->player_ == nullptr || synth->audio_.held()) {
    std::memset(stream, 0, static_cast<size_t>(length));
    return;
  }
  // This buffer is counted as mixed only after it is rendered.
  if (synth->StartFrame() < 0) {
    synth->startFrame_.store(static_cast<int64_t>(synth->audio_.FramesMixed()),
                             std::memory_order_release);
  }
  fluid_synth_write_s16(synth->synth_, length / 4, stream, 0, 2, stream, 1, 2);
  if (fluid_player_get_status(synth->player_) == FLUID_PLAYER_DONE &&
      fluid_synth_get_active_voice_count(synth->synth_) == 0) {
    synth->sounding_.store(false, std::memory_order_release);
  }
}

}  // namespace sb::sdl
