// The sound component as the window sees it: the game's Sound port plus the
// start-up and shut-down steps that only the window performs.
#pragma once
#include <functional>
#include <string_view>

#include "model/ports.h"

namespace zv::shell {

class SoundSystem : public Sound {
 public:
  // op is "play", "loop", "stop" or "free"; file the buffer's file name.
  using Observer = std::function<void(std::string_view op, std::string_view file)>;

  // Starts the library and creates the six buffers; a failure is reported
  // through the dialogs and the game goes on silently.
  virtual void start(Dialogs& dialogs) = 0;
  // Frees the six buffers (その他, 禁止, 駒打音, BGM, ENDING, ワープ) and shuts
  // the library down. Runs once.
  virtual void shutdown() = 0;
  // Told of every request, whether or not a sound can be heard.
  virtual void set_observer(Observer observer) = 0;
};

// The order in which the buffers are freed at the end.
inline constexpr SoundId FREE_ORDER[SOUND_COUNT] = {SoundId::Other,  SoundId::Forbidden,
                                                    SoundId::Piece,  SoundId::Music,
                                                    SoundId::Ending, SoundId::Warp};

// No library at all: requests are only reported.
class SilentSound final : public SoundSystem {
 public:
  void play(SoundId id) override { notify("play", id); }
  void loop(SoundId id) override { notify("loop", id); }
  void stop(SoundId id) override { notify("stop", id); }
  void start(Dialogs&) override {}
  void shutdown() override;
  void set_observer(Observer observer) override { observer_ = std::move(observer); }

 private:
  void notify(std::string_view op, SoundId id);
  Observer observer_;
  bool shut_down_ = false;
};

}  // namespace zv::shell
