#include "play/qt/options.h"

#include "play/play.h"

namespace zv::shell {

Options parse_options(const std::vector<std::string>& args) {
  Options o;
  auto fail = [&](std::string why) {
    o.mode = Options::Error;
    o.error = std::move(why);
    return o;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      o.mode = Options::Help;
      return o;
    }
    if (a == "--version" || a == "-v") {
      o.mode = Options::Version;
      return o;
    }
    std::string file;
    if (a == "--script") {
      if (i + 1 >= args.size()) return fail("--script needs a file name");
      file = args[++i];
    } else if (a.rfind("--script=", 0) == 0) {
      file = a.substr(9);
    } else if (!a.empty() && a[0] == '-') {
      return fail("unknown option '" + a + "'");
    } else {
      return fail("unexpected argument '" + a + "'");
    }
    if (file.empty()) return fail("--script needs a file name");
    if (o.mode == Options::Script) return fail("only one --script may be given");
    o.mode = Options::Script;
    o.script = file;
  }
  return o;
}

std::string help_text() {
  return "Usage: zorvane [--script FILE]\n"
         "\n"
         "Zorvane: shogi with warp squares, against the computer or another person.\n"
         "Settings are kept in Zorvane.ini in the current folder, or in\n"
         "~/.config/zorvane/ when the current folder cannot be written. Sounds are\n"
         "read from the current folder, else from the installed data folder.\n"
         "\n"
         "Options:\n"
         "  --script FILE  run the commands in FILE against the window off-screen and\n"
         "                 print a transcript (message boxes, sounds, dumps) to\n"
         "                 standard output; no display or sound card is needed\n"
         "  --help, -h     show this help and exit\n"
         "  --version, -v  show the version and exit\n"
         "\n"
         "In the window: choose 対局 to start a game, click a piece and then its\n"
         "destination (right button to promote); Esc ends the program.\n";
}

std::string version_text() {
  return "zorvane " + std::string(zv::version()) + "\n";
}

}  // namespace zv::shell
