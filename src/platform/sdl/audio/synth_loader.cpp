#include "platform/sdl/audio/synth_loader.h"

#include <fluidsynth.h>

#include <iostream>
#include <mutex>
#include <utility>

#include "core/quoted.h"
#include "platform/sdl/system/background_priority.h"

namespace sb::sdl {

namespace {

// FluidSynth's own messages are kept, not printed: the first one while a
// sound font is read says what is wrong with it, and the game reports that
// in one line of its own. Later ones (during play) are dropped, as are
// information and debugging notes.
std::mutex messageMutex;
std::string firstMessage;

void KeepMessage(int level, const char* message, void* /*data*/) {
  // Information and debugging notes are not complaints.
  if (level != FLUID_PANIC && level != FLUID_ERR && level != FLUID_WARN) return;
  const std::lock_guard<std::mutex> lock(messageMutex);
  if (firstMessage.empty() && message != nullptr) firstMessage = message;
}

void HandleMessages() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
      fluid_set_log_function(level, &KeepMessage, nullptr);
    }
  });
  const std::lock_guard<std::mutex> lock(messageMutex);
  firstMessage.clear();
}

// The first message since HandleMessages, shown safely: "" or ": 'TEXT'".
std::string TakeMessage() {
  const std::lock_guard<std::mutex> lock(messageMutex);
  return firstMessage.empty() ? "" : ": " + Quoted(std::exchange(firstMessage, ""));
}

}  // namespace

LoadedSynth MakeSynth(const std::string& soundFont, int sampleRate) {
  LoadedSynth made;
  HandleMessages();
  made.settings = new_fluid_settings();
  if (made.settings == nullptr) {
    made.error = "cannot make the music synthesizer";
    return made;
  }
  fluid_settings_setnum(made.settings, "synth.sample-rate", sampleRate);
  // The player's clock is the samples rendered, so the tunes keep time with
  // the output however fast it is drawn.
  fluid_settings_setstr(made.settings, "player.timing-source", "sample");
  made.synth = new_fluid_synth(made.settings);
  if (made.synth == nullptr) {
    made.error = "cannot make the music synthesizer";
  } else if (fluid_synth_sfload(made.synth, soundFont.c_str(), 1) == FLUID_FAILED) {
    made.error = "cannot load sound font " + soundFont + TakeMessage();
  } else if (const std::string warning = TakeMessage(); !warning.empty()) {
    // Read, with complaints: the music plays as far as the font allows.
    std::cerr << "spacebattle: warning: sound font " + soundFont + warning + "\n" << std::flush;
  }
  if (!made.error.empty()) {
    std::string error = std::move(made.error);
    FreeSynth(made);
    made.error = std::move(error);
  }
  return made;
}

void FreeSynth(LoadedSynth& loaded) {
  if (loaded.synth != nullptr) delete_fluid_synth(loaded.synth);
  if (loaded.settings != nullptr) delete_fluid_settings(loaded.settings);
  loaded = LoadedSynth{};
}

SynthLoader::~SynthLoader() {
  if (!thread_.joinable()) return;
  thread_.join();
  FreeSynth(made_);
}

void SynthLoader::Start(const std::string& soundFont, int sampleRate) {
  if (thread_.joinable()) return;
  ready_.store(false, std::memory_order_release);
  thread_ = std::thread([this, soundFont, sampleRate] {
    LowerThisThreadsPriority();
    made_ = MakeSynth(soundFont, sampleRate);
    ready_.store(true, std::memory_order_release);
  });
}

LoadedSynth SynthLoader::Take() {
  if (!thread_.joinable()) {
    LoadedSynth none;
    none.error = "the music synthesizer was never started";
    return none;
  }
  thread_.join();
  ready_.store(false, std::memory_order_release);
  return std::exchange(made_, LoadedSynth{});
}

}  // namespace sb::sdl
