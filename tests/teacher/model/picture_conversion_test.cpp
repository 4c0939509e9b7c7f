#include "teacher/model/picture_conversion.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/files.h"
#include "platform/paths.h"
#include "teacher/model/bmp_image.h"
#include "temp_dir.h"

namespace {

// A picture with a colour per quadrant, so orientation and channel order show.
nv::RgbImage quadrants(int w, int h) {
  nv::RgbImage im;
  im.width = w;
  im.height = h;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool right = x >= w / 2, bottom = y >= h / 2;
      const uint8_t c[3] = {uint8_t(right ? 200 : 10), uint8_t(bottom ? 150 : 20),
                            uint8_t(right && bottom ? 255 : 30)};
      im.rgb.insert(im.rgb.end(), c, c + 3);
    }
  return im;
}

uint32_t le32(const std::string& b, size_t at) {
  return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 |
         uint32_t(uint8_t(b[at + 2])) << 16 | uint32_t(uint8_t(b[at + 3])) << 24;
}

}  // namespace

TEST(PictureConversion, ShrinkLimitAndSize) {
  EXPECT_EQ(nv::shrinkLimit(128, 9, 96), 112);
  const nv::PictureSize s = nv::shrunkSize(400, 200, 112);
  EXPECT_EQ(s.width, 112);
  EXPECT_EQ(s.height, 56);
  EXPECT_EQ(nv::shrunkSize(50, 100, 112).height, 112);  // small pictures grow to the limit
  EXPECT_EQ(nv::shrunkSize(1000, 2, 112).height, 1);    // never 0 pixels
  EXPECT_EQ(nv::shrinkLimit(16, 64, 96), 1);            // a font larger than the icon
}

TEST(BmpImage, RoundTripsAndReducedDepth) {
  const nv::RgbImage im = quadrants(7, 5);  // odd width: row padding
  const std::string b24 = nv::writeBmp24(im);
  std::optional<nv::RgbImage> back = nv::readBmp(b24);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->rgb, im.rgb);

  const std::string b8 = nv::writeBmp8(im);
  EXPECT_EQ(uint8_t(b8[28]), 8);  // bits a pixel
  EXPECT_EQ(b8.size(), 54u + 1024u + 8u * 5u);
  back = nv::readBmp(b8);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->rgb, im.rgb);  // four colours survive exactly

  // A gradient of more than 256 colours stays close.
  nv::RgbImage grad;
  grad.width = 64;
  grad.height = 64;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      grad.rgb.insert(grad.rgb.end(), {uint8_t(x * 4), uint8_t(y * 4), uint8_t((x + y) * 2)});
  back = nv::readBmp(nv::writeBmp8(grad));
  ASSERT_TRUE(back);
  double error = 0;
  for (size_t i = 0; i < grad.rgb.size(); ++i) error += std::abs(back->rgb[i] - grad.rgb[i]);
  EXPECT_LT(error / double(grad.rgb.size()), 6.0);
}

TEST(BmpImage, ReadsPaletteAndTopDownKindsAndRejectsDamage) {
  // 1-bit, 2 x 2, top-down (negative height): palette black, white; rows "10", "01".
  std::string b = "BM";
  auto put32 = [&](uint32_t v) {
    for (int i = 0; i < 4; ++i) b += char((v >> (8 * i)) & 255);
  };
  auto put16 = [&](uint32_t v) {
    b += char(v & 255);
    b += char(v >> 8);
  };
  put32(14 + 40 + 8 + 8);
  put32(0);
  put32(14 + 40 + 8);
  put32(40);
  put32(2);
  put32(uint32_t(-2));
  put16(1);
  put16(1);
  for (int i = 0; i < 6; ++i) put32(0);
  put32(0);
  put32(0x00FFFFFF);
  put32(0x80);
  put32(0x40);
  std::optional<nv::RgbImage> im = nv::readBmp(b);
  ASSERT_TRUE(im);
  EXPECT_EQ(im->rgb[0], 255);  // top-left white
  EXPECT_EQ(im->rgb[3], 0);
  EXPECT_EQ(im->rgb[9], 255);  // bottom-right white

  EXPECT_FALSE(nv::readBmp(b.substr(0, b.size() - 1)));  // pixel rows cut short
  std::string huge = nv::writeBmp24(quadrants(2, 2));
  huge[18] = char(0xFF), huge[19] = char(0xFF), huge[20] = char(0xFF), huge[21] = 0x7F;
  EXPECT_FALSE(nv::readBmp(huge));
  std::string badOffset = nv::writeBmp24(quadrants(2, 2));
  badOffset[10] = char(0xFF), badOffset[11] = char(0xFF);
  EXPECT_FALSE(nv::readBmp(badOffset));
  std::string rle = nv::writeBmp24(quadrants(2, 2));
  rle[30] = 1;
  EXPECT_FALSE(nv::readBmp(rle));
  EXPECT_FALSE(nv::readBmp("BM"));
  EXPECT_EQ(le32(nv::writeBmp24(quadrants(3, 1)), 2), 54u + 12u);  // file size field
}

TEST(PictureConversion, FolderOfPicturesInNameOrder) {
  nvtest::TempDir src, dst;
  nvtest::writeBytes(src.file("b.bmp"), nv::writeBmp24(quadrants(400, 200)));
  nvtest::writeBytes(src.file("A.BMP"), nv::writeBmp24(quadrants(20, 40)));
  nvtest::writeBytes(src.file("bad.bmp"), "not a picture");
  nvtest::writeBytes(src.file("note.txt"), "text");
  std::filesystem::create_directory(nv::toFsPath(src.file("dir.bmp")));
  EXPECT_EQ(nv::bmpFilesIn(src.path()), (std::vector<std::string>{"A.BMP", "b.bmp", "bad.bmp"}));

  std::vector<std::string> seen;
  auto results = nv::convertPictures(src.path(), dst.path(), nv::PictureMode::Shrink, 112,
                                     [&](const std::string& n) { seen.push_back(n); });
  EXPECT_EQ(seen, nv::bmpFilesIn(src.path()));
  ASSERT_EQ(results.size(), 3u);
  EXPECT_EQ(results[1].how, nv::PictureResult::How::Reduced);
  EXPECT_EQ(results[2].how, nv::PictureResult::How::Skipped);
  EXPECT_FALSE(nv::fileExists(dst.file("bad.bmp")));
  std::optional<nv::RgbImage> b = nv::readBmp(nvtest::readBytes(dst.file("b.bmp")));
  ASSERT_TRUE(b);
  EXPECT_EQ(b->width, 112);
  EXPECT_EQ(b->height, 56);
  EXPECT_EQ(b->rgb[0], 10);  // top-left stays top-left
  EXPECT_EQ(nv::readBmp(nvtest::readBytes(dst.file("A.BMP")))->height, 112);

  // Unchanged: sizes kept, an unreadable file copied as it is.
  results = nv::convertPictures(src.path(), dst.path(), nv::PictureMode::Unchanged, 112);
  EXPECT_EQ(results[2].how, nv::PictureResult::How::Copied);
  EXPECT_EQ(nvtest::readBytes(dst.file("bad.bmp")), "not a picture");
  EXPECT_EQ(nv::readBmp(nvtest::readBytes(dst.file("b.bmp")))->width, 400);

  // A picture folder that does not exist: everything is skipped, nothing reported as done.
  results = nv::convertPictures(src.path(), dst.file("missing"), nv::PictureMode::Shrink, 112);
  for (const auto& r : results) EXPECT_EQ(r.how, nv::PictureResult::How::Skipped);
}

TEST(PictureConversion, SaysWhyEachPictureWasNotConverted) {
  nvtest::TempDir src, dst;
  // An 8-bit run-length picture of 2 x 1 (red, green) is read like any other.
  std::string rle = nv::writeBmp8(quadrants(2, 1));
  const char left = rle[54 + 1024], right = rle[54 + 1024 + 1];
  rle[30] = 1;  // RLE8: one pixel of each index, then the end mark
  rle.replace(54 + 1024, std::string::npos, {1, left, 1, right, 0, 1});
  nvtest::writeBytes(src.file("a-rle.bmp"), rle);
  std::string huge = nv::writeBmp24(quadrants(2, 2));  // claims 20000 x 20000
  huge[18] = char(0x20), huge[19] = char(0x4E), huge[22] = char(0x20), huge[23] = char(0x4E);
  nvtest::writeBytes(src.file("b-huge.bmp"), huge);
  nvtest::writeBytes(src.file("c-text.bmp"), "not a picture");
  nvtest::writeBytes(src.file("d-locked.bmp"), nv::writeBmp24(quadrants(4, 4)));
  nvtest::writeBytes(dst.file("d-locked.bmp"), "teacher's own");
  ::chmod(nv::toFsPath(dst.file("d-locked.bmp")).c_str(), 0444);

  using How = nv::PictureResult::How;
  using Why = nv::PictureResult::Why;
  auto results = nv::convertPictures(src.path(), dst.path(), nv::PictureMode::Shrink, 112);
  ASSERT_EQ(results.size(), 4u);
  const std::vector<std::pair<How, Why>> want = {{How::Reduced, Why::None},
                                                 {How::Skipped, Why::Size},
                                                 {How::Skipped, Why::Format},
                                                 {How::Skipped, Why::Unwritable}};
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(results[i].how, want[i].first) << results[i].name;
    EXPECT_EQ(results[i].why, want[i].second) << results[i].name;
  }
  EXPECT_EQ(nvtest::readBytes(dst.file("d-locked.bmp")), "teacher's own");
  EXPECT_STREQ(nv::pictureReasonText(Why::Size), "画像が大きすぎます");
  std::optional<nv::RgbImage> read = nv::readBmp(nvtest::readBytes(dst.file("a-rle.bmp")));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->rgb[0], 10);  // the left quadrant's red survives the shrink
}
