// Start-up of the real game against a minimal Qt program, side by side:
// exec -> first painted frame, exec -> exit and peak memory, medians of many
// runs taken in turn so both see the same machine load.
//
//   zorvane_startup_bench [RUNS] GAME MINIMAL
//
// Both programs run off-screen with FirstFrameProbe (play/qt/first_frame.h)
// switched on, in a scratch folder of their own.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int DEFAULT_RUNS = 21;
constexpr double NS_PER_MS = 1e6;
constexpr double KIB_PER_MIB = 1024;

struct Run {
  double first_frame_ms = 0;
  double exit_ms = 0;
  double cpu_ms = 0;  // user + system: steadier than the clock on a busy machine
  double peak_mib = 0;
  bool ok = false;
};

long long now_ns() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

Run run_once(const std::string& program) {
  Run r;
  int out[2];
  if (pipe(out) != 0) return r;
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  posix_spawn_file_actions_adddup2(&fa, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&fa, out[0]);
  posix_spawn_file_actions_addopen(&fa, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
  const long long start = now_ns();
  pid_t pid = 0;
  const int err = posix_spawn(&pid, program.c_str(), &fa, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&fa);
  close(out[1]);
  if (err != 0) {
    close(out[0]);
    return r;
  }
  std::string text;
  char buf[256];
  for (ssize_t n; (n = read(out[0], buf, sizeof buf)) > 0;)
    text.append(buf, static_cast<size_t>(n));
  close(out[0]);
  int status = 0;
  rusage use{};
  wait4(pid, &status, 0, &use);
  const long long end = now_ns();
  const auto at = text.find("first-frame ");
  if (at == std::string::npos || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return r;
  const long long frame = std::atoll(text.c_str() + at + 12);
  r.first_frame_ms = (frame - start) / NS_PER_MS;
  r.exit_ms = (end - start) / NS_PER_MS;
  r.peak_mib = use.ru_maxrss / KIB_PER_MIB;
  auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
  r.cpu_ms = ms(use.ru_utime) + ms(use.ru_stime);
  r.ok = true;
  return r;
}

struct Summary {
  double median, low, high;
};

Summary summarise(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return {v[v.size() / 2], v.front(), v.back()};
}

void line(const char* what, const char* unit, const std::vector<double>& game,
          const std::vector<double>& minimal) {
  const Summary g = summarise(game), m = summarise(minimal);
  std::printf("%-22s game %7.1f %s [%.1f-%.1f]   minimal Qt %7.1f %s [%.1f-%.1f]   ratio %.2fx\n",
              what, g.median, unit, g.low, g.high, m.median, unit, m.low, m.high,
              g.median / m.median);
}

}  // namespace

int main(int argc, char** argv) {
  int runs = DEFAULT_RUNS;
  int first = 1;
  if (argc == 4) {
    runs = std::max(1, std::atoi(argv[1]));
    first = 2;
  } else if (argc != 3) {
    std::fprintf(stderr, "usage: %s [RUNS] GAME MINIMAL\n", argv[0]);
    return 2;
  }
  namespace fs = std::filesystem;
  const std::string game = fs::absolute(argv[first]).string();
  const std::string minimal = fs::absolute(argv[first + 1]).string();

  // A folder of its own, so no settings file of the user's is read or written.
  char scratch[] = "/tmp/zorvane-startup-XXXXXX";
  if (!mkdtemp(scratch)) {
    std::perror("mkdtemp");
    return 1;
  }
  fs::current_path(scratch);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  setenv("ZORVANE_FIRST_FRAME", "1", 1);

  // One unmeasured start of each fills the page cache.
  run_once(game);
  run_once(minimal);
  std::vector<double> gf, ge, gc, gm, mf, me, mc, mm;
  for (int i = 0; i < runs; ++i) {
    for (int which = 0; which < 2; ++which) {
      // Alternate who goes first, so neither always follows the other.
      const bool game_turn = (which == 0) == (i % 2 == 0);
      const Run r = run_once(game_turn ? game : minimal);
      if (!r.ok) {
        std::fprintf(stderr, "%s did not report a first frame and exit cleanly\n",
                     (game_turn ? game : minimal).c_str());
        fs::remove_all(scratch);
        return 1;
      }
      auto& f = game_turn ? gf : mf;
      auto& e = game_turn ? ge : me;
      auto& c = game_turn ? gc : mc;
      auto& m = game_turn ? gm : mm;
      f.push_back(r.first_frame_ms);
      e.push_back(r.exit_ms);
      c.push_back(r.cpu_ms);
      m.push_back(r.peak_mib);
    }
  }
  fs::current_path("/");
  fs::remove_all(scratch);
  std::printf("Start-up, %d runs each, median [min-max]:\n", runs);
  line("exec -> first frame", "ms", gf, mf);
  line("exec -> exit", "ms", ge, me);
  line("CPU time (user+sys)", "ms", gc, mc);
  line("peak RSS", "MiB", gm, mm);
  return 0;
}
