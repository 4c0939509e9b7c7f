// The one bitmap reader: every kind it reads, every damage it refuses, and the header check
// that the kitchen's layout shares with it. The JPEG reader's bound on progressive scans.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "bento/model/bmp_size.h"
#include "bento/model/jpeg_picture.h"
#include "byte_builder.h"
#include "platform/bmp_reader.h"
#include "progressive_jpeg.h"

using nvtest::Bytes;

namespace {

constexpr uint32_t K = 0x000000, R = 0xFF0000, G = 0x00FF00, B = 0x0000FF, W = 0xFFFFFF;

struct Bmp {
  uint32_t header = 40;
  int32_t width = 1, height = 1;
  uint16_t bits = 24;
  uint32_t compression = 0;
  std::vector<uint32_t> palette = {};
  std::string pixels = {};
  std::string masks = {};  // bit fields after the header

  std::string bytes() const {
    const size_t entry = header == 12 ? 3 : 4;
    const uint32_t offset = uint32_t(14 + header + masks.size() + palette.size() * entry);
    Bytes b;
    b.raw("BM").u32(uint32_t(offset + pixels.size())).u32(0).u32(offset).u32(header);
    if (header == 12) {
      b.u16(uint16_t(width)).u16(uint16_t(height)).u16(1).u16(bits);
    } else {
      b.i32(width).i32(height).u16(1).u16(bits).u32(compression).u32(uint32_t(pixels.size()));
      b.u32(0).u32(0).u32(uint32_t(palette.size())).u32(0);
    }
    b.raw(masks);
    for (uint32_t c : palette) {
      b.u8(uint8_t(c)).u8(uint8_t(c >> 8)).u8(uint8_t(c >> 16));
      if (entry == 4) b.u8(0);
    }
    return b.raw(pixels).str();
  }
};

std::string raw(std::initializer_list<int> bytes) {
  std::string s;
  for (int v : bytes) s += char(v);
  return s;
}

std::vector<uint32_t> pixelsOf(const nv::RgbPicture& p) {
  std::vector<uint32_t> out;
  for (size_t i = 0; i + 2 < p.rgb.size(); i += 3)
    out.push_back(uint32_t(p.rgb[i]) << 16 | uint32_t(p.rgb[i + 1]) << 8 | p.rgb[i + 2]);
  return out;
}

}  // namespace

TEST(JpegPicture, ScansTimesPixelsAreBounded) {
  nv::RgbPicture out;
  std::string error;
  // Small pictures may have many scans (not more than 500).
  ASSERT_TRUE(nv::decodeJpeg(nvtest::progressiveGreyJpeg(64, 64, 480), out, error)) << error;
  // 1600 x 1600 in 480 scans: each scan a pass over 2.56 M pixels is too much work.
  const std::string many = nvtest::progressiveGreyJpeg(1600, 1600, 480);
  const auto t0 = std::chrono::steady_clock::now();
  EXPECT_FALSE(nv::decodeJpeg(many, out, error));
  EXPECT_NE(error.find("scans are too many for 1600x1600"), std::string::npos) << error;
  EXPECT_TRUE(out.rgb.empty());
  std::printf("refused after %.2f s\n",
              std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
  ASSERT_TRUE(nv::decodeJpeg(nvtest::progressiveGreyJpeg(1600, 1600, 60), out, error)) << error;
  EXPECT_EQ(out.width, 1600);
}

TEST(BmpReader, EveryKindAndEveryDamage) {
  const std::vector<uint32_t> rgbk = {K, R, G, B};
  Bmp rle8{.width = 4, .height = 3, .bits = 8, .compression = 1, .palette = rgbk};
  // Bottom row: a run of red, the last pixel left unset. Middle: a literal run. Top: a move
  // right, then a run cut at the right edge, then the end mark.
  rle8.pixels = raw({3, 1, 0, 0, 0, 4, 2, 3, 2, 3, 0, 0, 0, 2, 1, 0, 5, 2, 0, 1});
  Bmp rle4{.width = 3, .height = 2, .bits = 4, .compression = 2, .palette = rgbk};
  rle4.pixels = raw({3, 0x12, 0, 0, 0, 3, 0x31, 0x20, 0, 1});
  Bmp rleCut = rle8;
  rleCut.pixels = raw({3, 1, 0, 0});
  Bmp rleTopDown = rle8;
  rleTopDown.height = -3;
  Bmp rleWrongDepth = rle8;
  rleWrongDepth.bits = 4;
  Bmp jpegInside{.compression = 4, .pixels = "\xFF\xD8"};
  // The old core header holds unsigned sizes: 0x8001 rows, bottom-up, the bottom one white.
  Bmp coreTall{.header = 12, .height = 0x8001, .bits = 1, .palette = {K, W}};
  coreTall.pixels = raw({0x80, 0, 0, 0}) + std::string(size_t(0x8000) * 4, '\0');
  Bmp bomb1bit{.width = 32768, .height = 8192, .bits = 1, .palette = {K, W}};
  Bmp bomb24{.width = 20000, .height = 20000};
  Bmp fields565{.bits = 16, .compression = 3, .pixels = raw({0x00, 0xF8, 0, 0})};
  fields565.masks = Bytes().u32(0xF800).u32(0x07E0).u32(0x001F).str();
  Bmp topDown24{.width = 1, .height = -2, .pixels = raw({0, 0, 255, 0, 0, 255, 0, 0})};
  Bmp cutRows = topDown24;
  cutRows.pixels.resize(6);
  Bmp noWidth{.width = 0};

  struct Case {
    const char* what;
    std::string bytes;
    nv::BmpStatus status;
    int width = 0, height = 0;
    std::vector<uint32_t> pixels = {};
  };
  using S = nv::BmpStatus;
  const std::vector<Case> cases = {
      {"rle8", rle8.bytes(), S::Ok, 4, 3, {K, G, G, G, G, B, G, B, R, R, R, K}},
      {"rle4", rle4.bytes(), S::Ok, 3, 2, {B, R, G, R, G, R}},
      {"rle cut short", rleCut.bytes(), S::Damaged},
      {"rle top-down", rleTopDown.bytes(), S::Damaged},
      {"rle8 of 4 bits", rleWrongDepth.bytes(), S::Unsupported},
      {"jpeg inside", jpegInside.bytes(), S::Unsupported},
      {"core 0x8001 high", coreTall.bytes(), S::Ok, 1, 0x8001},
      {"1-bit bomb", bomb1bit.bytes(), S::TooLarge},
      {"24-bit bomb", bomb24.bytes(), S::TooLarge},
      {"bit fields 565", fields565.bytes(), S::Ok, 1, 1, {R}},
      {"top-down", topDown24.bytes(), S::Ok, 1, 2, {R, G}},
      {"rows cut short", cutRows.bytes(), S::Damaged},
      {"no width", noWidth.bytes(), S::Damaged},
      {"no bitmap", "GIF89a" + std::string(40, '\0'), S::NotBitmap},
      {"header only", "BM", S::NotBitmap},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    nv::RgbPicture p;
    EXPECT_EQ(nv::readBmp(c.bytes, p), c.status);
    EXPECT_EQ(p.width, c.width);
    EXPECT_EQ(p.height, c.height);
    if (!c.pixels.empty()) {
      EXPECT_EQ(pixelsOf(p), c.pixels);
    }
    // The layout's size from the first 26 bytes agrees with the reader.
    const nv::KSize size = nv::bmpSizeOfBytes(c.bytes.substr(0, 26));
    if (c.status == S::Ok) {
      EXPECT_EQ(size, (nv::KSize{c.width, c.height}));
    } else if (c.status == S::TooLarge || c.status == S::NotBitmap) {
      EXPECT_EQ(size, nv::KSize{});
    }
  }
  nv::RgbPicture tall;
  ASSERT_EQ(nv::readBmp(coreTall.bytes(), tall), S::Ok);
  EXPECT_EQ(tall.rgb.back(), 255);  // the first row of the file is the bottom one
  EXPECT_EQ(tall.rgb.front(), 0);
}
