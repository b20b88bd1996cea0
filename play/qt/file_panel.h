// The record file panel inside the window: drive list, folder list, file
// list ("*.棋譜"), the four text boxes with their labels and the RETURN
// button. It shows what the game state says and reports what the user does.
#pragma once
#include <QFrame>
#include <functional>
#include <string>

#include "model/state.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zv::shell {

class FilePanel final : public QFrame {
 public:
  explicit FilePanel(QWidget* parent = nullptr);

  // Mirrors visibility, texts, drive and folder; `rescan` reads the lists again.
  void sync(const PanelState& st, bool rescan);

  std::function<void(const std::string& root)> on_drive;
  std::function<void(const std::string& path)> on_folder;
  std::function<void(const std::string& name)> on_file;
  std::function<void(int index, const std::string& text)> on_text;  // Text1..Text4 as 1..4
  std::function<void()> on_return;

  QComboBox* drive1() const { return drive1_; }
  QListWidget* dir1() const { return dir1_; }
  QListWidget* file1() const { return file1_; }
  QLineEdit* text(int index) const { return texts_[index]; }  // 1..4
  QLabel* label1(int index) const { return labels_[index]; }  // 0..3
  QPushButton* command1() const { return command1_; }

 private:
  void fill_drives(const std::string& current);
  void fill_folders(const std::string& path);
  void fill_files(const std::string& path);

  QComboBox* drive1_;
  QListWidget* dir1_;
  QListWidget* file1_;
  QLineEdit* texts_[5] = {};
  QLabel* labels_[4] = {};
  QPushButton* command1_;
  std::string shown_dir_;
  int shown_version_ = -1;
};

}  // namespace zv::shell
