#include "bento/model/bento_pictures.h"

#include <gtest/gtest.h>

#include "platform/paths.h"
#include "platform/text.h"

using nv::sj;

namespace {

TEST(BentoPictures, NamesUnderTheirBaseFolders) {
  nv::setProgramFolder(sj("/opt/表"));
  EXPECT_EQ(nv::defaultBentoBmpFolder(), sj("/opt/表/bentou/"));
  EXPECT_EQ(nv::dishPicturePath(sj("/pics/"), sj("ソテー")), sj("/pics/ソテー.bmp"));
  EXPECT_EQ(nv::dishSmallPicturePath(sj("/pics"), sj("ソテー")), sj("/pics/ソテーs.bmp"));
  EXPECT_EQ(nv::dishExplanationPath(sj("ソテー")), sj("/opt/表/bentou/setumei/ソテー.jpg"));
  EXPECT_EQ(nv::fixedKitchenPicturePath(nv::FixedKitchenPicture::Coaster),
            sj("/opt/表/bentou/daidokoro/コースター.bmp"));
  EXPECT_EQ(nv::kitchenPicturePath(sj("/pics/"), nv::KitchenPicture::Refrigerator),
            sj("/pics/daidokoro/冷蔵庫２.bmp"));
  EXPECT_EQ(nv::kitchenPictureRelative(nv::KitchenPicture::Freezer), sj("daidokoro/冷蔵庫１.bmp"));
  EXPECT_EQ(nv::riceBallPicturePath(3, 1), sj("/opt/表/bentou/daidokoro/おにぎり0401.bmp"));
  EXPECT_EQ(nv::riceBallPicturePath(10, 2), sj("/opt/表/bentou/daidokoro/おなかがいっぱい02.bmp"));
  EXPECT_EQ(nv::riceBallPrintPicturePath(sj("/pics/"), 2), sj("/pics/daidokoro/おにぎり0302.bmp"));
  EXPECT_EQ(nv::riceBallPrintPicturePath(sj("/pics/"), 7), sj("/pics/daidokoro/おにぎり0102.bmp"));
  nv::setProgramFolder("");
}

TEST(BentoPictures, DishNamesFromFilesNeverLeaveThePictureFolder) {
  // 表 and ソ end in the byte of "\"; a name of their own is a picture name.
  for (const char* good : {"ソテー", "表", "ハム.チーズ", "1.5kg"})
    EXPECT_TRUE(nv::isPictureName(sj(good))) << good;
  for (std::string bad :
       {std::string("../../x"), std::string("daidokoro/./台所"), std::string("a\\b"),
        std::string(".."), std::string("x..y"), std::string(), std::string("a\0b", 3)}) {
    bad = sj(bad);
    EXPECT_FALSE(nv::isPictureName(bad)) << bad;
    EXPECT_EQ(nv::dishPicturePath("/pics/", bad), "");
    EXPECT_EQ(nv::dishSmallPicturePath("/pics/", bad), "");
    EXPECT_EQ(nv::dishExplanationPath(bad), "");
  }
}

}  // namespace
