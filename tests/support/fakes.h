// Recording and scripted stand-ins for the ports, shared by the tests.
#pragma once
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "model/game.h"

namespace zv::test {

struct DrawOp {
  enum Kind { Picture, Box, Text, Refresh };
  Kind kind = Refresh;
  int code = 0;                       // picture code or colour
  double a = 0, b = 0, c = 0, d = 0;  // (q, r) for pictures, corners for boxes, (x, y) for text
  std::string text;
  double size = 0;
  bool bold = false;
  static DrawOp make(Kind k, int code = 0, double a = 0, double b = 0, double c = 0, double d = 0) {
    DrawOp op;
    op.kind = k;
    op.code = code;
    op.a = a;
    op.b = b;
    op.c = c;
    op.d = d;
    return op;
  }
};

struct RecordingCanvas : Canvas {
  std::vector<DrawOp> ops;
  void picture(int code, double q, double r) override {
    ops.push_back(DrawOp::make(DrawOp::Picture, code, q, r));
  }
  void box(int colour, double x1, double y1, double x2, double y2) override {
    ops.push_back(DrawOp::make(DrawOp::Box, colour, x1, y1, x2, y2));
  }
  void text(double x, double y, std::string_view s, int colour, double size, bool bold) override {
    DrawOp op = DrawOp::make(DrawOp::Text, colour, x, y);
    op.text = std::string(s);
    op.size = size;
    op.bold = bold;
    ops.push_back(op);
  }
  void refresh() override { ops.push_back(DrawOp::make(DrawOp::Refresh)); }
  std::vector<DrawOp> of(DrawOp::Kind k) const {
    std::vector<DrawOp> out;
    for (auto& o : ops)
      if (o.kind == k) out.push_back(o);
    return out;
  }
  void clear() { ops.clear(); }
};

struct RecordingSound : Sound {
  struct Call {
    std::string op;
    SoundId id;
  };
  std::vector<Call> calls;
  void play(SoundId id) override { calls.push_back({"play", id}); }
  void loop(SoundId id) override { calls.push_back({"loop", id}); }
  void stop(SoundId id) override { calls.push_back({"stop", id}); }
  int count(const std::string& op, SoundId id) const {
    int n = 0;
    for (auto& c : calls) n += (c.op == op && c.id == id);
    return n;
  }
};

struct ScriptedDialogs : Dialogs {
  struct Shown {
    std::string text, title;
    Buttons buttons;
  };
  std::vector<Shown> shown;
  std::deque<Answer> answers;  // for Yes/No boxes; default Yes
  Answer show(std::string_view text, std::string_view title, Buttons b) override {
    shown.push_back({std::string(text), std::string(title), b});
    if (b == Buttons::Ok) return Answer::Ok;
    if (answers.empty()) return Answer::Yes;
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }
};

// A clock that only moves when told to or when asked to sleep.
struct VirtualClock : Clock {
  double t = 36000;
  double now() override { return t; }
  void sleep(double s) override {
    t += s;
    if (t >= 86400) t -= 86400;
  }
};

// A repeatable generator (the game only needs a uniform value in [0, 1)).
struct SeqRandom : Random {
  unsigned long long x = 88172645463325252ull;
  double next() override {
    x ^= x << 13;
    x ^= x >> 7;
    x ^= x << 17;
    return static_cast<double>(x >> 11) * (1.0 / 9007199254740992.0);
  }
};

// A game wired to recording ports.
struct TestGame {
  RecordingCanvas canvas;
  RecordingSound sound;
  ScriptedDialogs dialogs;
  VirtualClock clock;
  SeqRandom random;
  std::unique_ptr<Game> game = std::make_unique<Game>();
  TestGame() { game->io = Ports{&canvas, &sound, &dialogs, &clock, &random}; }
  Game& g() { return *game; }
  GameState& s() { return game->st; }
};

}  // namespace zv::test
