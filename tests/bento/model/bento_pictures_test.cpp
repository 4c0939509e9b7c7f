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

}  // namespace
