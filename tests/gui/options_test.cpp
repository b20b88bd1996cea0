#include "play/qt/options.h"

#include <gtest/gtest.h>

#include "play/qt/ports_qt.h"

namespace zv::shell {
namespace {

TEST(Options, Modes) {
  EXPECT_EQ(parse_options({}).mode, Options::Play);
  EXPECT_EQ(parse_options({"--help"}).mode, Options::Help);
  EXPECT_EQ(parse_options({"-h"}).mode, Options::Help);
  EXPECT_EQ(parse_options({"--version"}).mode, Options::Version);
  const Options s = parse_options({"--script", "a b.zvs"});
  EXPECT_EQ(s.mode, Options::Script);
  EXPECT_EQ(s.script, "a b.zvs");
  EXPECT_EQ(parse_options({"--script=x.zvs"}).script, "x.zvs");
}

TEST(Options, MistakesAreNamed) {
  struct Case {
    std::vector<std::string> args;
    const char* says;
  };
  for (const Case& c : {Case{{"--colour"}, "unknown option '--colour'"},
                        Case{{"--script"}, "--script needs a file name"},
                        Case{{"--script="}, "--script needs a file name"},
                        Case{{"game.zvs"}, "unexpected argument 'game.zvs'"},
                        Case{{"--script", "a", "--script", "b"}, "only one --script"}}) {
    const Options o = parse_options(c.args);
    EXPECT_EQ(o.mode, Options::Error) << c.says;
    EXPECT_NE(o.error.find(c.says), std::string::npos) << o.error;
  }
}

TEST(Options, HelpAndVersionSaySomethingUseful) {
  EXPECT_NE(help_text().find("--script FILE"), std::string::npos);
  EXPECT_NE(help_text().find("Esc"), std::string::npos);
  EXPECT_EQ(version_text().rfind("zorvane ", 0), 0u);
}

TEST(MessageBoxes, RefusalsAndFaultsCarryTheWarningSign) {
  EXPECT_TRUE(is_warning_box("開始", "「対局」で始めて下さい", Buttons::Ok));
  EXPECT_TRUE(is_warning_box("成り", "マウスの右をクリックして下さい", Buttons::Ok));
  EXPECT_TRUE(is_warning_box("進む", "できません", Buttons::Ok));
  EXPECT_TRUE(is_warning_box("  ", "ﾌｧｲﾙ名が入力されていません", Buttons::Ok));
  EXPECT_TRUE(
      is_warning_box("Zorvane.dll", "Direct Soundインターフェースが作成できません。", Buttons::Ok));
  EXPECT_FALSE(is_warning_box("進む", "終わり", Buttons::Ok));
  EXPECT_FALSE(is_warning_box("対局", "MANの番です", Buttons::Ok));
  EXPECT_FALSE(is_warning_box("  ", "棋譜を書き込みました", Buttons::Ok));
  EXPECT_FALSE(is_warning_box("棋譜", "棋譜を '進 'で進めて下さい", Buttons::YesNo));
}

}  // namespace
}  // namespace zv::shell
