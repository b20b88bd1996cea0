#include "sound/pcm_output.h"

#include <alsa/asoundlib.h>

#include <chrono>
#include <cstdlib>
#include <sstream>

namespace zv {

namespace {

constexpr const char* DRIVER_VARIABLE = "SDL_AUDIODRIVER";
constexpr const char* ALSA_DEVICE = "default";
constexpr unsigned ALSA_LATENCY_US = 46000;  // the buffer; ALSA makes periods of a quarter
constexpr int ALSA_SOFT_RESAMPLE = 1;        // the device may run at its own rate
// Without hardware the period only sets how soon a stop is noticed.
constexpr std::size_t DUMMY_PERIOD = 128;

// ALSA tells of a missing sound card in ten lines of its own on stderr; the
// library reports it in one.
void silent(const char*, int, const char*, int, const char*, ...) {}

std::vector<std::string> drivers_wanted() {
  const char* v = std::getenv(DRIVER_VARIABLE);
  if (!v || !*v) return {"alsa"};
  std::vector<std::string> names;
  std::istringstream in(v);
  for (std::string n; std::getline(in, n, ',');)
    if (!n.empty()) names.push_back(n);
  return names;
}

}  // namespace

std::string PcmOutput::open(int rate, int channels, Fill fill) {
  if (is_open()) return {};
  fill_ = std::move(fill);
  rate_ = rate;
  channels_ = channels;
  stop_ = false;
  std::string why;
  for (const std::string& driver : drivers_wanted()) {
    if (driver == "dummy") {
      period_ = DUMMY_PERIOD;
      buffer_.assign(period_ * channels_, 0);
      thread_ = std::thread([this] { run_dummy(); });
      return {};
    }
    if (driver == "alsa") {
      why = open_alsa();
      if (why.empty()) {
        thread_ = std::thread([this] { run_alsa(); });
        return {};
      }
    } else if (why.empty()) {
      why = "no audio driver '" + driver + "'";
    }
  }
  return why.empty() ? "no audio driver" : why;
}

std::string PcmOutput::open_alsa() {
  snd_lib_error_set_handler(&silent);
  // Opened without waiting, so a device that is busy fails instead of hanging.
  int err = snd_pcm_open(&pcm_, ALSA_DEVICE, SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK);
  if (err >= 0) err = snd_pcm_nonblock(pcm_, 0);
  if (err >= 0)
    err = snd_pcm_set_params(pcm_, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED,
                             static_cast<unsigned>(channels_), static_cast<unsigned>(rate_),
                             ALSA_SOFT_RESAMPLE, ALSA_LATENCY_US);
  snd_pcm_uframes_t buffer = 0, period = 0;
  if (err >= 0) err = snd_pcm_get_params(pcm_, &buffer, &period);
  if (err < 0) {
    if (pcm_) snd_pcm_close(pcm_);
    pcm_ = nullptr;
    snd_lib_error_set_handler(nullptr);
    return std::string("ALSA: cannot play on the \"") + ALSA_DEVICE +
           "\" device: " + snd_strerror(err);
  }
  period_ = period > 0 ? period : DUMMY_PERIOD;
  buffer_.assign(period_ * channels_, 0);
  return {};
}

void PcmOutput::run_alsa() {
  while (!stop_) {
    {
      std::lock_guard<std::mutex> hold(mutex_);
      fill_(buffer_.data(), period_);
    }
    const std::int16_t* at = buffer_.data();
    auto left = static_cast<snd_pcm_sframes_t>(period_);
    while (left > 0 && !stop_) {
      snd_pcm_sframes_t n = snd_pcm_writei(pcm_, at, static_cast<snd_pcm_uframes_t>(left));
      if (n < 0) n = snd_pcm_recover(pcm_, static_cast<int>(n), 1);  // an underrun: go on
      if (n < 0) {
        stop_ = true;  // the device is gone; the game goes on silently
        break;
      }
      at += n * channels_;
      left -= n;
    }
  }
  snd_pcm_drop(pcm_);
  snd_pcm_close(pcm_);
  pcm_ = nullptr;
}

void PcmOutput::run_dummy() {
  const auto period =
      std::chrono::microseconds(period_ * 1000000 / static_cast<std::size_t>(rate_));
  auto next = std::chrono::steady_clock::now();
  std::unique_lock<std::mutex> wait(stop_mutex_);
  while (!stop_) {
    {
      std::lock_guard<std::mutex> hold(mutex_);
      fill_(buffer_.data(), period_);
    }
    next += period;
    stop_signal_.wait_until(wait, next, [this] { return stop_.load(); });
  }
}

void PcmOutput::close() {
  if (!thread_.joinable()) return;
  {
    std::lock_guard<std::mutex> hold(stop_mutex_);
    stop_ = true;
  }
  stop_signal_.notify_all();
  thread_.join();
  snd_lib_error_set_handler(nullptr);
}

}  // namespace zv
