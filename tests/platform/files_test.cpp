#include "platform/files.h"

#include <gtest/gtest.h>

#include "byte_builder.h"
#include "platform/binio.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "temp_dir.h"

using nv::sj;

TEST(ByteReader, ReadsLittleEndianAndRefusesToOverrun) {
  nvtest::Bytes b;
  b.i32(-2).f64(12.5).raw("xy");
  nv::ByteReader r(b.str());
  int32_t i = 0;
  double d = 0;
  std::string_view v;
  ASSERT_TRUE(r.readInt32(i));
  ASSERT_TRUE(r.readDouble(d));
  EXPECT_EQ(i, -2);
  EXPECT_EQ(d, 12.5);
  EXPECT_FALSE(r.readInt32(i));
  EXPECT_FALSE(r.readBytes(3, v));
  EXPECT_EQ(r.remaining(), 2u);
  EXPECT_TRUE(r.canHold(1, 2));
  EXPECT_FALSE(r.canHold(2, 2));
  EXPECT_FALSE(r.canHold(-1, 2));
  EXPECT_FALSE(r.canHold(INT32_MAX, 176));
}

TEST(ByteWriter, FixedTextIsCutAndNulTerminated) {
  nv::ByteWriter w;
  w.fixedText("abcdef", 4);
  w.fixedText("", 3);
  EXPECT_EQ(w.data(), std::string("abc\0\0\0\0", 7));
  EXPECT_EQ(nv::fixedFieldText(std::string("ab\0cd", 5)), "ab");
  EXPECT_EQ(nv::fixedFieldText("abcd"), "abc");  // no NUL: the last byte is the terminator's place
}

TEST(TextLineReader, BehavesLikeTheClassicLineCallInTextMode) {
  nv::TextLineReader r("h1\r\nabc\nlonger-line\nlast", 6);
  std::string line;
  std::vector<std::string> got;
  while (r.next(line)) got.push_back(line);
  EXPECT_EQ(got, (std::vector<std::string>{"h1\n", "abc\n", "longe", "r-lin", "e\n", "last"}));
  EXPECT_EQ(r.position(), r.size());
}

TEST(Paths, SplitAndChangeExtensionNeverCutInsideACharacter) {
  std::string p = sj("/tmp/表/ソース.csv");
  EXPECT_EQ(nv::folderOf(p), sj("/tmp/表"));
  EXPECT_EQ(nv::fileNameOf(p), sj("ソース.csv"));
  EXPECT_EQ(nv::changeExtension(p, ".txt"), sj("/tmp/表/ソース.txt"));
  EXPECT_EQ(nv::changeExtension(sj("dir.x/name"), ".txt"), sj("dir.x/name.txt"));
  EXPECT_EQ(nv::joinPath("a/", "b"), "a/b");
  EXPECT_EQ(nv::toFsPath(sj("能力/表.csv")).string(), "能力/表.csv");
}

TEST(Files, AtomicWriteReplacesAndReadsBackJapanesePaths) {
  nvtest::TempDir dir;
  std::string path = dir.file("献立表.nv");
  ASSERT_TRUE(nv::writeFileAtomic(path, "first"));
  ASSERT_TRUE(nv::writeFileAtomic(path, std::string("se\0cond", 7)));
  EXPECT_EQ(nvtest::readBytes(path), std::string("se\0cond", 7));
  EXPECT_TRUE(nv::fileExists(path));
  EXPECT_FALSE(nv::writeFileAtomic(dir.file("no/such/folder.nv"), "x"));
  std::string out;
  EXPECT_FALSE(nv::readFile(dir.file("missing"), out));
}
