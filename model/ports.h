// The game reaches the outside world only through these small interfaces, so
// the same procedures run in the window, in scripted sessions and in tests.
#pragma once
#include <atomic>
#include <functional>
#include <string_view>

namespace zv {

// Painting surface in twips. What is drawn stays until painted over.
struct Canvas {
  virtual ~Canvas() = default;
  // Picture of a picture code (empty square, piece, background, title, warp)
  // at its natural size, upper-left corner at grid position (q, r).
  virtual void picture(int code, double q, double r) = 0;
  // Rectangle outline from (x1, y1) to (x2, y2) in a palette colour.
  virtual void box(int colour, double x1, double y1, double x2, double y2) = 0;
  // Text whose upper-left corner is at (x, y); size in points.
  virtual void text(double x, double y, std::string_view utf8, int colour, double size,
                    bool bold) = 0;
  // Show what has been drawn so far (a blink step must be seen).
  virtual void refresh() = 0;
};

enum class SoundId { Other, Forbidden, Warp, Piece, Music, Ending };
inline constexpr int SOUND_COUNT = 6;

struct Sound {
  virtual ~Sound() = default;
  virtual void play(SoundId id) = 0;
  virtual void loop(SoundId id) = 0;
  virtual void stop(SoundId id) = 0;
};

enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

struct Dialogs {
  virtual ~Dialogs() = default;
  virtual Answer show(std::string_view text, std::string_view title, Buttons buttons) = 0;
};

struct Clock {
  virtual ~Clock() = default;
  // Seconds since midnight, fractional.
  virtual double now() = 0;
  // Give up the processor for about this long (the virtual clock just advances).
  virtual void sleep(double seconds) = 0;
};

struct Random {
  virtual ~Random() = default;
  // Uniform in [0, 1).
  virtual double next() = 0;
};

// Long thinking away from the window's thread. run() calls job(stop) on a
// worker thread and, until the job returns, keeps the window painting and
// Esc working, calling tick() on the caller's thread every few milliseconds.
// The job should return soon once stop is raised. run() answers false when
// the program is ending: the job's result is then to be ignored.
// real_time(): whether thinking may be limited by the wall clock; where time
// is virtual (scripted sessions, tests) it is limited by work done instead,
// so that the same session plays the same moves.
struct Worker {
  using Job = std::function<void(const std::atomic<bool>& stop)>;
  virtual ~Worker() = default;
  virtual bool run(const Job& job, const std::function<void()>& tick) = 0;
  virtual bool real_time() const = 0;
};

// Ports nobody was given do nothing: nothing is drawn or played, every box is
// answered OK (No when it asks), time stands still, chance always says 0 and
// thinking is done at once on the caller's thread.
// They hold no state, so one of each serves every game.
Canvas& no_canvas();
Sound& no_sound();
Dialogs& no_dialogs();
Clock& no_clock();
Random& no_random();
Worker& no_worker();

struct Ports {
  Canvas* canvas = &no_canvas();
  Sound* sound = &no_sound();
  Dialogs* dialogs = &no_dialogs();
  Clock* clock = &no_clock();
  Random* random = &no_random();
  Worker* worker = &no_worker();
};

}  // namespace zv
