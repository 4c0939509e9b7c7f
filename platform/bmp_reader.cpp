#include "platform/bmp_reader.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <vector>

namespace nv {
namespace {

constexpr uint32_t kCoreHeader = 12;
constexpr uint32_t kInfoHeader = 40;
// No header of the format is larger; a bigger number is garbage.
constexpr uint32_t kMaxHeader = 4096;
constexpr uint32_t kPlain = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;
constexpr uint32_t kOpaque = 0xFF000000u;

uint32_t u16(std::string_view b, size_t at) {
  return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8;
}
uint32_t u32(std::string_view b, size_t at) { return u16(b, at) | u16(b, at + 2) << 16; }

// A channel given by a bit mask, scaled to 0..255.
struct Field {
  uint32_t mask = 0;
  int shift = 0;
  uint64_t max = 0;
  explicit Field(uint32_t m) : mask(m) {
    if (!m) return;
    while (!((m >> shift) & 1)) ++shift;
    max = m >> shift;
  }
  uint32_t get(uint32_t v) const {
    if (!max) return 0;
    return uint32_t(uint64_t((v & mask) >> shift) * 255 / max);
  }
};

struct Layout {
  BmpHeader h;
  uint32_t offset = 0;  // of the pixel data
  uint64_t stride = 0;  // bytes a row, uncompressed
  std::vector<uint32_t> palette;
  uint32_t masks[3] = {0, 0, 0};
};

BmpStatus readLayout(std::string_view b, Layout& l) {
  BmpStatus s = readBmpSize(b, l.h.width, l.h.height);
  if (s != BmpStatus::Ok) return s;
  const uint32_t headerSize = u32(b, 14);
  if (14 + uint64_t(headerSize) > b.size()) return BmpStatus::Damaged;
  uint32_t colours = 0;
  size_t paletteEntry = 4;
  if (headerSize == kCoreHeader) {
    l.h.bits = int(u16(b, 24));
    paletteEntry = 3;
  } else {
    l.h.bits = int(u16(b, 28));
    l.h.compression = u32(b, 30);
    colours = u32(b, 46);
    l.h.topDown = int32_t(u32(b, 22)) < 0;
  }
  const int bits = l.h.bits;
  switch (l.h.compression) {
    case kPlain:
      if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return BmpStatus::Unsupported;
      if (bits == 16) l.masks[0] = 0x7C00, l.masks[1] = 0x03E0, l.masks[2] = 0x001F;
      if (bits == 32) l.masks[0] = 0xFF0000, l.masks[1] = 0xFF00, l.masks[2] = 0xFF;
      break;
    case kRle8:
    case kRle4:
      // Run-length data is always stored bottom-up.
      if (bits != (l.h.compression == kRle8 ? 8 : 4)) return BmpStatus::Unsupported;
      if (l.h.topDown) return BmpStatus::Damaged;
      break;
    case kBitFields:
      // The masks follow a 40-byte header, or lie inside a larger one: the same bytes.
      if (bits != 16 && bits != 32) return BmpStatus::Unsupported;
      if (14 + 40 + 12 > b.size()) return BmpStatus::Damaged;
      for (int i = 0; i < 3; ++i) l.masks[i] = u32(b, 14 + 40 + size_t(i) * 4);
      break;
    default:
      return BmpStatus::Unsupported;
  }
  if (bits <= 8) {
    const uint32_t most = 1u << bits;
    if (colours == 0 || colours > most) colours = most;
    size_t at = 14 + headerSize;
    for (uint32_t i = 0; i < colours; ++i, at += paletteEntry) {
      if (at + 3 > b.size()) return BmpStatus::Damaged;
      l.palette.push_back(kOpaque | u16(b, at) | uint32_t(uint8_t(b[at + 2])) << 16);
    }
  }
  l.offset = u32(b, 10);
  if (l.offset < 14 + headerSize || l.offset >= b.size()) return BmpStatus::Damaged;
  if (l.h.compression == kPlain || l.h.compression == kBitFields) {
    l.stride = ((uint64_t(l.h.width) * uint64_t(bits) + 31) / 32) * 4;
    if (l.stride * uint64_t(l.h.height) > b.size() - l.offset) return BmpStatus::Damaged;
  }
  return BmpStatus::Ok;
}

uint32_t paletteColour(const std::vector<uint32_t>& palette, uint32_t index) {
  return index < palette.size() ? palette[index] : kOpaque;
}

BmpStatus decodePlain(std::string_view b, const Layout& l, const BmpRowSink& sink) {
  const int w = l.h.width, h = l.h.height, bits = l.h.bits;
  const Field red(l.masks[0]), green(l.masks[1]), blue(l.masks[2]);
  std::vector<uint32_t> row(static_cast<size_t>(w));
  for (int y = 0; y < h; ++y) {
    const size_t at = l.offset + size_t(l.stride) * size_t(l.h.topDown ? y : h - 1 - y);
    const std::string_view line = b.substr(at, size_t(l.stride));
    for (int x = 0; x < w; ++x) {
      uint32_t c;
      if (bits <= 8) {
        const uint64_t bit = uint64_t(x) * uint64_t(bits);
        const uint8_t byte = uint8_t(line[size_t(bit / 8)]);
        c = paletteColour(l.palette, (byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1));
      } else if (bits == 24) {
        const size_t at = size_t(x) * 3;
        c = kOpaque | u16(line, at) | uint32_t(uint8_t(line[at + 2])) << 16;
      } else {
        const uint32_t v = bits == 16 ? u16(line, size_t(x) * 2) : u32(line, size_t(x) * 4);
        c = kOpaque | red.get(v) << 16 | green.get(v) << 8 | blue.get(v);
      }
      row[size_t(x)] = c;
    }
    sink(y, row.data());
  }
  return BmpStatus::Ok;
}

// Run-length data, rows from the bottom: pairs (count, index) repeat an index (RLE4: two
// alternating ones); count 0 escapes to end of line (0), end of picture (1), a move right
// and up (2) or a literal run (3..255, padded to two bytes). Pixels no run sets keep index 0.
// Runs past the right edge are cut, never wrapped.
BmpStatus decodeRle(std::string_view b, const Layout& l, const BmpRowSink& sink) {
  const int w = l.h.width, h = l.h.height;
  const bool four = l.h.compression == kRle4;
  std::vector<uint8_t> indices(size_t(w) * size_t(h), 0);
  size_t p = l.offset;
  int x = 0, r = 0;
  auto pixel = [&](uint8_t index) {
    indices[size_t(r) * size_t(w) + size_t(x)] = index;
    ++x;
  };
  bool ended = false;
  while (!ended) {
    if (p + 2 > b.size()) {
      // Some writers leave out the last end mark; a picture cut short is damaged.
      if (r < h - 1 || (r == h - 1 && x < w)) return BmpStatus::Damaged;
      break;
    }
    const uint8_t n = uint8_t(b[p]), c = uint8_t(b[p + 1]);
    p += 2;
    if (n > 0) {
      for (int i = 0; i < n && x < w && r < h; ++i) pixel(four ? (i % 2 ? c & 0x0F : c >> 4) : c);
    } else if (c == 0) {
      x = 0;
      r = std::min(r + 1, h);
    } else if (c == 1) {
      ended = true;
    } else if (c == 2) {
      if (p + 2 > b.size()) return BmpStatus::Damaged;
      x = std::min(x + int(uint8_t(b[p])), w);
      r = std::min(r + int(uint8_t(b[p + 1])), h);
      p += 2;
    } else {
      const size_t bytes = four ? (size_t(c) + 1) / 2 : c;
      if (p + bytes > b.size()) return BmpStatus::Damaged;
      for (int i = 0; i < c && x < w && r < h; ++i) {
        const uint8_t v = uint8_t(b[p + (four ? size_t(i) / 2 : size_t(i))]);
        pixel(four ? (i % 2 ? v & 0x0F : v >> 4) : v);
      }
      p += (bytes + 1) & ~size_t(1);
    }
  }
  std::vector<uint32_t> row(static_cast<size_t>(w));
  for (int y = 0; y < h; ++y) {
    const uint8_t* in = &indices[size_t(h - 1 - y) * size_t(w)];
    for (int i = 0; i < w; ++i) row[size_t(i)] = paletteColour(l.palette, in[i]);
    sink(y, row.data());
  }
  return BmpStatus::Ok;
}

}  // namespace

BmpStatus readBmpSize(std::string_view b, int& width, int& height) {
  width = height = 0;
  if (b.size() < 26 || b[0] != 'B' || b[1] != 'M') return BmpStatus::NotBitmap;
  const uint32_t headerSize = u32(b, 14);
  int64_t w = 0, h = 0;
  if (headerSize == kCoreHeader) {
    // The old core header holds unsigned 16-bit sizes: always bottom-up.
    w = u16(b, 18);
    h = u16(b, 20);
  } else if (headerSize >= kInfoHeader && headerSize <= kMaxHeader) {
    w = int32_t(u32(b, 18));
    h = std::llabs(int64_t(int32_t(u32(b, 22))));  // negative: top-down
  } else {
    return BmpStatus::Unsupported;
  }
  if (w <= 0 || h <= 0) return BmpStatus::Damaged;
  if (w > kMaxBmpSide || h > kMaxBmpSide || w * h > kMaxBmpPixels) return BmpStatus::TooLarge;
  width = int(w);
  height = int(h);
  return BmpStatus::Ok;
}

BmpStatus readBmpHeader(std::string_view bytes, BmpHeader& out) {
  Layout l;
  const BmpStatus s = readLayout(bytes, l);
  out = s == BmpStatus::Ok ? l.h : BmpHeader{};
  return s;
}

BmpStatus decodeBmp(std::string_view bytes, const BmpRowSink& row) {
  Layout l;
  const BmpStatus s = readLayout(bytes, l);
  if (s != BmpStatus::Ok) return s;
  try {
    return l.h.compression == kRle8 || l.h.compression == kRle4 ? decodeRle(bytes, l, row)
                                                                : decodePlain(bytes, l, row);
  } catch (const std::bad_alloc&) {
    return BmpStatus::TooLarge;
  }
}

BmpStatus readBmp(std::string_view bytes, RgbPicture& out) {
  out = {};
  BmpHeader h;
  BmpStatus s = readBmpHeader(bytes, h);
  if (s != BmpStatus::Ok) return s;
  try {
    out.rgb.resize(size_t(h.width) * size_t(h.height) * 3);
  } catch (const std::bad_alloc&) {
    return BmpStatus::TooLarge;
  }
  const size_t line = size_t(h.width) * 3;
  s = decodeBmp(bytes, [&](int y, const uint32_t* pixels) {
    uint8_t* o = out.rgb.data() + size_t(y) * line;
    for (int x = 0; x < h.width; ++x, o += 3) {
      o[0] = uint8_t(pixels[x] >> 16);
      o[1] = uint8_t(pixels[x] >> 8);
      o[2] = uint8_t(pixels[x]);
    }
  });
  if (s != BmpStatus::Ok) {
    out = {};
    return s;
  }
  out.width = h.width;
  out.height = h.height;
  return s;
}

std::optional<RgbPicture> readBmp(std::string_view bytes) {
  RgbPicture out;
  if (readBmp(bytes, out) != BmpStatus::Ok) return std::nullopt;
  return out;
}

}  // namespace nv
