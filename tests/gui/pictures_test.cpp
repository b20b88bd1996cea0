// Every picture the board uses exists, fills its cell and hides what is
// under it (the kept drawing relies on that).
#include "play/qt/pictures.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>

#include "view/pictures.h"

namespace zv::shell {
namespace {

bool opaque(const QImage& img) {
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (qAlpha(img.pixel(x, y)) != 255) return false;
  return true;
}

int reddish(const QImage& img) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QColor c = img.pixelColor(x, y);
      if (c.red() > 150 && c.green() < 80 && c.blue() < 80) ++n;
    }
  return n;
}

TEST(Pictures, EveryCodeOfTheTableIsDrawnOpaque) {
  for (const PictureInfo& p : PICTURES) {
    const QSizeF size = picture_size(p.code);
    ASSERT_FALSE(size.isEmpty()) << p.control << " " << p.code;
    if (p.code != PIC_ZORVANE) {
      EXPECT_EQ(size, QSizeF(CELL_W, CELL_H)) << p.control;
    }
    const QImage img = render_picture(p.code, 66, 82);
    EXPECT_TRUE(opaque(img)) << p.control << " " << p.code;
  }
}

TEST(Pictures, CodesOutsideTheTableHaveNoPicture) {
  for (int code : {UE_NARIKIN, SITA_NARIKIN, 7, 15, 20 + 2, 951, -951, 12, -1}) {
    EXPECT_TRUE(picture_size(code).isEmpty()) << code;
    EXPECT_TRUE(render_picture(code, 10, 10).pixelColor(5, 5).alpha() == 0) << code;
  }
}

TEST(Pictures, PromotedFacesAreWrittenInRed) {
  for (int code : {SITA_TO, SITA_NARIKYOU, SITA_UMA, SITA_RYU, UE_TO, UE_NARIGIN})
    EXPECT_GT(reddish(render_picture(code, 99, 123)), 20) << code;
  for (int code : {SITA_HU, SITA_KAKU, SITA_OU, UE_SYA, UE_KIN})
    EXPECT_LT(reddish(render_picture(code, 99, 123)), 5) << code;
}

TEST(Pictures, TheTwoSidesFaceEachOther) {
  // A piece's tip has little outline, its base a long one: a lower piece
  // points up, an upper piece down.
  auto outline = [](const QImage& img, int from, int to) {
    int n = 0;
    for (int y = from; y < to; ++y)
      for (int x = 0; x < img.width(); ++x) n += img.pixelColor(x, y).lightness() < 110;
    return n;
  };
  const QImage lower = render_picture(SITA_KIN, 99, 123), upper = render_picture(UE_KIN, 99, 123);
  EXPECT_LT(outline(lower, 0, 18) * 2, outline(lower, 105, 123));
  EXPECT_GT(outline(upper, 0, 18), outline(upper, 105, 123) * 2);
}

// The board renders its pictures in batches off the window's thread; they
// must be the very pixels a picture rendered alone has.
TEST(Pictures, ABatchRendersEveryPictureExactlyAsAlone) {
  std::vector<PictureRequest> wanted;
  for (const PictureInfo& p : PICTURES)
    for (const QSize& s : {QSize(31, 39), QSize(32, 40)})
      wanted.push_back({p.code, s.width(), s.height()});
  wanted.push_back({PIC_ZORVANE, 161, 78});
  wanted.push_back({UE_NARIKIN, 30, 30});  // no picture: transparent, as alone
  const std::vector<QImage> batch = render_pictures(wanted);
  ASSERT_EQ(batch.size(), wanted.size());
  for (std::size_t i = 0; i < wanted.size(); ++i) {
    const PictureRequest& r = wanted[i];
    EXPECT_EQ(batch[i], render_picture(r.code, r.width_px, r.height_px))
        << r.code << " " << r.width_px;
  }
  EXPECT_TRUE(render_pictures({}).empty());
}

TEST(Pictures, PaletteNumbers) {
  EXPECT_EQ(palette_colour(0), QColor(0, 0, 0));
  EXPECT_EQ(palette_colour(2), QColor(0, 0xAA, 0));
  EXPECT_EQ(palette_colour(6), QColor(0xAA, 0x55, 0));
  EXPECT_EQ(palette_colour(12), QColor(0xFF, 0x55, 0x55));
  EXPECT_EQ(palette_colour(14), QColor(0xFF, 0xFF, 0x55));
  EXPECT_EQ(palette_colour(15), QColor(255, 255, 255));
  EXPECT_EQ(palette_colour(16), QColor(0, 0, 0));
}

TEST(Pictures, TheBoardFontHasEveryKindOfCharacterShown) {
  ASSERT_TRUE(QFontDatabase::families().contains(board_font_family()))
      << "install fonts-ipafont-gothic (scripts/deps.sh)";
  QFont f(board_font_family());
  const QFontMetrics m(f);
  for (const char* s : {"歩", "龍", "九", "１", "ﾊ", "ﾃﾞ", "ｨ", "ｯ", "ﾌﾟ", "級", "手目", "A"}) {
    for (QChar c : QString::fromUtf8(s)) EXPECT_TRUE(m.inFont(c)) << s;
  }
}

}  // namespace
}  // namespace zv::shell
