#include "play/qt/form1.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <cmath>

#include "engine/engine.h"
#include "model/constants.h"
#include "model/setup.h"
#include "play/play.h"
#include "play/qt/board_view.h"
#include "play/qt/file_panel.h"
#include "play/qt/held_dialogs.h"
#include "play/qt/menu_tree.h"
#include "record/autosave.h"
#include "record/record.h"
#include "settings/settings.h"
#include "view/draw.h"

namespace zv::shell {

namespace {

constexpr int TIMER1_MS = 50;
// The panel lies over the board while it is open.
constexpr double PANEL_X1 = X0 + CELL_W, PANEL_Y1 = Y0 + CELL_H;
constexpr double PANEL_X2 = X0 + CELL_W * (BAN_SIZE + 1), PANEL_Y2 = Y0 + CELL_H * (BAN_SIZE + 1);

}  // namespace

Form1::Form1(const Setup& setup, QWidget* parent)
    : QMainWindow(parent),
      game_(std::make_unique<Game>()),
      sound_(setup.sound),
      worker_(setup.real_time_thinking, [this] { return ended_; }) {
  setWindowTitle("Zorvane");
  setObjectName("Form1");

  view_ = new BoardView(this);
  view_->setObjectName("Canvas");
  setCentralWidget(view_);
  view_->setFocus();

  game_->io = Ports{view_, sound_, setup.dialogs, setup.clock, setup.random, &worker_};

  build_menus();

  view_->on_mouse_down = [this](int b, int s, double x, double y) { mouse_down(b, s, x, y); };
  view_->on_resized = [this] { place_panel(); };

  if (setup.run_timer) {
    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(TIMER1_MS);
    connect(timer1_, &QTimer::timeout, this, [this] { timer_tick(); });
    timer1_->start();
  }
}

Form1::~Form1() = default;

// The panel is made when it is first shown (or asked for): most sessions
// never open it, and its widgets cost start-up time and memory.
FilePanel* Form1::file_panel() {
  if (panel_) return panel_;
  panel_ = new FilePanel(view_);
  panel_->on_text = [this](int i, const std::string& t) {
    std::string* texts[5] = {nullptr, &game_->st.Text1, &game_->st.Text2, &game_->st.Text3,
                             &game_->st.Text4};
    *texts[i] = t;
  };
  panel_->on_drive = [this](const std::string& r) { choose_drive(r); };
  panel_->on_folder = [this](const std::string& p) { choose_folder(p); };
  panel_->on_file = [this](const std::string& n) { choose_file(n); };
  panel_->on_return = [this] { press_return(); };
  panel_->sync(game_->st, false);
  place_panel();
  return panel_;
}

void Form1::build_menus() {
  for (const MenuEntry& e : menu_tree()) {
    const QString caption = QString::fromUtf8(e.caption);
    QAction* act = nullptr;
    if (e.submenu) {
      QMenu* m = e.parent ? menus_.at(e.parent)->addMenu(caption) : menuBar()->addMenu(caption);
      m->setObjectName(e.name);
      act = m->menuAction();
      menus_[e.name] = m;
      if (e.handler) connect(m, &QMenu::aboutToShow, this, [this, &e] { run(e); });
    } else {
      act = e.parent ? menus_.at(e.parent)->addAction(caption) : menuBar()->addAction(caption);
      connect(act, &QAction::triggered, this, [this, &e] { run(e); });
    }
    act->setObjectName(e.name);
    if (e.check >= 0) act->setCheckable(true);
    actions_[e.name] = act;
  }
}

QAction* Form1::action(std::string_view name) const {
  auto it = actions_.find(std::string(name));
  return it == actions_.end() ? nullptr : it->second;
}

QMenu* Form1::submenu(std::string_view name) const {
  auto it = menus_.find(std::string(name));
  return it == menus_.end() ? nullptr : it->second;
}

// ---- Start and end ----------------------------------------------------------

void Form1::Form_Load() {
  Game& g = *game_;
  auto& st = g.st;
  sound_->start(*g.io.dialogs);

  st.com_level = 3;
  st.checked[M_LEVEL1] = st.checked[M_LEVEL2] = false;
  st.checked[M_LEVEL3] = true;
  st.man_side = GOTE;
  st.com_side = SENTE;
  st.kifu_mode = 0;
  st.guidance_on = 0;

  読込_環境設定ファイル(g);
  初期設定(g);
  画面_再描画(g);

  // A maximised window keeps its place; any other gets its design size and
  // the middle of the screen, its title bar on screen whatever the frame.
  if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
    QScreen* scr = screen();
    const QRect room = scr->availableGeometry();
    const double dx = scr->logicalDotsPerInchX() / TWIPS_PER_INCH;
    const double dy = scr->logicalDotsPerInchY() / TWIPS_PER_INCH;
    const QSize size = QSize(static_cast<int>(std::lround(WINDOW_W * dx)),
                             static_cast<int>(std::lround(WINDOW_H * dy)))
                           .boundedTo(room.size());
    resize(size);
    move(room.x() + (room.width() - size.width()) / 2,
         room.y() + (room.height() - size.height()) / 2);
  }
  sync();
}

bool open_main_window(Form1& form, HeldDialogs& boxes) {
  form.Form_Load();
  if (form.ended()) {
    boxes.release();
    return false;
  }
  form.show();
  // Once the event loop runs the window is on screen; the boxes follow.
  QTimer::singleShot(0, &form, [&boxes] { boxes.release(); });
  return true;
}

void Form1::終了処理() {
  if (shut_down_) return;
  shut_down_ = true;
  if (timer1_) timer1_->stop();
  // Quitting stays immediate: the game is kept without a word.
  save_game_on_exit(game_->st);
  sound_->shutdown();
}

void Form1::end_program() {
  ended_ = true;
  close();
}

void Form1::Form_KeyPress(int KeyAscii) {
  if (ended_ || KeyAscii != KEY_ESC) return;
  終了処理();
  end_program();
}

void Form1::Form_Unload() {
  終了処理();
  ended_ = true;
}

void Form1::OWARI_Click() {
  終了処理();
  end_program();
}

void Form1::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) {
    Form_KeyPress(KEY_ESC);
    return;
  }
  const QString t = e->text();
  if (t.size() == 1 && t[0].unicode() < 128) {
    Form_KeyPress(t[0].unicode());
    return;
  }
  QMainWindow::keyPressEvent(e);
}

void Form1::closeEvent(QCloseEvent* e) {
  if (!ended_) Form_Unload();
  e->accept();
}

// ---- Commands -----------------------------------------------------------------

void Form1::run(const MenuEntry& e) {
  // While the computer thinks only Esc and closing the window are taken.
  if (ended_ || worker_.busy()) return;
  if (std::string_view(e.name) == "OWARI") {
    OWARI_Click();
    return;
  }
  if (!e.handler) return;
  e.handler(*game_);
  sync();
}

bool Form1::choose_menu(std::string_view name, bool open_parents) {
  const MenuEntry* e = find_menu(name);
  if (!e) return false;
  if (open_parents) {
    std::vector<const MenuEntry*> chain;
    for (const char* p = e->parent; p; p = find_menu(p)->parent)
      chain.insert(chain.begin(), find_menu(p));
    for (const MenuEntry* p : chain) run(*p);
  }
  run(*e);
  return true;
}

void Form1::mouse_down(int button, int shift, double x, double y) {
  if (ended_ || worker_.busy()) return;
  Form_MouseDown(*game_, button, shift, x, y);
  sync();
}

void Form1::timer_tick() {
  if (ended_) return;
  Timer1_Timer(*game_);
}

void Form1::type_text(int index, const std::string& text) {
  auto& st = game_->st;
  std::string* texts[5] = {nullptr, &st.Text1, &st.Text2, &st.Text3, &st.Text4};
  if (index < 1 || index > 4) return;
  *texts[index] = text;
  sync();
}

void Form1::choose_drive(const std::string& root) {
  if (ended_ || worker_.busy()) return;
  game_->st.drive = root;
  Drive1_Change(*game_);
  sync();
}

void Form1::choose_folder(const std::string& path) {
  if (ended_ || worker_.busy()) return;
  game_->st.dir_path = path;
  Dir1_Change(*game_);
  sync();
}

void Form1::choose_file(const std::string& name) {
  if (ended_ || worker_.busy()) return;
  File1_Click(*game_, name);
  sync();
}

void Form1::press_return() {
  if (ended_ || worker_.busy()) return;
  Command1_Click(*game_);
  sync();
}

void Form1::sync() {
  const auto& st = game_->st;
  for (const MenuEntry& e : menu_tree())
    if (e.check >= 0) actions_.at(e.name)->setChecked(st.checked[e.check]);
  const bool wanted = st.drive1_visible || st.dir1_visible || st.file1_visible || st.text_visible;
  if (!panel_ && !wanted) return;
  file_panel()->sync(st, false);
  place_panel();
}

void Form1::place_panel() {
  if (!panel_) return;
  const QRectF r =
      view_->to_widget(QRectF(QPointF(PANEL_X1, PANEL_Y1), QPointF(PANEL_X2, PANEL_Y2)));
  panel_->setGeometry(r.toAlignedRect());
}

}  // namespace zv::shell
