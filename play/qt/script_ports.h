// The ports of a scripted session: a virtual clock, scripted message-box
// answers and a sound decorator, the last two writing transcript lines.
#pragma once
#include <cstdint>
#include <deque>
#include <ostream>

#include "play/qt/sound_system.h"

namespace zv::script {

// Time of day that moves only when told to; kept in whole microseconds so
// that many small steps add up exactly.
class ScriptClock final : public Clock {
 public:
  explicit ScriptClock(double seconds) { set(seconds); }
  double now() override { return static_cast<double>(us_) / 1e6; }
  void sleep(double seconds) override { advance(seconds); }
  void set(double seconds);
  void advance(double seconds);  // wraps at midnight

 private:
  std::int64_t us_ = 0;
};

class ScriptDialogs final : public Dialogs {
 public:
  explicit ScriptDialogs(std::ostream& out) : out_(out) {}
  Answer show(std::string_view text, std::string_view title, Buttons buttons) override;
  void queue_answer(Answer a) { answers_.push_back(a); }

 private:
  std::ostream& out_;
  std::deque<Answer> answers_;  // for the next Yes/No boxes; yes when empty
};

// Prints every sound call, then passes it on.
class TranscriptSound final : public shell::SoundSystem {
 public:
  TranscriptSound(shell::SoundSystem& inner, std::ostream& out) : inner_(inner), out_(out) {}
  void play(SoundId id) override;
  void loop(SoundId id) override;
  void stop(SoundId id) override;
  void free(SoundId id) override;
  void initialize(Dialogs& d) override { inner_.initialize(d); }
  void create_buffers() override { inner_.create_buffers(); }
  void terminate() override { inner_.terminate(); }

 private:
  shell::SoundSystem& inner_;
  std::ostream& out_;
};

}  // namespace zv::script
