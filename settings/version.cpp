// The version box of the menu "その他".
#include "model/constants.h"
#include "record/record.h"
#include "settings/settings.h"

// The build may name the installed README and the version; these are the
// fallbacks for a build that does not.
#ifndef ZORVANE_VERSION
#define ZORVANE_VERSION "1.0.0"
#endif
#ifndef ZORVANE_HOME_PAGE
#define ZORVANE_HOME_PAGE "https://github.com/zorvane/zorvane"
#endif
#ifndef ZORVANE_EMAIL
#define ZORVANE_EMAIL "https://github.com/zorvane/zorvane/issues"
#endif

namespace zv {

std::string version_text() {
  return std::string("Zorvane " ZORVANE_VERSION "\r\rHome page\r" ZORVANE_HOME_PAGE "\r\re-mail\r") +
         ZORVANE_EMAIL;
}

void VER_Click(Game& g) {
  描画_可視(g, false, false, false);
  描画_棋譜_IO(g, 1);
  g.io.sound->play(SoundId::Other);
  g.io.dialogs->show(version_text(), "Zorvane", Buttons::Ok);
}

}  // namespace zv
