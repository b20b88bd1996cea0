// The window's menu tree: control names, captions, check marks and the
// command each entry runs. Toolkit-free so it can be checked without a window.
#pragma once
#include <span>
#include <string_view>

#include "model/game.h"

namespace zv::shell {

struct MenuEntry {
  const char* name;     // control name, also the Qt objectName
  const char* caption;  // text shown
  const char* parent;   // nullptr: directly in the menu bar
  bool submenu;         // opens a menu rather than running a command
  int check;            // MenuCheck index whose mark the item mirrors, or -1
  // Runs when the item is chosen (for a submenu: when it opens). nullptr: the
  // item does nothing or the window handles it itself (OWARI).
  void (*handler)(Game&);
};

// Parents come before their children, in menu order.
std::span<const MenuEntry> menu_tree();
const MenuEntry* find_menu(std::string_view name);

}  // namespace zv::shell
