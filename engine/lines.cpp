// Straight lines of lances, rooks and dragons for the influence survey.
#include "engine/survey.h"
#include "engine/survey_rules.h"

namespace zv {

void 勢力確定上直進(GameState& s, int c, int X, int Y) {
  survey::walk_line<0, -1>(s, c, X, Y);
}
void 勢力確定下直進(GameState& s, int c, int X, int Y) {
  survey::walk_line<0, 1>(s, c, X, Y);
}
void 勢力確定右直進(GameState& s, int c, int X, int Y) {
  survey::walk_line<1, 0>(s, c, X, Y);
}
void 勢力確定左直進(GameState& s, int c, int X, int Y) {
  survey::walk_line<-1, 0>(s, c, X, Y);
}

}  // namespace zv
