#include "teacher/model/reizouko_preview.h"

#include <gtest/gtest.h>

#include "platform/text.h"

TEST(ReizoukoPreview, RectanglesFollowTheWindowAndTheCaptionNamesThemAll) {
  // Each axis on its own, truncated; a zero design side leaves its axis alone.
  EXPECT_EQ(nv::scalePreviewRect({20, 10, 180, 90}, {200, 100}, {300, 150}),
            (nv::KRect{30, 15, 270, 135}));
  EXPECT_EQ(nv::scalePreviewRect({7, 7, 9, 9}, {3, 0}, {2, 50}), (nv::KRect{4, 7, 6, 9}));

  const std::string caption =
      nv::previewCaption(nv::sj("冷蔵庫"), {601, -1, 1025, 483}, 12, 34,
                         {{{}, 5, {98, 7, 315, 378}}, {nv::sj("扉"), 2, {2, 26, 100, 348}}});
  EXPECT_EQ(nv::cp932ToUtf8(caption),
            "冷蔵庫 5種類 L=601 T=-1 W=424 H=484 (12,34) L=98 T=7 W=217 H=371 "
            "扉 2種類 L=2 T=26 W=98 H=322");
}
