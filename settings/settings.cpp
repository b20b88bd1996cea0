// The option menu and Zorvane.ini. Reading and writing never fail loudly: a
// missing or damaged file is replaced by the defaults.
#include "settings/settings.h"

#include <array>
#include <cstdio>
#include <string>

#include "model/cp932.h"
#include "settings/settings_file.h"
#include "view/draw.h"

namespace zv {

namespace {

struct Background {
  int code;
  MenuCheck item;
  const char* name;
};
// In the order the writer looks for the ticked item.
constexpr std::array<Background, 5> BACKGROUNDS = {{{HAIKEI_MIDORI, M_MIDORI, "緑"},
                                                    {HAIKEI_TAKE, M_TAKE, "竹"},
                                                    {HAIKEI_TATAMI, M_TATAMI, "畳"},
                                                    {HAIKEI_UCHU, M_UCHU, "宇宙"},
                                                    {HAIKEI_RENGA, M_RENGA, "煉瓦"}}};

constexpr const char* KEY_BACKGROUND = "背景画";
constexpr const char* KEY_GUIDANCE = "移動指導";
constexpr const char* KEY_CLOCK = "経過時間";
constexpr const char* KEY_MUSIC = "BGM";
constexpr const char* ON = "ON";
constexpr const char* OFF = "OFF";

constexpr const char* DEFAULT_LINES = "背景画=緑\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\n";

// A line the writer produces.
bool written_line(const std::string& key, const std::string& value) {
  if (key == KEY_BACKGROUND) {
    for (const auto& b : BACKGROUNDS)
      if (value == b.name) return true;
    return false;
  }
  return (key == KEY_GUIDANCE || key == KEY_CLOCK || key == KEY_MUSIC) &&
         (value == ON || value == OFF);
}

void set_background(Game& g, int code) {
  チェック設定(g, code);
  描画_背景(g, code);
  g.st.background = code;
}

void apply_line(Game& g, const std::string& key, const std::string* value) {
  auto& s = g.st;
  bool on = value && *value == ON;
  if (key == KEY_BACKGROUND) {
    for (const auto& b : BACKGROUNDS)
      if (value && *value == b.name) set_background(g, b.code);
  } else if (key == KEY_GUIDANCE) {
    s.guidance_colour = on ? COL_WHITE : COL_GREEN;
    s.checked[M_SIDOU] = on;
    s.guidance_on = on ? 1 : 0;
  } else if (key == KEY_CLOCK) {
    s.checked[M_KEIKA] = on;
  } else if (key == KEY_MUSIC) {
    s.checked[M_BGM] = on;
    if (on) BGM_切替(g, s.game_mode);
  }
}

// Where nothing can be written the options simply last for this session. A
// link the game will not write through is the one case the player could not
// guess, so it is said once (the game has no log but the error stream).
void write_or_keep(Game& g, std::string_view bytes) {
  const SettingsWritten w = write_settings_file(settings_places(g.st), bytes);
  if (w.link_refused && !g.st.settings_session_only_told) {
    g.st.settings_session_only_told = true;
    std::fputs(
        "zorvane: Zorvane.ini is a link to something that is not a settings file; "
        "it is left alone and the settings last for this session only\n",
        stderr);
  }
}

// The failure path: a new file of the four default lines, applied as written.
// The guidance switch itself keeps its value here.
void write_defaults(Game& g) {
  if (auto bytes = utf8_to_cp932(DEFAULT_LINES)) write_or_keep(g, *bytes);
  set_background(g, HAIKEI_MIDORI);
  g.st.checked[M_SIDOU] = false;
  g.st.checked[M_KEIKA] = true;
  g.st.checked[M_BGM] = true;
}

void click_background(Game& g, int code, MenuCheck item) {
  if (!g.st.checked[item]) {
    チェック設定(g, code);
    g.st.background = code;
  }
  書込_環境設定ファイル(g);
  画面_再描画(g);
}

bool whole(std::string_view bytes, const std::optional<std::vector<SettingsLine>>& lines) {
  if (bytes.empty() || !lines) return false;
  if (bytes.back() == '\n' || bytes.back() == '\r') return true;
  const SettingsLine& last = lines->back();
  return last.key && last.value && written_line(*last.key, *last.value);
}

}  // namespace

bool settings_file_whole(std::string_view bytes) {
  return whole(bytes, parse_settings(bytes));
}

bool apply_settings_bytes(Game& g, std::string_view bytes) {
  const auto lines = parse_settings(bytes);
  if (!whole(bytes, lines)) return false;
  for (const auto& line : *lines)
    if (line.key) apply_line(g, *line.key, line.value ? &*line.value : nullptr);
  return true;
}

std::string settings_bytes(const GameState& s) {
  std::string text;
  for (const auto& b : BACKGROUNDS)
    if (s.checked[b.item]) {
      text += std::string(KEY_BACKGROUND) + "=" + b.name + "\r\n";
      break;
    }
  auto flag = [&](const char* key, MenuCheck item) {
    text += std::string(key) + "=" + (s.checked[item] ? ON : OFF) + "\r\n";
  };
  flag(KEY_GUIDANCE, M_SIDOU);
  flag(KEY_CLOCK, M_KEIKA);
  flag(KEY_MUSIC, M_BGM);
  return utf8_to_cp932(text).value_or(std::string());  // our own text always converts
}

void 読込_環境設定ファイル(Game& g) {
  std::filesystem::path path = settings_read_path(settings_places(g.st));
  std::optional<std::string> bytes;
  if (!path.empty()) bytes = read_settings_file(path);
  if (!bytes || !apply_settings_bytes(g, *bytes)) write_defaults(g);
}

void 書込_環境設定ファイル(Game& g) {
  write_or_keep(g, settings_bytes(g.st));
}

void チェック設定(Game& g, int IN_背景種類) {
  for (const auto& b : BACKGROUNDS) g.st.checked[b.item] = b.code == IN_背景種類;
}

void MIDORI_Click(Game& g) {
  click_background(g, HAIKEI_MIDORI, M_MIDORI);
}
void TAKE_Click(Game& g) {
  click_background(g, HAIKEI_TAKE, M_TAKE);
}
void TATAMI_Click(Game& g) {
  click_background(g, HAIKEI_TATAMI, M_TATAMI);
}
void UCHU_Click(Game& g) {
  click_background(g, HAIKEI_UCHU, M_UCHU);
}
void RENGA_Click(Game& g) {
  click_background(g, HAIKEI_RENGA, M_RENGA);
}

void SIDOU_Click(Game& g) {
  auto& s = g.st;
  if (s.checked[M_SIDOU]) {
    for (int x = 1; x <= BAN_SIZE; ++x)
      for (int y = 1; y <= BAN_SIZE; ++y) 描画_桝輪郭(g, COL_BOARD, x, y);
    for (int y = 1; y <= HAND_SLOTS; ++y) 描画_桝輪郭(g, COL_BOARD, COM_HAND_X, y);
    for (int y = 1 + MAN_HAND_ROW_OFFSET; y <= HAND_SLOTS + MAN_HAND_ROW_OFFSET; ++y)
      描画_桝輪郭(g, COL_BOARD, MAN_HAND_X, y);
    s.checked[M_SIDOU] = false;
    s.guidance_on = 0;
  } else {
    s.checked[M_SIDOU] = true;
    s.guidance_on = 1;
  }
  s.guidance_colour = COL_WHITE;
  書込_環境設定ファイル(g);
}

void BGM_Click(Game& g) {
  auto& s = g.st;
  if (s.checked[M_BGM]) {
    s.checked[M_BGM] = false;
    g.io.sound->stop(s.game_mode == MODE_NONE ? SoundId::Ending : SoundId::Music);
  } else {
    s.checked[M_BGM] = true;
    BGM_切替(g, s.game_mode);
  }
  書込_環境設定ファイル(g);
}

void KEIKA_Click(Game& g) {
  if (g.st.checked[M_KEIKA]) {
    g.st.checked[M_KEIKA] = false;
    g.st.timer1_enabled = false;
    消去_所有時間(g, g.st.man_side);
    消去_所有時間(g, g.st.com_side);
  } else {
    g.st.checked[M_KEIKA] = true;
    g.st.timer1_enabled = true;
    描画_所有時間(g, g.st.com_side, g.st.com_total_seconds);
    描画_所有時間(g, g.st.man_side, g.st.man_total_seconds);
  }
  書込_環境設定ファイル(g);
}

}  // namespace zv
