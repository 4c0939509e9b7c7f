// nvtool pictures SRC DST [--shrink --icon N --font N --dpi N]: the settings dialog's picture
// conversion. Every *.bmp of SRC, in name order, goes into DST as an 8-bit bitmap, shrunk to
// fit a dish button with --shrink. Converted files are listed on stdout (name, then how:
// reduced, plain or copied); skipped files are named on stderr with the reason and make the
// status 1.
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/paths.h"
#include "platform/text.h"
#include "teacher/model/picture_conversion.h"
#include "tools/nvtool/commands.h"

namespace nvtool {
namespace {

bool readNumber(const std::string& text, int low, int high, int& value) {
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size() && value >= low && value <= high;
}

// The settings dialog's ranges: a larger icon would make a small picture a picture of
// gigabytes, and the sizes multiply in int.
struct Range {
  int low, high;
};
constexpr Range kIconRange{16, 400}, kFontRange{6, 64}, kDpiRange{1, 9600};

int cmdPictures(const Args& args) {
  std::vector<std::string> folders;
  bool shrink = false;
  int icon = 128, font = 9, dpi = 96;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--shrink") {
      shrink = true;
    } else if (a == "--icon" || a == "--font" || a == "--dpi") {
      int& target = a == "--icon" ? icon : a == "--font" ? font : dpi;
      const Range r = a == "--icon" ? kIconRange : a == "--font" ? kFontRange : kDpiRange;
      if (i + 1 >= args.size() || !readNumber(args[i + 1], r.low, r.high, target))
        return usageError(a + " takes a whole number from " + std::to_string(r.low) + " to " +
                          std::to_string(r.high));
      ++i;
    } else if (a.starts_with("--")) {
      return usageError("unknown option '" + a + "'");
    } else {
      folders.push_back(a);
    }
  }
  if (folders.size() != 2) return usageError("pictures takes SRC DST");
  const std::string source = nv::pathFromNative(folders[0]);
  const std::string target = nv::pathFromNative(folders[1]);
  std::error_code ec;
  if (!std::filesystem::is_directory(nv::toFsPath(source), ec))
    return failure("no such folder: " + folders[0]);
  if (!std::filesystem::is_directory(nv::toFsPath(target), ec))
    return failure("no such folder: " + folders[1]);
  const auto results = nv::convertPictures(
      source, target, shrink ? nv::PictureMode::Shrink : nv::PictureMode::Unchanged,
      nv::shrinkLimit(icon, font, dpi));
  int skipped = 0;
  for (const nv::PictureResult& r : results) {
    const std::string name = nv::cp932ToUtf8(r.name);
    switch (r.how) {
      case nv::PictureResult::How::Reduced:
        std::printf("%s\treduced\n", name.c_str());
        break;
      case nv::PictureResult::How::Plain:
        std::printf("%s\tplain\n", name.c_str());
        break;
      case nv::PictureResult::How::Copied:
        std::printf("%s\tcopied\n", name.c_str());
        break;
      case nv::PictureResult::How::Skipped:
        std::fprintf(stderr, "nvtool: skipped %s: %s\n", name.c_str(),
                     nv::pictureReasonWord(r.why));
        ++skipped;
        break;
    }
  }
  return skipped ? kFailed : kOk;
}

Registration reg{"pictures",
                 "pictures SRC DST [--shrink --icon N --font N --dpi N]   convert every *.bmp "
                 "of SRC into DST as 8-bit bitmaps, shrunk to fit a dish button (icon 16..400, "
                 "default 128; font 6..64, default 9; 96 dpi unless given); skipped files on "
                 "stderr with the reason, status 1",
                 cmdPictures};

}  // namespace
}  // namespace nvtool
