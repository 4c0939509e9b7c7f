#include "bento/model/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>
#include <new>
// jpeglib.h needs size_t and FILE declared first.
#include <jerror.h>
#include <jpeglib.h>

#include "platform/files.h"

namespace nv {
namespace {

// Progressive files may hold thousands of tiny scans that take minutes to decode; no real
// picture comes near this. Each scan costs about a pass over the whole picture, so a large
// one may hold fewer: scans x pixels stays below about a second and a half of work.
constexpr int kMaxScans = 500;
constexpr int64_t kMaxScanPixels = int64_t(1) << 30;
constexpr long kMaxDecoderMemory = 512L << 20;

// libjpeg's error manager ends the process by default. Ours jumps back to the decode call
// with the message, and also stops on the warning of a file cut short.
struct ErrorManager {
  jpeg_error_mgr pub;
  jpeg_progress_mgr progress;
  std::jmp_buf back;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void fail(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->back, 1);
}

void onMessage(j_common_ptr cinfo, int level) {
  // Level -1 is a warning: a file that ends early is damaged, not a picture.
  if (level == -1 && cinfo->err->msg_code == JWRN_JPEG_EOF) fail(cinfo);
}

void onProgress(j_common_ptr cinfo) {
  auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (!d->is_decompressor) return;
  const int64_t scans = d->input_scan_number;
  const int64_t pixels = int64_t(d->image_width) * int64_t(d->image_height);
  if (scans > kMaxScans || scans * pixels > kMaxScanPixels) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::snprintf(err->message, sizeof err->message, "%lld scans are too many for %ux%u pixels",
                  static_cast<long long>(scans), d->image_width, d->image_height);
    std::longjmp(err->back, 1);
  }
}

// Adobe writes CMYK inverted; plain CMYK is not.
void cmykToRgb(const uint8_t* cmyk, uint8_t* rgb, JDIMENSION n, bool inverted) {
  for (JDIMENSION i = 0; i < n; ++i, cmyk += 4, rgb += 3) {
    const unsigned k = inverted ? cmyk[3] : 255u - cmyk[3];
    for (int c = 0; c < 3; ++c) rgb[c] = uint8_t((inverted ? cmyk[c] : 255u - cmyk[c]) * k / 255u);
  }
}

// Only plain data lives in this frame, so jumping back into it from libjpeg skips no
// destructor; `out` belongs to the caller.
bool decode(jpeg_decompress_struct& cinfo, ErrorManager& err, std::string_view bytes,
            std::vector<uint8_t>& out, std::vector<uint8_t>& row, int& width, int& height) {
  if (setjmp(err.back)) return false;
  jpeg_create_decompress(&cinfo);
  cinfo.mem->max_memory_to_use = kMaxDecoderMemory;
  cinfo.progress = &err.progress;
  jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&cinfo, TRUE);
  const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  if (int64_t(cinfo.image_width) * cinfo.image_height > kMaxJpegPixels) {
    std::snprintf(err.message, sizeof err.message, "picture of %ux%u pixels is too large",
                  cinfo.image_width, cinfo.image_height);
    return false;
  }
  jpeg_start_decompress(&cinfo);
  const size_t w = cinfo.output_width, h = cinfo.output_height;
  out.resize(w * h * 3);
  row.resize(w * size_t(cinfo.output_components));
  while (cinfo.output_scanline < h) {
    uint8_t* line = out.data() + size_t(cinfo.output_scanline) * w * 3;
    JSAMPROW target = cmyk ? row.data() : line;
    if (jpeg_read_scanlines(&cinfo, &target, 1) != 1) break;
    if (cmyk) cmykToRgb(row.data(), line, JDIMENSION(w), cinfo.saw_Adobe_marker);
  }
  jpeg_finish_decompress(&cinfo);
  width = int(w);
  height = int(h);
  return true;
}

}  // namespace

bool decodeJpeg(std::string_view bytes, RgbPicture& out, std::string& error) {
  out = {};
  jpeg_decompress_struct cinfo{};
  ErrorManager err{};
  cinfo.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = fail;
  err.pub.emit_message = onMessage;
  err.progress.progress_monitor = onProgress;
  std::vector<uint8_t> row;
  int width = 0, height = 0;
  bool ok = false;
  try {
    ok = !bytes.empty() && decode(cinfo, err, bytes, out.rgb, row, width, height);
  } catch (const std::bad_alloc&) {
    std::snprintf(err.message, sizeof err.message, "out of memory");
  }
  jpeg_destroy_decompress(&cinfo);
  if (!ok) {
    error = bytes.empty() ? "empty file" : err.message;
    out = {};
    return false;
  }
  out.width = width;
  out.height = height;
  return true;
}

bool readJpegFile(std::string_view cp932Path, RgbPicture& out, std::string& error) {
  std::string bytes;
  if (!readFile(cp932Path, bytes)) {
    out = {};
    error = "cannot be read";
    return false;
  }
  return decodeJpeg(bytes, out, error);
}

}  // namespace nv
