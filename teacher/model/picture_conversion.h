#pragma once
// The picture conversion of the settings dialog (and of nvtool pictures): every "*.bmp" of a
// source folder, in name order, shrunk to fit above a dish button's caption or taken as it
// is, and saved into the picture folder as an 8-bit bitmap.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace nv {

// The room for a picture above the caption of a dish button:
// icon size - font size x dots per inch / 72 - 4, at least 1.
int shrinkLimit(int iconSize, int fontSize, int dotsPerInch);

struct PictureSize {
  int width = 0;
  int height = 0;
};
// The size a width x height picture is stretched to so that its longer side is `limit`
// (each side truncated, at least 1).
PictureSize shrunkSize(int width, int height, int limit);

// Names (without folder) of the files, not folders, of `folder` whose extension is ".bmp" in
// any case, sorted in the Japanese, case-insensitive order.
std::vector<std::string> bmpFilesIn(std::string_view folder);

enum class PictureMode { Shrink, Unchanged };

struct PictureResult {
  enum class How { Reduced, Plain, Copied, Skipped };
  // Why a picture was skipped, or copied as it is instead of converted.
  enum class Why { None, Unreadable, Format, Size, Unwritable };
  std::string name;
  How how = How::Skipped;
  Why why = Why::None;
};
// The reason as the settings dialog lists it (UTF-8), and as nvtool words it.
const char* pictureReasonText(PictureResult::Why why);
const char* pictureReasonWord(PictureResult::Why why);

// Converts every bitmap of sourceFolder into targetFolder (files replaced atomically).
// Shrink: a picture that cannot be read, or written, is skipped. Unchanged: a picture that
// cannot be read or written as 8-bit is copied as it is. `before` is called with each name
// before its work starts (the dialog shows it). Each result says why a picture was not
// converted.
std::vector<PictureResult> convertPictures(
    std::string_view sourceFolder, std::string_view targetFolder, PictureMode mode, int limit,
    const std::function<void(const std::string& name)>& before = {});

}  // namespace nv
