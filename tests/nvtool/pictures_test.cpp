// nvtool pictures: converted files on stdout, skipped ones on stderr with status 1.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "memory_limit.h"
#include "teacher/model/bmp_image.h"
#include "temp_dir.h"

namespace {

struct ToolRun {
  int status = -1;
  std::string out, err;
};

ToolRun runPictures(const nvtest::TempDir& dir, const std::string& args,
                    const std::string& prefix = "") {
  std::string out = dir.file("out.txt"), err = dir.file("err.txt");
  std::string cmd =
      prefix + "'" + NV_TOOL_PATH + "' pictures " + args + " >'" + out + "' 2>'" + err + "'";
  int raw = std::system(cmd.c_str());
  ToolRun r;
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = nvtest::readBytes(out);
  r.err = nvtest::readBytes(err);
  return r;
}

nv::RgbImage grey(int w, int h) {
  nv::RgbImage im;
  im.width = w;
  im.height = h;
  im.rgb.assign(size_t(w * h * 3), 128);
  return im;
}

}  // namespace

TEST(NvtoolPictures, ShrinksWithTheGivenSizesAndNamesWhatItSkipped) {
  nvtest::TempDir dir, src, dst;
  nvtest::writeBytes(src.file("いちご.bmp"), nv::writeBmp24(grey(400, 200)));
  nvtest::writeBytes(src.file("zz.bmp"), "broken");
  ToolRun r = runPictures(
      dir, "'" + src.path() + "' '" + dst.path() + "' --shrink --icon 64 --font 6 --dpi 96");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "いちご.bmp\treduced\n");
  EXPECT_EQ(r.err, "nvtool: skipped zz.bmp: not a bitmap it can read\n");
  std::optional<nv::RgbImage> im = nv::readBmp(nvtest::readBytes(dst.file("いちご.bmp")));
  ASSERT_TRUE(im);
  EXPECT_EQ(im->width, 52);  // 64 - 6 x 96 / 72 - 4
  EXPECT_EQ(im->height, 26);

  r = runPictures(dir, "'" + src.path() + "' '" + dst.path() + "'");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "zz.bmp\tcopied\nいちご.bmp\treduced\n");  // Latin names sort first
  EXPECT_EQ(runPictures(dir, "'" + src.path() + "' '" + dst.path() + "' --icon x").status, 2);
  // Past the dialog's sizes a one-pixel picture would grow to gigabytes (60000 x 60000).
  EXPECT_EQ(runPictures(dir, "'" + src.path() + "' '" + dst.path() + "' --shrink --icon 60000",
                        nvtest::memoryLimitPrefix(900))
                .status,
            2);
  EXPECT_EQ(runPictures(dir, "'" + src.path() + "' '" + dst.file("none") + "'").status, 1);
}

TEST(NvtoolPictures, APictureBombIsSkippedWithItsReasonUnderAMemoryLimit) {
  // 33.5 MB of 1-bit pixels, 32768 x 8192: once 805 MB decoded and an abort under 900 MB.
  nvtest::TempDir dir, src, dst;
  std::string bomb = nv::writeBmp24(grey(1, 1));
  const uint32_t w = 32768, h = 8192, stride = w / 8, offset = 54 + 8;
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) bomb[at + size_t(i)] = char((v >> (8 * i)) & 0xFF);
  };
  bomb.resize(offset);
  put32(2, offset + stride * h);
  put32(10, offset);
  put32(18, w);
  put32(22, h);
  bomb[28] = 1;  // bits a pixel
  put32(46, 2);  // two colours
  bomb.append(size_t(stride) * h, '\x55');
  nvtest::writeBytes(src.file("bomb.bmp"), bomb);
  nvtest::writeBytes(src.file("ok.bmp"), nv::writeBmp24(grey(8, 8)));
  const ToolRun r = runPictures(dir, "'" + src.path() + "' '" + dst.path() + "' --shrink",
                                nvtest::memoryLimitPrefix(900));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "ok.bmp\treduced\n");
  EXPECT_EQ(r.err, "nvtool: skipped bomb.bmp: too large\n");
}
