#include "teacher/model/picture_conversion.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <new>
#include <optional>
#include <system_error>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "teacher/model/bmp_image.h"

namespace nv {

int shrinkLimit(int iconSize, int fontSize, int dotsPerInch) {
  // A limit below 1 would turn every picture into nothing (or mirror it).
  return std::max(1, iconSize - fontSize * dotsPerInch / 72 - 4);
}

PictureSize shrunkSize(int width, int height, int limit) {
  // scale = max(w, h) / limit; w / scale in whole numbers is w x limit / max(w, h), exactly.
  const int64_t longer = std::max<int64_t>(1, std::max(width, height));
  PictureSize s;
  s.width = int(std::max<int64_t>(1, int64_t(width) * limit / longer));
  s.height = int(std::max<int64_t>(1, int64_t(height) * limit / longer));
  return s;
}

std::vector<std::string> bmpFilesIn(std::string_view folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(toFsPath(folder), ec), end; !ec && it != end;
       it.increment(ec)) {
    if (!it->is_regular_file(ec)) continue;
    std::string name = fromFsPath(it->path().filename());
    if (name.size() < 4) continue;
    std::string ext = name.substr(name.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](char c) { return char(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    if (ext == ".bmp") names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const int r = compareJa(a, b);
    return r != 0 ? r < 0 : a < b;
  });
  return names;
}

namespace {

using Why = PictureResult::Why;

Why whyNotRead(BmpStatus s) { return s == BmpStatus::TooLarge ? Why::Size : Why::Format; }

// Reads the source; `bytes` keeps the file for a copy as it is.
Why readPicture(const std::string& source, std::string& bytes, std::optional<RgbImage>& image) {
  if (!readFile(source, bytes, kMaxBmpFileBytes)) {
    std::error_code ec;
    const bool tooBig = std::filesystem::is_regular_file(toFsPath(source), ec) &&
                        std::filesystem::file_size(toFsPath(source), ec) > kMaxBmpFileBytes;
    return tooBig ? Why::Size : Why::Unreadable;
  }
  RgbImage read;
  const BmpStatus s = readBmp(bytes, read);
  if (s != BmpStatus::Ok) return whyNotRead(s);
  image = std::move(read);
  return Why::None;
}

}  // namespace

const char* pictureReasonText(Why why) {
  switch (why) {
    case Why::Unreadable:
      return "ファイルを読み込めません";
    case Why::Format:
      return "画像の形式が読み取れません";
    case Why::Size:
      return "画像が大きすぎます";
    case Why::Unwritable:
      return "ファイルを書き込めません";
    case Why::None:
      break;
  }
  return "";
}

const char* pictureReasonWord(Why why) {
  switch (why) {
    case Why::Unreadable:
      return "cannot be read";
    case Why::Format:
      return "not a bitmap it can read";
    case Why::Size:
      return "too large";
    case Why::Unwritable:
      return "cannot be written";
    case Why::None:
      break;
  }
  return "";
}

std::vector<PictureResult> convertPictures(
    std::string_view sourceFolder, std::string_view targetFolder, PictureMode mode, int limit,
    const std::function<void(const std::string& name)>& before) {
  std::vector<PictureResult> results;
  for (const std::string& name : bmpFilesIn(sourceFolder)) {
    if (before) before(name);
    PictureResult r;
    r.name = name;
    const std::string source = joinPath(sourceFolder, name);
    const std::string target = joinPath(targetFolder, name);
    std::string bytes;
    std::optional<RgbImage> image;
    // A picture too large for memory is skipped like one too large to read.
    try {
      r.why = readPicture(source, bytes, image);
      if (image) {
        if (mode == PictureMode::Shrink) {
          const PictureSize s = shrunkSize(image->width, image->height, limit);
          *image = resample(*image, s.width, s.height);
        }
        if (writeFileAtomic(target, writeBmp8(*image)))
          r.how = PictureResult::How::Reduced;
        else if (mode == PictureMode::Shrink && writeFileAtomic(target, writeBmp24(*image)))
          r.how = PictureResult::How::Plain;
        else
          r.why = Why::Unwritable;
      }
    } catch (const std::bad_alloc&) {
      image.reset();
      r.why = Why::Size;
    }
    if (r.how == PictureResult::How::Skipped && mode == PictureMode::Unchanged && !bytes.empty()) {
      if (writeFileAtomic(target, bytes))
        r.how = PictureResult::How::Copied;
      else
        r.why = Why::Unwritable;
    }
    results.push_back(std::move(r));
  }
  return results;
}

}  // namespace nv
