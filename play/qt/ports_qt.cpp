#include "play/qt/ports_qt.h"

#include <QMessageBox>
#include <QString>
#include <QThread>
#include <QTime>
#include <cmath>

namespace zv::shell {

bool is_warning_box(std::string_view title, std::string_view text, Buttons buttons) {
  if (buttons == Buttons::YesNo) return false;
  // Boxes that turn a click down or report a fault; every "cannot" text ends in ません.
  static constexpr std::string_view WARNING_TITLES[] = {"開始", "成り", "終局", "ｴﾗｰ",
                                                        "Zorvane.dll"};
  for (auto t : WARNING_TITLES)
    if (title == t) return true;
  return text.find("ません") != std::string_view::npos;
}

Answer MessageBoxes::show(std::string_view text, std::string_view title, Buttons buttons) {
  QString body = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  body.replace("\r\n", "\n");
  body.replace('\r', '\n');
  QMessageBox box(parent_);
  box.setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
  box.setText(body);
  box.setTextFormat(Qt::PlainText);
  if (buttons == Buttons::YesNo) {
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::No ? Answer::No : Answer::Yes;
  }
  box.setIcon(is_warning_box(title, text, buttons) ? QMessageBox::Warning
                                                   : QMessageBox::Information);
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return Answer::Ok;
}

double SystemClock::now() {
  return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void SystemClock::sleep(double seconds) {
  if (seconds > 0) QThread::usleep(static_cast<unsigned long>(std::llround(seconds * 1e6)));
}

}  // namespace zv::shell
