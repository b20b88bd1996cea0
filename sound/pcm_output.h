// The audio device: a thread that asks for one period of stereo 16-bit
// samples at a time and plays it on ALSA's default device, or nowhere at the
// pace a device would take it (the "dummy" driver, for tests and scripted
// sessions). SDL_AUDIODRIVER names the driver, as it always has for the
// game's tests: "dummy", "alsa", or a comma-separated list tried in order.
#pragma once
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

typedef struct _snd_pcm snd_pcm_t;

namespace zv {

class PcmOutput {
 public:
  // Runs on the output thread with lock() held.
  using Fill = std::function<void(std::int16_t* out, std::size_t frames)>;

  PcmOutput() = default;
  ~PcmOutput() { close(); }
  PcmOutput(const PcmOutput&) = delete;
  PcmOutput& operator=(const PcmOutput&) = delete;

  // Empty when the device plays; otherwise why it cannot, in one line.
  std::string open(int rate, int channels, Fill fill);
  // Stops at once: what is queued is dropped, not drained.
  void close();
  bool is_open() const { return thread_.joinable(); }
  std::mutex& lock() { return mutex_; }

 private:
  std::string open_alsa();
  void run_alsa();
  void run_dummy();

  Fill fill_;
  int rate_ = 0, channels_ = 0;
  std::size_t period_ = 0;  // frames
  std::vector<std::int16_t> buffer_;
  snd_pcm_t* pcm_ = nullptr;
  std::mutex mutex_;
  std::mutex stop_mutex_;
  std::condition_variable stop_signal_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace zv
