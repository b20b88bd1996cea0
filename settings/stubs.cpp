// Placeholder until the settings file lands.
#include "settings/settings.h"

namespace zv {
void 読込_環境設定ファイル(Game&) {}
void 書込_環境設定ファイル(Game&) {}
void チェック設定(Game&, int) {}
void MIDORI_Click(Game&) {}
void TAKE_Click(Game&) {}
void TATAMI_Click(Game&) {}
void UCHU_Click(Game&) {}
void RENGA_Click(Game&) {}
void SIDOU_Click(Game&) {}
void BGM_Click(Game&) {}
void VER_Click(Game&) {}
}  // namespace zv
