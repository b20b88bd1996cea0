// The window tests run off-screen, in a folder of their own (the game writes
// its settings file into the current folder).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  QTemporaryDir work;
  if (!work.isValid() || !QDir::setCurrent(work.path())) return 1;
  return RUN_ALL_TESTS();
}
