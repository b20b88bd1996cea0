// Feeds arbitrary bytes to the settings reader. Whatever it accepts must leave
// at most one background ticked, and the file written from the resulting check
// marks must read back to the same marks.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "model/game.h"
#include "settings/settings_file.h"

namespace {

struct QuietCanvas : zv::Canvas {
  void picture(int, double, double) override {}
  void box(int, double, double, double, double) override {}
  void text(double, double, std::string_view, int, double, bool) override {}
  void refresh() override {}
};
struct QuietSound : zv::Sound {
  void play(zv::SoundId) override {}
  void loop(zv::SoundId) override {}
  void stop(zv::SoundId) override {}
};
struct QuietDialogs : zv::Dialogs {
  zv::Answer show(std::string_view, std::string_view, zv::Buttons) override {
    return zv::Answer::Ok;
  }
};

struct Quiet {
  QuietCanvas canvas;
  QuietSound sound;
  QuietDialogs dialogs;
  // Games are large: two are kept and only the parts settings touch are reset.
  std::unique_ptr<zv::Game> first = make(), second = make();
  std::unique_ptr<zv::Game> make() {
    auto g = std::make_unique<zv::Game>();
    g->io.canvas = &canvas;
    g->io.sound = &sound;
    g->io.dialogs = &dialogs;
    return g;
  }
  static zv::Game& fresh(zv::Game& g) {
    static_cast<zv::WindowState&>(g.st) = zv::WindowState{};
    static_cast<zv::BoardState&>(g.st) = zv::BoardState{};
    return g;
  }
};

bool same_marks(const zv::GameState& a, const zv::GameState& b) {
  for (int m = 0; m < zv::MENU_CHECK_COUNT; ++m)
    if (a.checked[m] != b.checked[m]) return false;
  return a.guidance_on == b.guidance_on;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Quiet quiet;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  zv::Game& first = Quiet::fresh(*quiet.first);
  if (zv::apply_settings_bytes(first, bytes)) {
    int ticked = 0;
    for (int m : {zv::M_MIDORI, zv::M_TAKE, zv::M_TATAMI, zv::M_UCHU, zv::M_RENGA})
      ticked += first.st.checked[m];
    if (ticked > 1) __builtin_trap();
    zv::Game& second = Quiet::fresh(*quiet.second);
    if (!zv::apply_settings_bytes(second, zv::settings_bytes(first.st))) __builtin_trap();
    if (!same_marks(first.st, second.st)) __builtin_trap();
  }
  return 0;
}
