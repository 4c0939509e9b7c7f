#include "teacher/model/picture_rename.h"

#include <gtest/gtest.h>

#include "platform/paths.h"
#include "platform/text.h"
#include "scripted_prompt.h"
#include "temp_dir.h"

TEST(PictureRename, RenamesAndNeverOverwritesAnotherPicture) {
  nvtest::TempDir dir;
  nvtest::writeBytes(dir.file("からあげ.bmp"), "a");
  nvtest::writeBytes(dir.file("えびフライ.bmp"), "b");
  EXPECT_TRUE(nv::renamePicture(dir.path(), nv::sj("からあげ"), nv::sj("とりのからあげ")));
  EXPECT_EQ(nvtest::readBytes(dir.file("とりのからあげ.bmp")), "a");
  EXPECT_FALSE(nv::fileExists(dir.file("からあげ.bmp")));

  nvtest::ScriptedPrompt p;
  p.expectBox(nv::cp932ToUtf8(dir.file("えびフライ.bmp")), "この名前には変更できません",
              nv::Icon::Stop);
  EXPECT_FALSE(nv::renamePicture(dir.path(), nv::sj("とりのからあげ"), nv::sj("えびフライ")));
  EXPECT_EQ(nvtest::readBytes(dir.file("えびフライ.bmp")), "b");
  p.expectBox(nv::cp932ToUtf8(dir.file("ない.bmp")), "ファイルが見つかりません", nv::Icon::Stop);
  EXPECT_FALSE(nv::renamePicture(dir.path(), nv::sj("ない"), nv::sj("ある")));

  // The small picture goes along; a name whose small picture is taken is refused whole.
  nvtest::writeBytes(dir.file("とりのからあげs.bmp"), "as");
  nvtest::writeBytes(dir.file("ささみs.bmp"), "c");
  p.expectBox(nv::cp932ToUtf8(dir.file("ささみs.bmp")), "この名前には変更できません",
              nv::Icon::Stop);
  EXPECT_FALSE(nv::renamePicture(dir.path(), nv::sj("とりのからあげ"), nv::sj("ささみ")));
  EXPECT_TRUE(nv::fileExists(dir.file("とりのからあげ.bmp")));
  EXPECT_TRUE(nv::renamePicture(dir.path(), nv::sj("とりのからあげ"), nv::sj("からあげ")));
  EXPECT_EQ(nvtest::readBytes(dir.file("からあげ.bmp")), "a");
  EXPECT_EQ(nvtest::readBytes(dir.file("からあげs.bmp")), "as");
  EXPECT_FALSE(nv::fileExists(dir.file("とりのからあげs.bmp")));
}
