#include "teacher/model/bmp_image.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace nv {
namespace {

void put16(std::string& out, uint32_t v) {
  out += char(v & 0xFF);
  out += char((v >> 8) & 0xFF);
}
void put32(std::string& out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

void fileHeader(std::string& out, uint32_t fileSize, uint32_t offset) {
  out += "BM";
  put32(out, fileSize);
  put32(out, 0);
  put32(out, offset);
}

void infoHeader(std::string& out, const RgbImage& im, int bits, uint32_t imageSize,
                uint32_t colours) {
  put32(out, 40);
  put32(out, uint32_t(im.width));
  put32(out, uint32_t(im.height));  // bottom-up
  put16(out, 1);
  put16(out, uint32_t(bits));
  put32(out, 0);  // uncompressed
  put32(out, imageSize);
  put32(out, 3780);  // 96 dpi
  put32(out, 3780);
  put32(out, colours);
  put32(out, 0);
}

// Median cut: boxes of colours split at the median of their widest channel.
struct Box {
  std::vector<uint32_t> colours;  // 0xRRGGBB, one entry per distinct colour weighted below
  std::vector<uint32_t> counts;
};

std::vector<uint32_t> medianCutPalette(const RgbImage& im) {
  // Colours at 5 bits a channel keep the histogram small; the palette entry is the weighted
  // mean of the full colours of its box.
  std::vector<uint32_t> histogram(32768, 0);
  std::vector<std::array<uint64_t, 3>> sums(32768, {0, 0, 0});
  const size_t n = size_t(im.width) * size_t(im.height);
  for (size_t i = 0; i < n; ++i) {
    const uint8_t* p = &im.rgb[i * 3];
    const uint32_t key = uint32_t(p[0] >> 3) << 10 | uint32_t(p[1] >> 3) << 5 | (p[2] >> 3);
    ++histogram[key];
    sums[key][0] += p[0];
    sums[key][1] += p[1];
    sums[key][2] += p[2];
  }
  std::vector<std::vector<uint32_t>> boxes(1);
  for (uint32_t k = 0; k < 32768; ++k)
    if (histogram[k]) boxes[0].push_back(k);
  auto channel = [](uint32_t key, int c) { return (key >> (10 - 5 * c)) & 31; };
  while (boxes.size() < 256) {
    // Split the box with the most pixels among those that hold more than one colour.
    size_t best = boxes.size();
    uint64_t bestPixels = 0;
    for (size_t b = 0; b < boxes.size(); ++b) {
      if (boxes[b].size() < 2) continue;
      uint64_t pixels = 0;
      for (uint32_t k : boxes[b]) pixels += histogram[k];
      if (pixels > bestPixels) bestPixels = pixels, best = b;
    }
    if (best == boxes.size()) break;
    std::vector<uint32_t>& box = boxes[best];
    int widest = 0;
    uint32_t widestRange = 0;
    for (int c = 0; c < 3; ++c) {
      uint32_t lo = 31, hi = 0;
      for (uint32_t k : box) lo = std::min(lo, channel(k, c)), hi = std::max(hi, channel(k, c));
      if (hi - lo >= widestRange) widestRange = hi - lo, widest = c;
    }
    std::sort(box.begin(), box.end(),
              [&](uint32_t a, uint32_t b) { return channel(a, widest) < channel(b, widest); });
    uint64_t half = bestPixels / 2, seen = 0;
    size_t cut = 1;
    for (size_t i = 0; i + 1 < box.size(); ++i) {
      seen += histogram[box[i]];
      cut = i + 1;
      if (seen >= half) break;
    }
    std::vector<uint32_t> upper(box.begin() + std::ptrdiff_t(cut), box.end());
    box.resize(cut);
    boxes.push_back(std::move(upper));
  }
  std::vector<uint32_t> palette;
  for (const std::vector<uint32_t>& box : boxes) {
    uint64_t count = 0, r = 0, g = 0, b = 0;
    for (uint32_t k : box) {
      count += histogram[k];
      r += sums[k][0];
      g += sums[k][1];
      b += sums[k][2];
    }
    if (!count) continue;
    palette.push_back(uint32_t((r + count / 2) / count) << 16 |
                      uint32_t((g + count / 2) / count) << 8 | uint32_t((b + count / 2) / count));
  }
  if (palette.empty()) palette.push_back(0);
  return palette;
}

}  // namespace

std::string writeBmp24(const RgbImage& im) {
  const uint32_t stride = (uint32_t(im.width) * 3 + 3) & ~3u;
  const uint32_t imageSize = stride * uint32_t(im.height);
  std::string out;
  out.reserve(54 + imageSize);
  fileHeader(out, 54 + imageSize, 54);
  infoHeader(out, im, 24, imageSize, 0);
  for (int y = im.height - 1; y >= 0; --y) {
    const uint8_t* p = &im.rgb[size_t(y) * size_t(im.width) * 3];
    for (int x = 0; x < im.width; ++x, p += 3) {
      out += char(p[2]);
      out += char(p[1]);
      out += char(p[0]);
    }
    out.append(stride - uint32_t(im.width) * 3, '\0');
  }
  return out;
}

std::string writeBmp8(const RgbImage& im) {
  const std::vector<uint32_t> palette = medianCutPalette(im);
  // Nearest palette entry per 5-bit colour cell, found once per cell the picture uses.
  std::vector<int16_t> nearest(32768, -1);
  auto lookup = [&](const uint8_t* p) {
    const uint32_t key = uint32_t(p[0] >> 3) << 10 | uint32_t(p[1] >> 3) << 5 | (p[2] >> 3);
    if (nearest[key] < 0) {
      const int r = int(p[0] >> 3) * 8 + 4, g = int(p[1] >> 3) * 8 + 4, b = int(p[2] >> 3) * 8 + 4;
      int best = 0, bestDistance = 1 << 30;
      for (size_t i = 0; i < palette.size(); ++i) {
        const int dr = int(palette[i] >> 16) - r, dg = int((palette[i] >> 8) & 255) - g,
                  db = int(palette[i] & 255) - b;
        const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDistance) bestDistance = d, best = int(i);
      }
      nearest[key] = int16_t(best);
    }
    return char(nearest[key]);
  };
  const uint32_t stride = (uint32_t(im.width) + 3) & ~3u;
  const uint32_t imageSize = stride * uint32_t(im.height);
  const uint32_t offset = 54 + 256 * 4;
  std::string out;
  out.reserve(offset + imageSize);
  fileHeader(out, offset + imageSize, offset);
  infoHeader(out, im, 8, imageSize, 256);
  for (size_t i = 0; i < 256; ++i) {
    const uint32_t c = i < palette.size() ? palette[i] : 0;
    out += char(c & 255);
    out += char((c >> 8) & 255);
    out += char(c >> 16);
    out += '\0';
  }
  for (int y = im.height - 1; y >= 0; --y) {
    const uint8_t* p = &im.rgb[size_t(y) * size_t(im.width) * 3];
    for (int x = 0; x < im.width; ++x, p += 3) out += lookup(p);
    out.append(stride - uint32_t(im.width), '\0');
  }
  return out;
}

RgbImage resample(const RgbImage& src, int width, int height) {
  RgbImage out;
  out.width = std::max(1, width);
  out.height = std::max(1, height);
  out.rgb.assign(size_t(out.width) * size_t(out.height) * 3, 0);
  if (src.width <= 0 || src.height <= 0) return out;
  const double sx = double(src.width) / out.width, sy = double(src.height) / out.height;
  for (int y = 0; y < out.height; ++y) {
    const double y0 = y * sy, y1 = y0 + sy;
    for (int x = 0; x < out.width; ++x) {
      const double x0 = x * sx, x1 = x0 + sx;
      double acc[3] = {0, 0, 0}, area = 0;
      for (int yy = int(y0); yy < src.height && yy < y1; ++yy) {
        const double wy = std::min(y1, yy + 1.0) - std::max(y0, double(yy));
        if (wy <= 0) continue;
        for (int xx = int(x0); xx < src.width && xx < x1; ++xx) {
          const double wx = std::min(x1, xx + 1.0) - std::max(x0, double(xx));
          if (wx <= 0) continue;
          const uint8_t* p = &src.rgb[(size_t(yy) * size_t(src.width) + size_t(xx)) * 3];
          const double w = wx * wy;
          acc[0] += p[0] * w, acc[1] += p[1] * w, acc[2] += p[2] * w;
          area += w;
        }
      }
      uint8_t* o = &out.rgb[(size_t(y) * size_t(out.width) + size_t(x)) * 3];
      if (area > 0)
        for (int c = 0; c < 3; ++c) o[c] = uint8_t(std::clamp(acc[c] / area + 0.5, 0.0, 255.0));
    }
  }
  return out;
}

}  // namespace nv
