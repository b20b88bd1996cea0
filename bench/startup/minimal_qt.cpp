// The floor the game's start-up is measured against: a Qt main window with a
// menu and a Japanese label, started and closed the same way as the game.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

#include "play/qt/first_frame.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Minimal");
  QMenu* menu = window.menuBar()->addMenu("対局");
  menu->addAction("スタート");
  QObject::connect(menu->addAction("終わり"), &QAction::triggered, &window, &QWidget::close);
  auto* label = new QLabel("将棋の盤");
  label->setAlignment(Qt::AlignCenter);
  window.setCentralWidget(label);
  window.resize(620, 533);
  zv::shell::FirstFrameProbe::attach_if_asked(label);
  window.show();
  return app.exec();
}
