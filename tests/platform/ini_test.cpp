#include "platform/ini.h"

#include <gtest/gtest.h>

#include "platform/text.h"
#include "temp_dir.h"

using nv::sj;

namespace {

// The lines, each ended by CR LF.
std::string crlfLines(std::initializer_list<std::string> lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

// A file as the old program left it: CRLF, blanks around '=', a comment, mixed case, a
// Japanese section with a value holding 0x5C second bytes, no line end after the last line.
std::string classicFile() {
  return crlfLines({"; settings", "[MainForm]", "Left = 120", "MenuCount=2",
                    "Menu0=" + sj("C:\\献立\\表.nvu"), "", "[Data]", "GunColor1=255", "; group six",
                    "GunColor6 =\t4118777  ", "", "[" + sj("冷蔵庫") + "]"}) +
         "iLeft=10";
}

}  // namespace

TEST(Ini, ReadsClassicFileCaseInsensitively) {
  nv::Ini ini;
  ini.parse(classicFile());
  EXPECT_EQ(ini.readInteger("mainform", "LEFT", 0), 120);
  EXPECT_EQ(ini.readString("MainForm", "menu0", ""), sj("C:\\献立\\表.nvu"));
  EXPECT_EQ(ini.readInteger(" DATA ", " gunColor6 ", 0), 4118777);
  EXPECT_EQ(ini.readInteger(sj("冷蔵庫"), "ileft", 0), 10);  // last line, no line end
  EXPECT_EQ(ini.readInteger("Data", "GunColor2", 16711935), 16711935);
  EXPECT_EQ(ini.readString("Nothing", "Left", "def"), "def");
  EXPECT_EQ(ini.readString("Data", "; group six", "def"), "def");  // comments are no keys
  EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"MainForm", "Data", sj("冷蔵庫")}));
  EXPECT_EQ(ini.keyNames("data"), (std::vector<std::string>{"GunColor1", "GunColor6"}));
  // Untouched, the file comes back byte for byte (plus the missing last line end).
  EXPECT_EQ(ini.bytes(), classicFile() + "\r\n");
}

TEST(Ini, NeverFoldsTheSecondByteOfACharacter) {
  nv::Ini ini;
  // ア is 83 41 and ヂ is 83 61: folding their second bytes as letters would merge them.
  // ゾ is 83 5D: its second byte is ']' and must not end the section name.
  ini.parse("[" + sj("ゾ") + "]\r\n" + sj("ア") + "=1\r\n" + sj("ヂ") + "=2\r\n");
  EXPECT_EQ(ini.sectionNames(), std::vector<std::string>{sj("ゾ")});
  EXPECT_EQ(ini.readInteger(sj("ゾ"), sj("ア"), 0), 1);
  EXPECT_EQ(ini.readInteger(sj("ゾ"), sj("ヂ"), 0), 2);
  EXPECT_TRUE(nv::iniNamesEqual(sj("ゾa"), sj("ゾA")));
  EXPECT_FALSE(nv::iniNamesEqual(sj("アx"), sj("ヂx")));
  // A section name ending in ゾ can be written and read back.
  EXPECT_TRUE(ini.writeString(sj("ゾ") + "2", "k", "v"));
  EXPECT_EQ(ini.readString(sj("ゾ") + "2", "K", ""), "v");
}

TEST(Ini, ReadsIntegersAsTheProfileCallsDo) {
  nv::Ini ini;
  ini.parse(
      "[N]\r\na=12px\r\nb=-7\r\nc=+3\r\nd=abc\r\ne=\r\nf=\"42\"\r\ng=99999999999\r\n"
      "h=-99999999999\r\ni= 0x10\r\nj=1 2\r\n");
  EXPECT_EQ(ini.readInteger("N", "a", 5), 12);
  EXPECT_EQ(ini.readInteger("N", "b", 5), -7);
  EXPECT_EQ(ini.readInteger("N", "c", 5), 3);
  EXPECT_EQ(ini.readInteger("N", "d", 5), 0);  // not a number
  EXPECT_EQ(ini.readInteger("N", "e", 5), 5);  // empty value: the default
  EXPECT_EQ(ini.readInteger("N", "f", 5), 42);
  EXPECT_EQ(ini.readInteger("N", "g", 5), 2147483647);
  EXPECT_EQ(ini.readInteger("N", "h", 5), -2147483647 - 1);
  EXPECT_EQ(ini.readInteger("N", "i", 5), 0);
  EXPECT_EQ(ini.readInteger("N", "j", 5), 1);
  EXPECT_EQ(ini.readString("N", "e", "x"), "");  // an empty value is a value
  EXPECT_TRUE(ini.readBool("N", "a", false));
  EXPECT_FALSE(ini.readBool("N", "d", true));
  EXPECT_TRUE(ini.readBool("N", "missing", true));
}

TEST(Ini, QuotesAndDuplicatesReadAsTheProfileCallsDo) {
  nv::Ini ini;
  ini.parse("[S]\r\nq='a b'\r\nr=\"half\r\nk=first\r\nK=second\r\n[s]\r\nk=third\r\nz=1\r\n");
  EXPECT_EQ(ini.readString("S", "q", ""), "a b");
  EXPECT_EQ(ini.readString("S", "r", ""), "\"half");
  EXPECT_EQ(ini.readString("S", "k", ""), "first");
  EXPECT_EQ(ini.readString("S", "z", "none"), "none");  // only the first [S] counts
  EXPECT_EQ(ini.keyNames("S"), (std::vector<std::string>{"q", "r", "k"}));
  EXPECT_EQ(ini.sectionNames(), std::vector<std::string>{"S"});
}

TEST(Ini, ValuesWithOuterBlanksOrQuotesSurviveAWriteAndRead) {
  nv::Ini ini;
  const std::string values[] = {
      sj(" 献立/ごはん.nvu"), "/tmp/menu.nvu ", "\tx\t", "'a'", "\"q\"", "plain"};
  int i = 0;
  for (const std::string& v : values)
    ASSERT_TRUE(ini.writeString("Recent", "Menu" + std::to_string(i++), v));
  nv::Ini back;
  back.parse(ini.bytes());
  i = 0;
  for (const std::string& v : values)
    EXPECT_EQ(back.readString("Recent", "Menu" + std::to_string(i++), ""), v);
  EXPECT_NE(ini.bytes().find("Menu5=plain\r\n"), std::string::npos);  // unquoted when not needed
}

TEST(Ini, WritesInPlaceAppendsAndKeepsEverythingElse) {
  nv::Ini ini;
  ini.parse(classicFile());
  EXPECT_TRUE(ini.writeInteger("data", "gunColor1", 65535));    // changed in place
  EXPECT_TRUE(ini.writeInteger("Data", "GunColor0", -1));       // end of its section
  EXPECT_TRUE(ini.writeString("MainForm", "Menu1", sj("表")));  // before the blank line
  EXPECT_TRUE(ini.writeString("Onigiri", "Left", " 402 "));     // new section at the end
  EXPECT_TRUE(ini.deleteKey("MAINFORM", "left"));
  EXPECT_EQ(
      ini.bytes(),
      crlfLines({"; settings", "[MainForm]", "MenuCount=2", "Menu0=" + sj("C:\\献立\\表.nvu"),
                 "Menu1=" + sj("表"), "", "[Data]", "GunColor1=65535", "; group six",
                 "GunColor6 =\t4118777  ", "GunColor0=-1", "", "[" + sj("冷蔵庫") + "]", "iLeft=10",
                 "[Onigiri]", "Left=\" 402 \""}));  // quoted, so its blanks survive
  EXPECT_EQ(ini.readInteger("Onigiri", "Left", 0), 402);

  EXPECT_TRUE(ini.eraseSection("data"));
  EXPECT_FALSE(ini.hasSection("Data"));
  EXPECT_EQ(ini.readInteger("Data", "GunColor1", 7), 7);
  EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"MainForm", sj("冷蔵庫"), "Onigiri"}));
}

TEST(Ini, RefusesNamesAndValuesThatWouldBreakTheFile) {
  nv::Ini ini;
  ini.parse("[A]\r\nk=1\r\n");
  EXPECT_FALSE(ini.writeString("", "k", "v"));
  EXPECT_FALSE(ini.writeString("B]", "k", "v"));
  EXPECT_FALSE(ini.writeString("B\r\n[C", "k", "v"));
  EXPECT_FALSE(ini.writeString("B\x83", "k", "v"));  // a cut character would eat the "]"
  EXPECT_FALSE(ini.writeString("A", "", "v"));
  EXPECT_FALSE(ini.writeString("A", "a=b", "v"));
  EXPECT_FALSE(ini.writeString("A", ";c", "v"));
  EXPECT_FALSE(ini.writeString("A", "[C]", "v"));
  // A value cannot smuggle a section or key into the file.
  EXPECT_TRUE(ini.writeString("A", "k", "2\r\n[Evil]\r\nx=1"));
  EXPECT_EQ(ini.bytes(), "[A]\r\nk=2\r\n");
  EXPECT_EQ(ini.sectionNames(), std::vector<std::string>{"A"});
}

TEST(Ini, LoadsAndSavesFilesAtomically) {
  nvtest::TempDir dir;
  const std::string path = dir.file("NV.ini");
  nv::Ini ini;
  EXPECT_TRUE(ini.load(path));  // missing: empty, created by save
  EXPECT_TRUE(ini.sectionNames().empty());
  EXPECT_TRUE(ini.writeInteger("Data", "GunColor3", 48384));
  EXPECT_TRUE(ini.modified());
  EXPECT_TRUE(ini.save());
  EXPECT_FALSE(ini.modified());
  EXPECT_EQ(nvtest::readBytes(path), "[Data]\r\nGunColor3=48384\r\n");

  nvtest::writeBytes(path, "[Data]\nGunColor3=1\n");  // LF-only lines read too
  nv::Ini autoSaved(path);
  EXPECT_EQ(autoSaved.readInteger("Data", "GunColor3", 0), 1);
  autoSaved.setAutoSave(true);
  EXPECT_TRUE(autoSaved.writeInteger("Data", "GunColor4", 7995257));
  EXPECT_EQ(nvtest::readBytes(path), "[Data]\r\nGunColor3=1\r\nGunColor4=7995257\r\n");
  autoSaved.setPath(dir.file("no-such-folder/NV.ini"));
  EXPECT_FALSE(autoSaved.writeInteger("Data", "GunColor4", 1));  // the failed save is reported

  nv::Ini noPath;
  EXPECT_FALSE(noPath.save());
}
