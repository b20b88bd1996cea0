// A game whose settings file lives in fresh temporary folders.
#pragma once
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "model/cp932.h"
#include "support/fakes.h"
#include "view/draw.h"

namespace zv::test {

inline std::string shift_jis(const std::string& utf8) {
  return utf8_to_cp932(utf8).value();
}

inline std::string slurp(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void spit(const std::filesystem::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
}

// Whether the drawing procedures paint yet (they may still be placeholders).
inline bool view_paints() {
  TestGame t;
  描画_背景(t.g(), HAIKEI_MIDORI);
  return !t.canvas.ops.empty();
}

struct SettingsGame : TestGame {
  std::filesystem::path root, here, config;
  SettingsGame() {
    static std::atomic<int> serial{0};
    root = std::filesystem::temp_directory_path() /
           ("zv_settings_" + std::to_string(getpid()) + "_" + std::to_string(serial++));
    here = root / "current";
    config = root / "config" / "zorvane";
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(here);
    s().settings_dir = here.string();
    s().settings_config_dir = config.string();
  }
  ~SettingsGame() {
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
  }
  std::filesystem::path file() const { return here / "Zorvane.ini"; }
  std::filesystem::path config_file() const { return config / "Zorvane.ini"; }
  void write_file(const std::string& utf8) { spit(file(), shift_jis(utf8)); }
  std::string file_text() const { return utf8_or_raw(slurp(file())); }
  static std::string utf8_or_raw(const std::string& bytes) {
    return cp932_to_utf8(bytes).value_or(bytes);
  }
  // Which background items are ticked, as a string of five flags.
  std::string backgrounds() {
    std::string r;
    for (int m : {M_MIDORI, M_TAKE, M_TATAMI, M_UCHU, M_RENGA}) r += s().checked[m] ? '1' : '0';
    return r;
  }
  void untick_all_backgrounds() {
    for (int m : {M_MIDORI, M_TAKE, M_TATAMI, M_UCHU, M_RENGA}) s().checked[m] = false;
    s().background = 0;
  }
};

}  // namespace zv::test
