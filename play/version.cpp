// The version box of the menu "その他".
#include "play/play.h"
#include "record/record.h"

// The version is the project's, as the build defines it.
#ifndef ZORVANE_VERSION
#error "the build defines ZORVANE_VERSION"
#endif
// The build may name the installed README; these are the fallbacks for one that does not.
#ifndef ZORVANE_HOME_PAGE
#define ZORVANE_HOME_PAGE "https://github.com/zorvane/zorvane"
#endif
#ifndef ZORVANE_EMAIL
#define ZORVANE_EMAIL "https://github.com/zorvane/zorvane/issues"
#endif

namespace zv {

std::string_view version() {
  return ZORVANE_VERSION;
}

std::string version_text() {
  return std::string("Zorvane " ZORVANE_VERSION "\r\rHome page\r" ZORVANE_HOME_PAGE
                     "\r\re-mail\r") +
         ZORVANE_EMAIL;
}

void VER_Click(Game& g) {
  描画_可視(g, false, false, false);
  描画_棋譜_IO(g, 1);
  g.io.sound->play(SoundId::Other);
  g.io.dialogs->show(version_text(), "Zorvane", Buttons::Ok);
}

}  // namespace zv
