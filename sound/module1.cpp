#include "sound/module1.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

#include "sound/whole_file.h"
#ifndef ZORVANE_RELATIVE_LIBDIR
#define ZORVANE_RELATIVE_LIBDIR "lib/zorvane/sound"
#endif
#ifndef ZORVANE_RELATIVE_DATADIR
#define ZORVANE_RELATIVE_DATADIR "share/zorvane"
#endif

namespace zv {

namespace {

namespace fs = std::filesystem;

// Buffers are created in this order and freed in FREE_ORDER.
constexpr std::array<SoundId, SOUND_COUNT> CREATE_ORDER = {SoundId::Other, SoundId::Forbidden,
                                                           SoundId::Warp,  SoundId::Piece,
                                                           SoundId::Music, SoundId::Ending};
constexpr std::array<SoundId, SOUND_COUNT> FREE_ORDER = {SoundId::Other,  SoundId::Forbidden,
                                                         SoundId::Piece,  SoundId::Music,
                                                         SoundId::Ending, SoundId::Warp};

// Effects restart on every request; music keeps going when asked again.
constexpr std::int32_t EFFECT_FLAGS = 3, MUSIC_FLAGS = 1;

// A WAV file larger than this is not a sound of ours.
constexpr std::size_t MAX_SOUND_BYTES = 256u * 1024 * 1024;

std::string executable_dir() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  return exe.parent_path().string();
}

// Where the file is: the current folder first, then the given folders.
std::string find_file(std::string_view name, const std::vector<std::string>& dirs) {
  std::error_code ec;
  if (fs::is_regular_file(fs::path(name), ec)) return std::string(name);
  for (const auto& d : dirs) {
    fs::path p = fs::path(d) / name;
    if (fs::is_regular_file(p, ec)) return p.string();
  }
  return {};
}

}  // namespace

std::string_view sound_file_name(SoundId id) {
  switch (id) {
    case SoundId::Other:
      return "その他.wav";
    case SoundId::Forbidden:
      return "禁止.wav";
    case SoundId::Warp:
      return "ワープ.wav";
    case SoundId::Piece:
      return "駒打音.wav";
    case SoundId::Music:
      return "BGM.wav";
    case SoundId::Ending:
      return "ENDING.wav";
  }
  return {};
}

Module1::Places Module1::default_places() {
  Places p;
  std::string exe = executable_dir();
  if (!exe.empty()) {
    p.library_dirs.push_back(exe);
    p.data_dirs.push_back(exe);
    // An installed tree moved elsewhere as a whole: the program's folder
    // (bin/ or games/) beside lib/zorvane/sound and share/zorvane.
    p.library_dirs.push_back(exe + "/../" ZORVANE_RELATIVE_LIBDIR);
    p.data_dirs.push_back(exe + "/../" ZORVANE_RELATIVE_DATADIR);
  }
#ifdef ZORVANE_INSTALL_LIBDIR
  p.library_dirs.push_back(ZORVANE_INSTALL_LIBDIR);
#endif
#ifdef ZORVANE_INSTALL_DATADIR
  p.data_dirs.push_back(ZORVANE_INSTALL_DATADIR);
#endif
  return p;
}

Module1::Module1() : places_(default_places()) {}

Module1::Module1(const DsApi& api) : api_(api), fixed_api_(true), places_(default_places()) {}

Module1::~Module1() {
  observer_ = nullptr;  // whoever watched may already be gone
  shutdown();
  if (library_) dlclose(library_);
}

bool Module1::load_library() {
  if (fixed_api_) return api_.initialize != nullptr;
  if (library_) return true;
  std::vector<std::string> candidates;
  for (const auto& d : places_.library_dirs)
    candidates.push_back((fs::path(d) / SOUND_LIBRARY_FILE).string());
  candidates.emplace_back(SOUND_LIBRARY_FILE);  // the loader's own search path
  for (const auto& c : candidates) {
    void* h = dlopen(c.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!h) continue;
    DsApi a;
    a.initialize = reinterpret_cast<decltype(a.initialize)>(dlsym(h, "dsInitialize"));
    a.terminate = reinterpret_cast<decltype(a.terminate)>(dlsym(h, "dsTerminate"));
    a.create = reinterpret_cast<decltype(a.create)>(dlsym(h, "dsCreateDSB"));
    a.play = reinterpret_cast<decltype(a.play)>(dlsym(h, "dsPlay"));
    a.play_looping = reinterpret_cast<decltype(a.play_looping)>(dlsym(h, "dsPlayLooping"));
    a.stop = reinterpret_cast<decltype(a.stop)>(dlsym(h, "dsStop"));
    a.free = reinterpret_cast<decltype(a.free)>(dlsym(h, "dsFree"));
    if (a.initialize && a.terminate && a.create && a.play && a.play_looping && a.stop && a.free) {
      library_ = h;
      api_ = a;
      return true;
    }
    dlclose(h);  // some other library of that name
  }
  return false;
}

void Module1::start(Dialogs& dialogs, std::int32_t window) {
  if (started_) return;
  started_ = true;
  if (load_library()) device_ = api_.initialize(window);
  if (device_ == 0) dialogs.show(SOUND_NO_DEVICE, SOUND_BOX_TITLE, Buttons::Ok);
  for (SoundId id : CREATE_ORDER) {
    bool music = id == SoundId::Music || id == SoundId::Ending;
    buffers_[static_cast<int>(id)] = create_buffer(dialogs, id, music ? MUSIC_FLAGS : EFFECT_FLAGS);
  }
}

std::int32_t Module1::create_buffer(Dialogs& dialogs, SoundId id, std::int32_t flags) {
  if (device_ == 0) return 0;
  std::string_view name = sound_file_name(id);
  std::string path = find_file(name, places_.data_dirs);
  if (path.empty()) return 0;
  const WholeFile file(path, MAX_SOUND_BYTES);
  if (!file.error().empty()) {
    dialogs.show(std::string(name) + ": " + file.error(), SOUND_BOX_TITLE, Buttons::Ok);
    return 0;
  }
  std::int32_t h = api_.create(device_, file.data(), static_cast<std::int32_t>(file.size()), flags);
  if (h == 0)
    dialogs.show(std::string(name) + ": 音声ファイルとして読めません。", SOUND_BOX_TITLE,
                 Buttons::Ok);
  return h;
}

void Module1::shutdown() {
  if (shut_down_) return;
  shut_down_ = true;
  for (SoundId id : FREE_ORDER) {
    notify("free", id);
    if (api_.free) api_.free(buffers_[static_cast<int>(id)]);
    buffers_[static_cast<int>(id)] = 0;
  }
  if (device_ != 0 && api_.terminate) api_.terminate();
  device_ = 0;
}

void Module1::notify(std::string_view op, SoundId id) {
  if (observer_) observer_(op, sound_file_name(id));
}

void Module1::play(SoundId id) {
  notify("play", id);
  if (api_.play) api_.play(buffers_[static_cast<int>(id)]);
}

void Module1::loop(SoundId id) {
  notify("loop", id);
  if (api_.play_looping) api_.play_looping(buffers_[static_cast<int>(id)]);
}

void Module1::stop(SoundId id) {
  notify("stop", id);
  if (api_.stop) api_.stop(buffers_[static_cast<int>(id)]);
}

}  // namespace zv
