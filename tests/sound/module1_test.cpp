// Module1 against a recording stand-in for the library: the order of the
// buffers, the freeing order, 0 handles and the messages.
#include "sound/module1.h"

#include <dlfcn.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/fakes.h"

namespace zv {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// Function pointers cannot capture, so the stand-in records into one place.
struct FakeLibrary {
  std::vector<std::string> log;
  std::int32_t device = 7;
  std::int32_t next_buffer = 100;
  std::string reject;  // content the stand-in refuses to decode
};
FakeLibrary fake;

DsApi fake_api() {
  DsApi a;
  a.initialize = [](std::int32_t) {
    fake.log.push_back("init");
    return fake.device;
  };
  a.terminate = [] { fake.log.push_back("terminate"); };
  a.create = [](std::int32_t dev, const void* data, std::int32_t size, std::int32_t flags) {
    std::string content(static_cast<const char*>(data), static_cast<size_t>(size));
    fake.log.push_back("create " + std::to_string(dev) + " " + content + " " +
                       std::to_string(flags));
    return content == fake.reject ? 0 : fake.next_buffer++;
  };
  a.play = [](std::int32_t b) { fake.log.push_back("play " + std::to_string(b)); };
  a.play_looping = [](std::int32_t b) { fake.log.push_back("loop " + std::to_string(b)); };
  a.stop = [](std::int32_t b) { fake.log.push_back("stop " + std::to_string(b)); };
  a.free = [](std::int32_t b) { fake.log.push_back("free " + std::to_string(b)); };
  return a;
}

const char* const FILES[] = {"その他.wav", "禁止.wav", "ワープ.wav",
                             "駒打音.wav", "BGM.wav",  "ENDING.wav"};

// A folder of six small files whose content is their own name, so the
// stand-in's log shows which file each buffer came from.
struct TempDir {
  fs::path path;
  explicit TempDir(const char* tag) {
    path = fs::temp_directory_path() /
           (std::string("zv_sound_") + tag + "_" + std::to_string(getpid()));
    fs::remove_all(path);
    fs::create_directories(path);
  }
  ~TempDir() { fs::remove_all(path); }
  void fill(const std::vector<std::string>& names) const {
    for (const auto& n : names) std::ofstream(path / n, std::ios::binary) << n;
  }
};

class Module1Test : public ::testing::Test {
 protected:
  void SetUp() override { fake = FakeLibrary{}; }
  Module1::Places places_in(const TempDir& d) { return {{}, {d.path.string()}}; }
  test::ScriptedDialogs dialogs;
};

TEST_F(Module1Test, CreatesTheSixBuffersInOrderWithTheirFlags) {
  TempDir d("order");
  d.fill({std::begin(FILES), std::end(FILES)});
  Module1 m(fake_api());
  m.set_places(places_in(d));
  m.start(dialogs, 42);
  EXPECT_THAT(fake.log, ElementsAre("init", "create 7 その他.wav 3", "create 7 禁止.wav 3",
                                    "create 7 ワープ.wav 3", "create 7 駒打音.wav 3",
                                    "create 7 BGM.wav 1", "create 7 ENDING.wav 1"));
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(m.buffer(SoundId::Other), 100);
  EXPECT_EQ(m.buffer(SoundId::Ending), 105);
}

TEST_F(Module1Test, FreesInTheExitOrderThenTerminatesOnce) {
  TempDir d("free");
  d.fill({std::begin(FILES), std::end(FILES)});
  Module1 m(fake_api());
  m.set_places(places_in(d));
  std::vector<std::string> seen;
  m.set_observer([&](std::string_view op, std::string_view file) {
    seen.push_back(std::string(op) + " " + std::string(file));
  });
  m.start(dialogs);
  fake.log.clear();
  m.shutdown();
  m.shutdown();
  // Other 100, Forbidden 101, Warp 102, Piece 103, Music 104, Ending 105.
  EXPECT_THAT(fake.log, ElementsAre("free 100", "free 101", "free 103", "free 104", "free 105",
                                    "free 102", "terminate"));
  EXPECT_THAT(seen, ElementsAre("free その他.wav", "free 禁止.wav", "free 駒打音.wav",
                                "free BGM.wav", "free ENDING.wav", "free ワープ.wav"));
}

TEST_F(Module1Test, PlayLoopAndStopReachTheRightBufferAndTheObserver) {
  TempDir d("play");
  d.fill({std::begin(FILES), std::end(FILES)});
  Module1 m(fake_api());
  m.set_places(places_in(d));
  std::vector<std::string> seen;
  m.set_observer([&](std::string_view op, std::string_view file) {
    seen.push_back(std::string(op) + " " + std::string(file));
  });
  m.start(dialogs);
  fake.log.clear();
  Sound& port = m;
  port.play(SoundId::Piece);
  port.play(SoundId::Warp);
  port.stop(SoundId::Music);
  port.loop(SoundId::Ending);
  EXPECT_THAT(fake.log, ElementsAre("play 103", "play 102", "stop 104", "loop 105"));
  EXPECT_THAT(seen,
              ElementsAre("play 駒打音.wav", "play ワープ.wav", "stop BGM.wav", "loop ENDING.wav"));
}

TEST_F(Module1Test, NoDeviceIsReportedOnceAndEveryCallStillGoesOutWithZero) {
  TempDir d("nodev");
  d.fill({std::begin(FILES), std::end(FILES)});
  fake.device = 0;
  Module1 m(fake_api());
  m.set_places(places_in(d));
  int observed = 0;
  m.set_observer([&](std::string_view, std::string_view) { ++observed; });
  m.start(dialogs);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Direct Soundインターフェースが作成できません。");
  EXPECT_EQ(dialogs.shown[0].title, "Zorvane.dll");
  EXPECT_EQ(dialogs.shown[0].buttons, Buttons::Ok);
  m.play(SoundId::Forbidden);
  m.loop(SoundId::Music);
  m.shutdown();
  // No buffer is created, no terminate without a device; the rest get 0.
  EXPECT_THAT(fake.log, ElementsAre("init", "play 0", "loop 0", "free 0", "free 0", "free 0",
                                    "free 0", "free 0", "free 0"));
  EXPECT_EQ(observed, 8);
  EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(Module1Test, MissingLibraryIsReportedOnceAndTheGameGoesOnSilently) {
  TempDir d("nolib");
  d.fill({std::begin(FILES), std::end(FILES)});
  Module1 m;
  m.set_places({{d.path.string()}, {d.path.string()}});  // no library there
  std::vector<std::string> seen;
  m.set_observer([&](std::string_view op, std::string_view file) {
    seen.push_back(std::string(op) + " " + std::string(file));
  });
  m.start(dialogs);
  EXPECT_FALSE(m.library_loaded());
  EXPECT_EQ(m.device(), 0);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Direct Soundインターフェースが作成できません。");
  EXPECT_EQ(dialogs.shown[0].title, "Zorvane.dll");
  m.play(SoundId::Piece);
  m.loop(SoundId::Music);
  m.stop(SoundId::Music);
  m.shutdown();
  EXPECT_EQ(seen.size(), 9u);
  EXPECT_EQ(seen[0], "play 駒打音.wav");
  EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(Module1Test, LibraryOfTheRightNameWithoutTheOperationsIsNotUsed) {
  TempDir d("wronglib");
  // A real shared library under our name, lacking the ds operations.
  Dl_info info{};
  ASSERT_NE(dladdr(reinterpret_cast<void*>(static_cast<double (*)(double)>(&::cbrt)), &info), 0);
  fs::copy_file(info.dli_fname, d.path / "libZorvane.so");
  Module1 m;
  m.set_places({{d.path.string()}, {}});
  m.start(dialogs);
  EXPECT_FALSE(m.library_loaded());
  EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(Module1Test, MissingFileGivesZeroWithoutAMessage) {
  TempDir d("missing");
  d.fill({"その他.wav", "ワープ.wav", "駒打音.wav", "BGM.wav", "ENDING.wav"});
  Module1 m(fake_api());
  m.set_places(places_in(d));
  m.start(dialogs);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(m.buffer(SoundId::Forbidden), 0);
  EXPECT_NE(m.buffer(SoundId::Warp), 0);
  fake.log.clear();
  m.play(SoundId::Forbidden);
  EXPECT_THAT(fake.log, ElementsAre("play 0"));
}

TEST_F(Module1Test, UnreadableFileShowsItsErrorAndTheRestLoad) {
  TempDir d("unreadable");
  d.fill({"その他.wav", "ワープ.wav", "駒打音.wav", "BGM.wav", "ENDING.wav"});
  // Exists, opens, but cannot be read (even by root).
  fs::create_symlink("/proc/self/mem", d.path / "禁止.wav");
  Module1 m(fake_api());
  m.set_places(places_in(d));
  m.start(dialogs);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_THAT(dialogs.shown[0].text, HasSubstr("禁止.wav"));
  EXPECT_EQ(dialogs.shown[0].title, "Zorvane.dll");
  EXPECT_EQ(m.buffer(SoundId::Forbidden), 0);
  EXPECT_NE(m.buffer(SoundId::Ending), 0);
}

TEST_F(Module1Test, FileTheLibraryRefusesIsNamedInTheBox) {
  TempDir d("refused");
  d.fill({std::begin(FILES), std::end(FILES)});
  fake.reject = "BGM.wav";
  Module1 m(fake_api());
  m.set_places(places_in(d));
  m.start(dialogs);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_THAT(dialogs.shown[0].text, HasSubstr("BGM.wav"));
  EXPECT_EQ(m.buffer(SoundId::Music), 0);
}

TEST_F(Module1Test, CurrentFolderComesBeforeTheFallbackFolders) {
  TempDir here("here"), there("there");
  here.fill({"駒打音.wav"});
  std::ofstream(here.path / "駒打音.wav", std::ios::binary) << "local knock";
  there.fill({std::begin(FILES), std::end(FILES)});
  fs::path old = fs::current_path();
  fs::current_path(here.path);
  Module1 m(fake_api());
  m.set_places(places_in(there));
  m.start(dialogs);
  fs::current_path(old);
  EXPECT_THAT(fake.log, ::testing::Contains("create 7 local knock 3"));
  EXPECT_THAT(fake.log, ::testing::Contains("create 7 BGM.wav 1"));
}

TEST_F(Module1Test, DestroyingWithoutShutdownStillReleases) {
  TempDir d("dtor");
  d.fill({std::begin(FILES), std::end(FILES)});
  {
    Module1 m(fake_api());
    m.set_places(places_in(d));
    m.start(dialogs);
    fake.log.clear();
  }
  ASSERT_EQ(fake.log.size(), 7u);
  EXPECT_EQ(fake.log.back(), "terminate");
}

}  // namespace
}  // namespace zv
