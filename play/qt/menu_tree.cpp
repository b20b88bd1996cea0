#include "play/qt/menu_tree.h"

#include "play/play.h"
#include "record/record.h"
#include "settings/settings.h"
#include "view/draw.h"

namespace zv::shell {

namespace {

constexpr int NONE = -1;

const MenuEntry TREE[] = {
    {"TAIKYOKU", "対局", nullptr, true, NONE, TAIKYOKU_Click},
    {"MATCH_MAN", "対局(人間)", "TAIKYOKU", true, NONE, nullptr},
    {"START", "スタート", "MATCH_MAN", false, NONE, START_Click},
    {"START2", "対局(COM)", "TAIKYOKU", true, NONE, nullptr},
    {"SENTE", "先手", "START2", false, NONE, SENTE_Click},
    {"GOTE", "後手", "START2", false, NONE, GOTE_Click},
    {"LEVEL", "COM対局ﾚﾍﾞﾙ", "TAIKYOKU", true, NONE, nullptr},
    {"LEVEL1", "LEVEL1", "LEVEL", false, M_LEVEL1, LEVEL1_Click},
    {"LEVEL2", "LEVEL2", "LEVEL", false, M_LEVEL2, LEVEL2_Click},
    {"LEVEL3", "LEVEL3", "LEVEL", false, M_LEVEL3, LEVEL3_Click},
    {"LEVEL4", "LEVEL4", "LEVEL", false, M_LEVEL4, LEVEL4_Click},
    {"OWARI", "終わり", "TAIKYOKU", false, NONE, nullptr},
    {"STOP", "局面", nullptr, true, NONE, STOP_Click},
    {"CANCEL", "最初", "STOP", false, NONE, CANCEL_Click},
    {"REVERSE", "反転", "STOP", false, NONE, REVERSE_Click},
    {"REPLAY", "戻", nullptr, false, NONE, REPLAY_Click},
    {"AFTER", "進", nullptr, false, NONE, AFTER_Click},
    {"LBEL_UP", "△", nullptr, false, NONE, LBEL_UP_Click},
    {"LEBEL_DOWN", "▽", nullptr, false, NONE, LEBEL_DOWN_Click},
    {"KIFU", "棋譜", nullptr, true, NONE, nullptr},
    {"KIFU_READ", "読込", "KIFU", false, NONE, KIFU_READ_Click},
    {"KIFU_WRITE", "書込", "KIFU", false, NONE, KIFU_WRITE_Click},
    {"OPTION", "ｵﾌﾟｼｮﾝ", nullptr, true, NONE, OPTION_Click},
    {"HAIKEI_GA", "背景画", "OPTION", true, NONE, nullptr},
    {"MIDORI", "緑", "HAIKEI_GA", false, M_MIDORI, MIDORI_Click},
    {"TATAMI", "畳", "HAIKEI_GA", false, M_TATAMI, TATAMI_Click},
    {"TAKE", "竹", "HAIKEI_GA", false, M_TAKE, TAKE_Click},
    {"UCHU", "宇宙", "HAIKEI_GA", false, M_UCHU, UCHU_Click},
    {"RENGA", "煉瓦", "HAIKEI_GA", false, M_RENGA, RENGA_Click},
    {"SIDOU", "移動指導", "OPTION", false, M_SIDOU, SIDOU_Click},
    {"KEIKA", "経過時間", "OPTION", false, M_KEIKA, KEIKA_Click},
    {"BGM", "BGM", "OPTION", false, M_BGM, BGM_Click},
    {"HINT", "ヒント", "OPTION", false, NONE, HINT_Click},
    {"VER", "その他", nullptr, false, NONE, VER_Click},
};

}  // namespace

std::span<const MenuEntry> menu_tree() {
  return TREE;
}

const MenuEntry* find_menu(std::string_view name) {
  for (const auto& e : menu_tree())
    if (name == e.name) return &e;
  return nullptr;
}

}  // namespace zv::shell
