// Small helpers shared by the drawing files: grid-to-twips conversion and
// the one place text reaches the canvas.
#pragma once
#include <string_view>

#include "model/game.h"

namespace zv::paint {

constexpr double twips_x(double q) {
  return X0 + CELL_W * q;
}
constexpr double twips_y(double r) {
  return Y0 + CELL_H * r;
}

// Prints at a twips position in the window's current font weight. An empty
// text leaves no mark, so it is not sent at all.
inline void text(Game& g, double x, double y, std::string_view s, int colour, double size) {
  if (s.empty()) return;
  g.io.canvas->text(x, y, s, colour, size, g.st.font_bold);
}

inline void refresh(Game& g) {
  g.io.canvas->refresh();
}

// Erasing is done by repainting the current background tile over a cell.
void tile(Game& g, double q, double r);

}  // namespace zv::paint
