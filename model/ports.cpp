#include "model/ports.h"

namespace zv {

namespace {

struct NoCanvas final : Canvas {
  void picture(int, double, double) override {}
  void box(int, double, double, double, double) override {}
  void text(double, double, std::string_view, int, double, bool) override {}
  void refresh() override {}
};

struct NoSound final : Sound {
  void play(SoundId) override {}
  void loop(SoundId) override {}
  void stop(SoundId) override {}
};

struct NoDialogs final : Dialogs {
  Answer show(std::string_view, std::string_view, Buttons buttons) override {
    return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
  }
};

struct NoClock final : Clock {
  double now() override { return 0; }
  void sleep(double) override {}
};

struct NoRandom final : Random {
  double next() override { return 0; }
};

struct NoWorker final : Worker {
  bool run(const Job& job, const std::function<void()>&) override {
    const std::atomic<bool> never{false};
    job(never);
    return true;
  }
  bool real_time() const override { return false; }
};

}  // namespace

Canvas& no_canvas() {
  static NoCanvas c;
  return c;
}
Sound& no_sound() {
  static NoSound s;
  return s;
}
Dialogs& no_dialogs() {
  static NoDialogs d;
  return d;
}
Clock& no_clock() {
  static NoClock c;
  return c;
}
Random& no_random() {
  static NoRandom r;
  return r;
}
Worker& no_worker() {
  static NoWorker w;
  return w;
}

}  // namespace zv
