#include "play/qt/file_panel.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "record/panel.h"

namespace zv::shell {

namespace {

QString q(const std::string& s) {
  return QString::fromStdString(s);
}
std::string u8(const QString& s) {
  return s.toStdString();
}

// Label1(0..3) top to bottom, and the text box beside each.
struct Row {
  const char* caption;
  int text;
};
constexpr Row ROWS[4] = {
    {"対 局 名：", 2}, {"先    手 ：", 3}, {"後    手 ：", 4}, {"ﾌｧｲﾙ名 ：", 1}};

}  // namespace

FilePanel::FilePanel(QWidget* parent) : QFrame(parent) {
  setObjectName("FilePanel");
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  // A click inside the panel belongs to the panel, not to the board under it.
  setAttribute(Qt::WA_NoMousePropagation);

  drive1_ = new QComboBox(this);
  drive1_->setObjectName("Drive1");
  dir1_ = new QListWidget(this);
  dir1_->setObjectName("Dir1");
  file1_ = new QListWidget(this);
  file1_->setObjectName("File1");
  file1_->setToolTip("*.棋譜");

  auto* grid = new QGridLayout;
  for (int i = 0; i < 4; ++i) {
    labels_[i] = new QLabel(QString::fromUtf8(ROWS[i].caption), this);
    labels_[i]->setObjectName(QString("Label1_%1").arg(i));
    const int t = ROWS[i].text;
    texts_[t] = new QLineEdit(this);
    texts_[t]->setObjectName(QString("Text%1").arg(t));
    labels_[i]->setBuddy(texts_[t]);
    grid->addWidget(labels_[i], i, 0);
    grid->addWidget(texts_[t], i, 1);
    connect(texts_[t], &QLineEdit::textEdited, this, [this, t](const QString& s) {
      if (on_text) on_text(t, u8(s));
    });
    // Enter in any of the boxes presses RETURN, as the last step of filling them in.
    connect(texts_[t], &QLineEdit::returnPressed, this, [this] {
      if (on_return) on_return();
    });
  }
  command1_ = new QPushButton("RETURN", this);
  command1_->setObjectName("Command1");

  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(6, 6, 6, 6);
  v->addWidget(drive1_);
  v->addWidget(dir1_, 1);
  v->addWidget(file1_, 1);
  v->addLayout(grid);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(command1_);
  v->addLayout(buttons);
  v->addStretch(0);

  connect(drive1_, &QComboBox::activated, this, [this](int index) {
    if (on_drive) on_drive(u8(drive1_->itemData(index).toString()));
  });
  // As in a folder tree: a double click (or Enter) opens the folder.
  connect(dir1_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    if (item && on_folder) on_folder(u8(item->data(Qt::UserRole).toString()));
  });
  connect(file1_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    if (item && on_file) on_file(u8(item->text()));
  });
  connect(command1_, &QPushButton::clicked, this, [this] {
    if (on_return) on_return();
  });
  hide();
}

void FilePanel::fill_drives(const std::string& current) {
  drive1_->clear();
  std::vector<std::string> roots = list_volumes();
  if (!current.empty() && std::find(roots.begin(), roots.end(), current) == roots.end())
    roots.push_back(current);
  for (const std::string& r : roots) drive1_->addItem(QDir::toNativeSeparators(q(r)), q(r));
  drive1_->setCurrentIndex(drive1_->findData(q(current)));
}

void FilePanel::fill_folders(const std::string& path) {
  dir1_->clear();
  const QDir here(q(path));
  if (path.empty() || !here.exists()) return;
  const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed = style()->standardIcon(QStyle::SP_DirIcon);
  // The open folders from the root down, then the folders inside this one.
  QStringList chain;
  for (QDir d = here;;) {
    chain.prepend(d.absolutePath());
    if (d.isRoot() || !d.cdUp()) break;
  }
  int depth = 0;
  for (const QString& p : chain) {
    const QString name = QDir(p).isRoot() ? QDir::toNativeSeparators(p) : QFileInfo(p).fileName();
    auto* item = new QListWidgetItem(open, QString(depth * 2, ' ') + name, dir1_);
    item->setData(Qt::UserRole, p);
    ++depth;
  }
  dir1_->setCurrentRow(dir1_->count() - 1);
  for (const QFileInfo& sub : here.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
    auto* item = new QListWidgetItem(closed, QString(depth * 2, ' ') + sub.fileName(), dir1_);
    item->setData(Qt::UserRole, sub.absoluteFilePath());
  }
}

void FilePanel::fill_files(const std::string& path) {
  file1_->clear();
  if (path.empty()) return;
  for (const std::string& f : list_record_files(path)) file1_->addItem(q(f));
}

void FilePanel::sync(const PanelState& st, bool rescan) {
  drive1_->setVisible(st.drive1_visible);
  dir1_->setVisible(st.dir1_visible);
  file1_->setVisible(st.file1_visible);
  for (auto* l : labels_) l->setVisible(st.text_visible);
  for (int t = 1; t <= 4; ++t) texts_[t]->setVisible(st.text_visible);
  command1_->setVisible(st.text_visible);
  const bool any = st.drive1_visible || st.dir1_visible || st.file1_visible || st.text_visible;

  const std::string* values[5] = {nullptr, &st.Text1, &st.Text2, &st.Text3, &st.Text4};
  for (int t = 1; t <= 4; ++t)
    if (texts_[t]->text() != q(*values[t])) texts_[t]->setText(q(*values[t]));

  // The lists are read again when the panel opens, when the folder changes
  // and when the game says the folder's files changed.
  const bool opening = any && isHidden();
  if (any && (opening || rescan || drive1_->currentData().toString() != q(st.drive)))
    fill_drives(st.drive);
  if (any && (opening || rescan || shown_dir_ != st.dir_path)) fill_folders(st.dir_path);
  if (any &&
      (opening || rescan || shown_dir_ != st.dir_path || shown_version_ != st.file_list_version))
    fill_files(st.dir_path);
  if (any) {
    shown_dir_ = st.dir_path;
    shown_version_ = st.file_list_version;
  }
  setVisible(any);
  if (any) raise();
}

}  // namespace zv::shell
