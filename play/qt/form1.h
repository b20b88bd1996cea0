// The main window: menus, the drawing surface, the record file panel and the
// one timer. It owns the game (state and ports) and turns the window's
// events into the game's commands.
#pragma once
#include <QMainWindow>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "model/game.h"
#include "play/qt/sound_system.h"
#include "play/qt/worker_qt.h"

class QTimer;

namespace zv::shell {

class BoardView;
class FilePanel;
class HeldDialogs;
struct MenuEntry;

class Form1 final : public QMainWindow {
 public:
  struct Setup {
    Dialogs* dialogs = nullptr;
    Clock* clock = nullptr;
    Random* random = nullptr;
    SoundSystem* sound = nullptr;
    bool run_timer = true;  // scripted sessions tick the timer themselves
    // Thinking limited by the wall clock; scripted sessions, on a virtual
    // clock, limit it by work so that they replay the same.
    bool real_time_thinking = true;
  };
  explicit Form1(const Setup& setup, QWidget* parent = nullptr);
  ~Form1() override;

  Game& game() { return *game_; }
  BoardView* board_view() const { return view_; }
  const ThreadWorker& worker() const { return worker_; }
  FilePanel* file_panel();                       // made on first use
  QAction* action(std::string_view name) const;  // any menu entry (a submenu's own action too)
  QMenu* submenu(std::string_view name) const;

  void Form_Load();
  void Form_KeyPress(int KeyAscii);
  void Form_Unload();
  void OWARI_Click();
  void 終了処理();
  bool ended() const { return ended_; }

  // The window's events and scripted sessions both come in here.
  // `open_parents`: first open the menus above the entry, as a user must.
  bool choose_menu(std::string_view name, bool open_parents);  // false: no such entry
  void mouse_down(int button, int shift, double x, double y);
  void timer_tick();
  void type_text(int index, const std::string& text);  // Text1..Text4
  void choose_drive(const std::string& root);
  void choose_folder(const std::string& path);
  void choose_file(const std::string& name);
  void press_return();
  // Check marks and the file panel follow the game state.
  void sync();

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void build_menus();
  void run(const MenuEntry& entry);
  void place_panel();
  void end_program();

  std::unique_ptr<Game> game_;
  SoundSystem* sound_;
  BoardView* view_;
  FilePanel* panel_ = nullptr;
  QTimer* timer1_ = nullptr;
  std::unordered_map<std::string, QAction*> actions_;
  std::unordered_map<std::string, QMenu*> menus_;
  bool shut_down_ = false;  // 終了処理 has run
  bool ended_ = false;
  ThreadWorker worker_;
};

// Start-up as the user sees it: the window loads (its boxes held), appears
// centred on the screen, and then the held boxes appear over it. False when
// the program ended while loading.
bool open_main_window(Form1& form, HeldDialogs& boxes);

}  // namespace zv::shell
