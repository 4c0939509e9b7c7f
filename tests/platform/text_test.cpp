#include "platform/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using nv::sj;

TEST(Cp932, RoundTripsKanjiWhoseSecondByteIsBackslash) {
  // 表 = 95 5C, ソ = 83 5C, 能 = 94 5C: the second byte must never be taken for '\'.
  std::string s = sj("表ソ能");
  EXPECT_EQ(s, std::string("\x95\x5C\x83\x5C\x94\x5C", 6));
  EXPECT_EQ(nv::cp932ToUtf8(s), "表ソ能");
}

TEST(Cp932, HalfWidthKatakanaAndWindowsExtensionsRoundTrip) {
  for (const char* text : {"ｴﾈﾙｷﾞｰ", "Ⅰ　低い", "①～－", "可食量（ｇ）", "\\path~"}) {
    std::string b = sj(text);
    EXPECT_EQ(nv::cp932ToUtf8(b), text);
  }
  EXPECT_EQ(sj("ｴ"), "\xB4");
  EXPECT_EQ(sj("Ⅱ"), "\x87\x55");
}

TEST(Cp932, InvalidBytesDoNotCrashOrVanishSilently) {
  std::string bad("\x81\x20\xFF\x80\x82", 5);  // broken pair, undefined bytes, lone lead at end
  std::string u = nv::cp932ToUtf8(bad);
  EXPECT_NE(u.find("\xEF\xBF\xBD"), std::string::npos);
  EXPECT_EQ(sj("漢字😀"), sj("漢字") + "?");
}

TEST(CompareJa, CaseInsensitiveKanaAwareOrdering) {
  EXPECT_EQ(nv::compareJa(sj("ABC"), sj("abc")), 0);
  EXPECT_EQ(nv::compareJa(sj("Ａ"), sj("ａ")), 0);
  EXPECT_LT(nv::compareJa(sj("あさごはん"), sj("かれー")), 0);
  EXPECT_LT(nv::compareJa(sj("カレーライス"), sj("さば")), 0);  // katakana sorts by its sound
  EXPECT_NE(nv::compareJa(sj("あ"), sj("ア")), 0);

  std::vector<std::string> names = {sj("ハンバーグ"), sj("おにぎり"), sj("Pizza"), sj("apple")};
  std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return nv::compareJa(a, b) < 0;
  });
  EXPECT_EQ(names[0], sj("apple"));
  EXPECT_EQ(names[1], sj("Pizza"));
  EXPECT_EQ(names[2], sj("おにぎり"));
}

TEST(Cformat, FormatsLikePrintf) {
  EXPECT_EQ(nv::cformat("%6.1lf", 0.04), "   0.0");
  EXPECT_EQ(nv::cformat("%5d ", 7), "    7 ");
  std::string longText(1000, 'x');
  EXPECT_EQ(nv::cformat("%s!", longText.c_str()).size(), 1001u);
}

TEST(ShortestDecimal, GivesTheShortestTextThatReadsBack) {
  EXPECT_EQ(nv::shortestDecimal(12.5), "12.5");
  EXPECT_EQ(nv::shortestDecimal(3), "3");
  EXPECT_EQ(nv::shortestDecimal(0.1), "0.1");
  EXPECT_EQ(nv::shortestDecimal(-0.25), "-0.25");
}

TEST(Cp932, CharactersInputMethodsGiveForCp932CodesTakeThem) {
  // wave dash, minus, double bar, em dash, yen, cent, not sign
  EXPECT_EQ(nv::utf8ToCp932("\u301C\u2212\u2016\u2014\u00A5\u00A2\u00AC"),
            "\x81\x60\x81\x7C\x81\x61\x81\x5C\x5C\x81\x91\x81\xCA");
  const std::string typed = nv::sj("ごはん\u301C");
  EXPECT_EQ(typed, nv::sj("ごはん") + "\x81\x60");
  EXPECT_EQ(nv::utf8ToCp932(nv::cp932ToUtf8(typed)), typed);
  EXPECT_EQ(nv::utf16ToCp932(nv::cp932ToUtf16(typed)), typed);
}

TEST(Cp932, FindMatchesOnlyAtCharacterStarts) {
  EXPECT_EQ(nv::findAtCharacterStart(sj("アイス"), "A"), std::string::npos);   // ア = 83 41
  EXPECT_EQ(nv::findAtCharacterStart(sj("ソース"), "\\"), std::string::npos);  // ソ = 83 5C
  EXPECT_EQ(nv::findAtCharacterStart(sj("ポテト"), "|"), std::string::npos);   // ポ = 83 7C
  EXPECT_EQ(nv::findAtCharacterStart(sj("アイスA"), "A"), 6u);
  EXPECT_EQ(nv::findAtCharacterStart(sj("アイス"), sj("イス")), 2u);
  EXPECT_EQ(nv::findAtCharacterStart("ab", "abc"), std::string::npos);
}
