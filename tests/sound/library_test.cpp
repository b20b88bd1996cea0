// The real sound library on its dummy driver (no sound card needed).
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "sound/ds.h"
#include "sound/module1.h"
#include "sound/synth.h"
#include "support/fakes.h"

namespace zv {
namespace {

namespace fs = std::filesystem;

// Every operation of the library, looked up by name as a caller would.
struct Library {
  void* handle = nullptr;
  decltype(&::dsInitialize) initialize = nullptr;
  decltype(&::dsTerminate) terminate = nullptr;
  decltype(&::dsCreateDSB) create = nullptr;
  decltype(&::dsCreateResDSB) create_res = nullptr;
  decltype(&::dsStop) stop = nullptr;
  decltype(&::dsFree) free = nullptr;
  decltype(&::dsPlay) play = nullptr;
  decltype(&::dsPlayPan) play_pan = nullptr;
  decltype(&::dsPlayLooping) play_looping = nullptr;
  decltype(&::dsPlayEx) play_ex = nullptr;
  decltype(&::dsPlayLoopingEx) play_looping_ex = nullptr;
  decltype(&::dsSetVolume) set_volume = nullptr;
  decltype(&::dsSetPan) set_pan = nullptr;
  decltype(&::dsSetFrequency) set_frequency = nullptr;
  decltype(&::dsGetStatus) status = nullptr;
  decltype(&::dsGetVolume) volume = nullptr;

  Library() {
    handle = dlopen(ZORVANE_SOUND_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    if (!handle) return;
    get(initialize, "dsInitialize");
    get(terminate, "dsTerminate");
    get(create, "dsCreateDSB");
    get(create_res, "dsCreateResDSB");
    get(stop, "dsStop");
    get(free, "dsFree");
    get(play, "dsPlay");
    get(play_pan, "dsPlayPan");
    get(play_looping, "dsPlayLooping");
    get(play_ex, "dsPlayEx");
    get(play_looping_ex, "dsPlayLoopingEx");
    get(set_volume, "dsSetVolume");
    get(set_pan, "dsSetPan");
    get(set_frequency, "dsSetFrequency");
    get(status, "dsGetStatus");
    get(volume, "dsGetVolume");
  }
  ~Library() {
    if (handle) dlclose(handle);
  }
  template <class F>
  void get(F& f, const char* name) {
    f = reinterpret_cast<F>(dlsym(handle, name));
  }
  bool complete() const {
    return initialize && terminate && create && create_res && stop && free && play && play_pan &&
           play_looping && play_ex && play_looping_ex && set_volume && set_pan && set_frequency &&
           status && volume;
  }
  // Every call with handle 0.
  void call_all_with_zero() const {
    int32_t none = 0;
    EXPECT_EQ(create(none, nullptr, 0, 3), 0);
    EXPECT_EQ(create_res(none, nullptr, 3), 0);
    stop(none);
    free(none);
    play(none);
    play_pan(none, 500);
    play_looping(none);
    play_ex(none, -100, 0, 22050);
    play_looping_ex(none, -100, 0, 22050);
    set_volume(none, -500);
    set_pan(none, -500);
    set_frequency(none, 11025);
    EXPECT_EQ(status(none), 0);
  }
};

class LibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ASSERT_TRUE(lib.complete()) << dlerror();
  }
  void TearDown() override {
    if (lib.terminate) lib.terminate();
  }
  int32_t make(int32_t device, const synth::Samples& s, int32_t flags, int rate = synth::RATE) {
    auto bytes = synth::wav_bytes(s, rate);
    return lib.create(device, bytes.data(), static_cast<int32_t>(bytes.size()), flags);
  }
  bool sounding(int32_t buffer) const { return lib.status(buffer) & DS_STATUS_PLAYING; }
  // The audio thread plays in real time; a few seconds is far more than enough.
  bool wait_until_silent(int32_t buffer) const {
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (sounding(buffer) && std::chrono::steady_clock::now() < give_up)
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return !sounding(buffer);
  }
  Library lib;
};

TEST_F(LibraryTest, ZeroHandlesAreAcceptedBeforeDuringAndAfterTheDevice) {
  lib.call_all_with_zero();
  int32_t dev = lib.initialize(0);
  ASSERT_NE(dev, 0);
  lib.call_all_with_zero();
  lib.terminate();
  lib.call_all_with_zero();
  lib.terminate();  // twice is harmless
}

TEST_F(LibraryTest, PlaysOnceLoopsAndStops) {
  int32_t dev = lib.initialize(0);
  ASSERT_NE(dev, 0);
  int32_t knock = make(dev, synth::knock(), DS_FLAG_STATIC | DS_FLAG_RESTART);
  int32_t tune = make(dev, synth::chime(), DS_FLAG_STATIC);
  ASSERT_NE(knock, 0);
  ASSERT_NE(tune, 0);
  EXPECT_NE(knock, tune);

  lib.play(knock);
  EXPECT_TRUE(sounding(knock));
  EXPECT_TRUE(wait_until_silent(knock));  // a short sound ends by itself

  // The same short sound once and looping: when the one has ended, the
  // other has gone past its end and goes on.
  const synth::Samples blip(synth::RATE / 50, 3000);
  int32_t once = make(dev, blip, 3), looping = make(dev, blip, 3);
  lib.play(once);
  lib.play_looping(looping);
  EXPECT_EQ(lib.status(looping), DS_STATUS_PLAYING | DS_STATUS_LOOPING);
  EXPECT_TRUE(wait_until_silent(once));
  EXPECT_TRUE(sounding(looping));
  EXPECT_FALSE(sounding(knock));
  lib.stop(looping);
  EXPECT_FALSE(sounding(looping));
  lib.play_looping(tune);
  EXPECT_TRUE(sounding(tune));
  lib.stop(tune);
  EXPECT_FALSE(sounding(tune));
}

TEST_F(LibraryTest, FreedAndForeignHandlesDoNothing) {
  int32_t dev = lib.initialize(0);
  ASSERT_NE(dev, 0);
  int32_t a = make(dev, synth::buzz(), 3);
  int32_t b = make(dev, synth::sweep(), 3);
  lib.play_looping(a);
  lib.free(a);
  EXPECT_FALSE(sounding(a));
  lib.free(a);
  lib.play(a);
  EXPECT_FALSE(sounding(a));
  lib.play(12345);
  lib.play(-1);
  lib.play(b);
  EXPECT_TRUE(sounding(b));
  // A buffer asks for its own device.
  EXPECT_EQ(make(dev + 1, synth::knock(), 3), 0);
}

TEST_F(LibraryTest, DamagedBytesMakeNoBuffer) {
  int32_t dev = lib.initialize(0);
  ASSERT_NE(dev, 0);
  std::string junk = "RIFF\xff\xff\xff\x7fWAVEfmt garbage that is not a sound";
  EXPECT_EQ(lib.create(dev, junk.data(), static_cast<int32_t>(junk.size()), 3), 0);
  auto bytes = synth::wav_bytes(synth::knock());
  EXPECT_EQ(lib.create(dev, bytes.data(), 20, 3), 0);  // cut short inside the header
  EXPECT_EQ(lib.create(dev, bytes.data(), -5, 3), 0);
  EXPECT_EQ(lib.create(dev, nullptr, 100, 3), 0);
  EXPECT_NE(lib.create(dev, bytes.data(), static_cast<int32_t>(bytes.size()), 3), 0);
}

TEST_F(LibraryTest, VolumePanAndFrequencyKeepTheBufferPlayable) {
  int32_t dev = lib.initialize(0);
  ASSERT_NE(dev, 0);
  int32_t h = make(dev, synth::chime(), 1);
  ASSERT_NE(h, 0);
  lib.set_volume(h, -600);
  EXPECT_EQ(lib.volume(h), -600);
  lib.set_volume(h, -20000);
  EXPECT_EQ(lib.volume(h), -10000);
  lib.set_volume(h, 500);
  EXPECT_EQ(lib.volume(h), 0);
  lib.play_pan(h, 10000);
  EXPECT_TRUE(sounding(h));
  lib.play_looping_ex(h, -300, -2000, 44100);  // twice as fast
  EXPECT_TRUE(sounding(h));
  lib.set_frequency(h, 11025);  // a sounding buffer goes on at the new rate
  EXPECT_TRUE(sounding(h));
  lib.set_frequency(h, 0);
  lib.play_ex(h, 0, 0, 1);  // clamped, not refused
  EXPECT_TRUE(sounding(h));
}

TEST_F(LibraryTest, SoundsInAnotherFormatAreConvertedOnLoad) {
  int32_t dev = lib.initialize(0);
  ASSERT_NE(dev, 0);
  // 16-bit at another rate, and 8-bit stereo at the device's rate.
  int32_t fast = make(dev, synth::knock(), 3, 44100);
  ASSERT_NE(fast, 0);
  std::vector<uint8_t> eight = synth::wav_bytes(synth::Samples(2000, 0));
  eight[22] = 2;  // stereo
  eight[34] = 8;  // 8-bit: the same bytes are 2000 frames of two channels
  eight[32] = 2;  // block align
  int32_t stereo8 = lib.create(dev, eight.data(), static_cast<int32_t>(eight.size()), 3);
  ASSERT_NE(stereo8, 0);
  lib.play(fast);
  lib.play(stereo8);
  EXPECT_TRUE(sounding(fast));
  EXPECT_TRUE(wait_until_silent(stereo8));
}

TEST_F(LibraryTest, ResourceBufferReadsAFileByName) {
  int32_t dev = lib.initialize(0);
  ASSERT_NE(dev, 0);
  fs::path file = fs::path(ZORVANE_GAME_DIR) / "駒打音.wav";
  ASSERT_TRUE(fs::exists(file));
  EXPECT_NE(lib.create_res(dev, file.c_str(), 3), 0);
  EXPECT_EQ(lib.create_res(dev, "/nonexistent/none.wav", 3), 0);
}

TEST_F(LibraryTest, MissingAudioDeviceGivesZero) {
  setenv("SDL_AUDIODRIVER", "no_such_driver", 1);
  EXPECT_EQ(lib.initialize(0), 0);
  lib.call_all_with_zero();
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  EXPECT_NE(lib.initialize(0), 0);
}

// ALSA's own null device stands in for a sound card: the ALSA path opens,
// plays to the end and closes; a list of drivers is tried in order.
TEST_F(LibraryTest, PlaysThroughAlsaAndFallsBackAlongTheList) {
  const fs::path conf =
      fs::temp_directory_path() / ("zv_alsa_" + std::to_string(getpid()) + ".conf");
  std::ofstream(conf) << "pcm.!default { type null }\n";
  setenv("ALSA_CONFIG_PATH", conf.c_str(), 1);
  setenv("SDL_AUDIODRIVER", "alsa", 1);
  int32_t dev = lib.initialize(0);
  ASSERT_NE(dev, 0);
  int32_t knock = make(dev, synth::knock(), 3);
  lib.play(knock);
  EXPECT_TRUE(wait_until_silent(knock));
  lib.terminate();

  setenv("ALSA_CONFIG_PATH", "/nonexistent/alsa.conf", 1);
  EXPECT_EQ(lib.initialize(0), 0);
  setenv("SDL_AUDIODRIVER", "alsa,dummy", 1);
  EXPECT_NE(lib.initialize(0), 0);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  unsetenv("ALSA_CONFIG_PATH");
  fs::remove(conf);
}

// Module1 with the real library and the generated files, as the game starts.
TEST_F(LibraryTest, Module1StartsTheRealLibraryWithTheGeneratedSounds) {
  test::ScriptedDialogs dialogs;
  {
    Module1 m;
    m.set_places({{fs::path(ZORVANE_SOUND_LIBRARY).parent_path().string()}, {ZORVANE_GAME_DIR}});
    m.start(dialogs);
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown[0].text;
    ASSERT_NE(m.device(), 0);
    for (int i = 0; i < SOUND_COUNT; ++i) EXPECT_NE(m.buffer(static_cast<SoundId>(i)), 0) << i;
    m.loop(SoundId::Music);
    m.play(SoundId::Piece);
    m.stop(SoundId::Music);
    m.shutdown();
    EXPECT_EQ(m.device(), 0);
  }
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(LibraryTest, Module1WithoutADeviceSaysSoOnce) {
  setenv("SDL_AUDIODRIVER", "no_such_driver", 1);
  test::ScriptedDialogs dialogs;
  Module1 m;
  m.set_places({{fs::path(ZORVANE_SOUND_LIBRARY).parent_path().string()}, {ZORVANE_GAME_DIR}});
  m.start(dialogs);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Direct Soundインターフェースが作成できません。");
  EXPECT_EQ(m.buffer(SoundId::Music), 0);
  m.loop(SoundId::Music);
  m.shutdown();
  EXPECT_EQ(dialogs.shown.size(), 1u);
}

}  // namespace
}  // namespace zv
