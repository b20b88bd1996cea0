// Module1: the game's only door to the sound library. It loads the library by
// name, opens the device, creates the six buffers and turns SoundId requests
// into ds calls. Without a library or a device it says so once and stays
// silent; every call is still made (and observed) with handle 0.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/ports.h"

namespace zv {

inline constexpr std::string_view SOUND_LIBRARY_FILE = "libZorvane.so";
inline constexpr std::string_view SOUND_BOX_TITLE = "Zorvane.dll";
inline constexpr std::string_view SOUND_NO_DEVICE =
    "Direct Soundインターフェースが作成できません。";

// "その他.wav" … "ENDING.wav" by SoundId.
std::string_view sound_file_name(SoundId id);

// The seven operations the game uses, as loaded from the library (or faked).
struct DsApi {
  std::int32_t (*initialize)(std::int32_t window) = nullptr;
  void (*terminate)() = nullptr;
  std::int32_t (*create)(std::int32_t device, const void* data, std::int32_t size,
                         std::int32_t flags) = nullptr;
  void (*play)(std::int32_t buffer) = nullptr;
  void (*play_looping)(std::int32_t buffer) = nullptr;
  void (*stop)(std::int32_t buffer) = nullptr;
  void (*free)(std::int32_t buffer) = nullptr;
};

class Module1 final : public Sound {
 public:
  // op is "play", "loop", "stop" or "free"; file is the buffer's file name.
  using Observer = std::function<void(std::string_view op, std::string_view file)>;

  struct Places {
    std::vector<std::string> library_dirs;  // tried in order, then the bare name
    std::vector<std::string> data_dirs;     // tried after the current folder
  };
  // Beside the executable, then the installed folders.
  static Places default_places();

  Module1();
  // Uses a ready table instead of loading the library.
  explicit Module1(const DsApi& api);
  ~Module1() override;
  Module1(const Module1&) = delete;
  Module1& operator=(const Module1&) = delete;

  void set_observer(Observer observer) { observer_ = std::move(observer); }
  void set_places(Places places) { places_ = std::move(places); }

  // Start-up: load the library, open the device, create the six buffers.
  // Problems are shown through dialogs; the game goes on silently.
  void start(Dialogs& dialogs, std::int32_t window = 0);
  // Exit: free the buffers (その他, 禁止, 駒打音, BGM, ENDING, ワープ), then
  // terminate when a device was opened. Runs once.
  void shutdown();

  void play(SoundId id) override;
  void loop(SoundId id) override;
  void stop(SoundId id) override;

  std::int32_t device() const { return device_; }
  std::int32_t buffer(SoundId id) const { return buffers_[static_cast<int>(id)]; }
  bool library_loaded() const { return api_.initialize != nullptr; }

 private:
  bool load_library();
  std::int32_t create_buffer(Dialogs& dialogs, SoundId id, std::int32_t flags);
  void notify(std::string_view op, SoundId id);

  DsApi api_{};
  bool fixed_api_ = false;
  void* library_ = nullptr;
  std::int32_t device_ = 0;
  std::array<std::int32_t, SOUND_COUNT> buffers_{};
  bool started_ = false, shut_down_ = false;
  Observer observer_;
  Places places_;
};

}  // namespace zv
