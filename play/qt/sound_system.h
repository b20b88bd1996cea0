// The sound component as the window sees it: the game's Sound port plus the
// start-up and shut-down steps that only the window performs.
#pragma once
#include "model/ports.h"

namespace zv::shell {

struct SoundSystem : Sound {
  // Starts the sound library; a failure is reported through the dialogs and
  // the game goes on silently.
  virtual void initialize(Dialogs& dialogs) = 0;
  // Loads the six sound files, one buffer each.
  virtual void create_buffers() = 0;
  virtual void free(SoundId id) = 0;
  virtual void terminate() = 0;
};

// File name of each buffer ("禁止.wav" etc.).
const char* sound_file_name(SoundId id);

// Used when no sound library is built in: every call does nothing.
struct SilentSound final : SoundSystem {
  void play(SoundId) override {}
  void loop(SoundId) override {}
  void stop(SoundId) override {}
  void initialize(Dialogs&) override {}
  void create_buffers() override {}
  void free(SoundId) override {}
  void terminate() override {}
};

}  // namespace zv::shell
