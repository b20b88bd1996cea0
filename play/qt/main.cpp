// zorvane: the game window, or a scripted session with --script.
#include <QApplication>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <random>

#include "play/qt/board_view.h"
#include "play/qt/first_frame.h"
#include "play/qt/form1.h"
#include "play/qt/held_dialogs.h"
#include "play/qt/options.h"
#include "play/qt/ports_qt.h"
#include "play/qt/random.h"
#include "play/qt/script_runner.h"
#include "play/qt/sound_factory.h"

namespace {

int play(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Zorvane");
  zv::shell::MessageBoxes dialogs;
  zv::shell::HeldDialogs boxes(dialogs);
  zv::shell::SystemClock clock;
  zv::shell::MtRandom random(std::random_device{}());
  auto sound = zv::shell::make_sound_system();
  zv::shell::Form1 form({&boxes, &clock, &random, sound.get(), true});
  dialogs.set_parent(&form);
  zv::shell::FirstFrameProbe::attach_if_asked(form.board_view());
  if (!zv::shell::open_main_window(form, boxes)) return 0;
  return app.exec();
}

int script(int argc, char** argv, const std::string& file) {
  // No display and no sound card needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
  QApplication app(argc, argv);
  QApplication::setApplicationName("Zorvane");
  QFile f(QString::fromLocal8Bit(file.c_str()));
  if (!f.open(QIODevice::ReadOnly)) {
    std::cerr << "zorvane: cannot read the script " << file << ": " << f.errorString().toStdString()
              << '\n';
    return 2;
  }
  const QByteArray source = f.readAll();
  auto sound = zv::shell::make_sound_system();
  zv::shell::run_script(source.toStdString(), *sound, std::cout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const auto o = zv::shell::parse_options(args);
  switch (o.mode) {
    case zv::shell::Options::Help:
      std::cout << zv::shell::help_text();
      return 0;
    case zv::shell::Options::Version:
      std::cout << zv::shell::version_text();
      return 0;
    case zv::shell::Options::Error:
      std::cerr << "zorvane: " << o.error << "\nTry 'zorvane --help' for more information.\n";
      return 2;
    case zv::shell::Options::Script:
      return script(argc, argv, o.script);
    case zv::shell::Options::Play:
      break;
  }
  return play(argc, argv);
}
