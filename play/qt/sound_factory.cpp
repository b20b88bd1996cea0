#include "play/qt/sound_factory.h"

#include "sound/module1.h"

namespace zv::shell {

namespace {

// The game's sound library behind Module1.
class Module1Sound final : public SoundSystem {
 public:
  void play(SoundId id) override { m_.play(id); }
  void loop(SoundId id) override { m_.loop(id); }
  void stop(SoundId id) override { m_.stop(id); }
  void start(Dialogs& dialogs) override { m_.start(dialogs); }
  void shutdown() override { m_.shutdown(); }
  void set_observer(Observer observer) override { m_.set_observer(std::move(observer)); }

 private:
  Module1 m_;
};

}  // namespace

std::unique_ptr<SoundSystem> make_sound_system() {
  return std::make_unique<Module1Sound>();
}

}  // namespace zv::shell
