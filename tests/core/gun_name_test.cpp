#include "core/gun_name.h"

#include <gtest/gtest.h>

#include "platform/ini.h"
#include "platform/text.h"

using nv::sj;

TEST(TGunName, BuiltInNamesAndColours) {
  nv::TGunName g;
  const char* names[] = {"０群",       "魚肉卵豆",   "乳小魚海草", "緑黄色野菜",
                         "他野菜果物", "穀類芋砂糖", "油脂類"};
  const int32_t colors[] = {16777215, 255, 16711935, 48384, 7995257, 65535, 4118777};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(g.name(i), sj(names[i])) << i;
    EXPECT_EQ(g.color(i), colors[i]) << i;
  }
  EXPECT_EQ(g.rgb(3), (nv::Rgb{0, 189, 0}));
  EXPECT_EQ(g.rgb(4), (nv::Rgb{121, 255, 121}));
  EXPECT_EQ(g.rgb(6), (nv::Rgb{249, 216, 62}));
  // Outside 0..6: white and no name, never a read past the table.
  for (int bad : {-1, 7, 1000}) {
    EXPECT_EQ(g.color(bad), 16777215);
    EXPECT_EQ(g.name(bad), "");
    g.setColor(bad, 1);
  }
  EXPECT_EQ(g.color(1), 255);
}

TEST(TGunName, ColoursComeFromTheSettingsWithBuiltInDefaults) {
  nv::Ini ini;
  ini.parse("[data]\r\ngunColor3=16711680\r\nGunColor5=junk\r\n[Other]\r\nGunColor1=1\r\n");
  nv::TGunName g;
  g.setColor(2, 0);
  g.loadColors(ini);
  EXPECT_EQ(g.color(3), 16711680);
  EXPECT_EQ(g.rgb(3), (nv::Rgb{0, 0, 255}));
  EXPECT_EQ(g.color(5), 0);         // present but not a number, as the profile call reads it
  EXPECT_EQ(g.color(1), 255);       // another section's key does not count
  EXPECT_EQ(g.color(2), 16711935);  // missing: built-in, not the colour set before

  nv::Ini out;
  EXPECT_TRUE(g.saveColors(out));
  EXPECT_EQ(out.bytes(),
            "[Data]\r\nGunColor0=16777215\r\nGunColor1=255\r\nGunColor2=16711935\r\n"
            "GunColor3=16711680\r\nGunColor4=7995257\r\nGunColor5=0\r\nGunColor6=4118777\r\n");
}

TEST(WinColor, ConvertsBothWays) {
  EXPECT_EQ(nv::rgbOfWinColor(0x00123456), (nv::Rgb{0x56, 0x34, 0x12}));
  EXPECT_EQ(nv::winColorOf({0x56, 0x34, 0x12}), 0x00123456);
  // The high byte of a system colour value is ignored for the components.
  EXPECT_EQ(nv::rgbOfWinColor(int32_t(0xFF0000FFu)), (nv::Rgb{255, 0, 0}));
}
