#include "summary/model/summary_files.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <string_view>
#include <system_error>

#include "platform/paths.h"
#include "platform/text.h"

namespace fs = std::filesystem;

namespace nv {
namespace {

std::string lowerAscii(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return s;
}

// Names in the order people count: "2.nvu" before "10.nvu".
bool namedBefore(const std::string& a, const std::string& b) {
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (digit(a[i]) && digit(b[j])) {
      size_t ie = i, je = j;
      while (ie < a.size() && digit(a[ie])) ++ie;
      while (je < b.size() && digit(b[je])) ++je;
      const std::string_view na = std::string_view(a).substr(i, ie - i);
      const std::string_view nb = std::string_view(b).substr(j, je - j);
      const size_t za = na.find_first_not_of('0'), zb = nb.find_first_not_of('0');
      const std::string_view ta = za == na.npos ? "" : na.substr(za);
      const std::string_view tb = zb == nb.npos ? "" : nb.substr(zb);
      if (ta.size() != tb.size()) return ta.size() < tb.size();
      if (ta != tb) return ta < tb;
      i = ie, j = je;
      continue;
    }
    if (a[i] != b[j]) return (unsigned char)a[i] < (unsigned char)b[j];
    ++i, ++j;
  }
  return a.size() - i < b.size() - j;
}

bool endsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

std::optional<ChildKind> savedFileKind(const std::string& cp932Path) {
  // Only the name part: a folder called "x.nvu/" must not make its files menus.
  const std::string name = lowerAscii(fileNameOf(cp932Path));
  if (endsWith(name, ".nvu")) return ChildKind::Menu;
  if (endsWith(name, ".nvub")) return ChildKind::LunchBox;
  return std::nullopt;
}

std::string savedFileProblem(const std::string& cp932Path) {
  std::error_code ec;
  const fs::path p = toFsPath(cp932Path);
  const fs::file_status st = fs::status(p, ec);
  if (ec || !fs::exists(st)) return sj("ファイルが見つかりません");
  if (!fs::is_regular_file(st)) return sj("ふつうのファイルではありません");
  const uintmax_t size = fs::file_size(p, ec);
  if (ec) return sj("読み込めません");
  if (size > kMaxSavedFileBytes) return sj("ファイルが大きすぎます");
  return {};
}

ClassFiles collectClassFiles(const std::vector<std::string>& cp932Paths) {
  ClassFiles out;
  std::set<fs::path> seen;
  auto take = [&](const std::string& path) {
    std::error_code ec;
    fs::path key = fs::weakly_canonical(toFsPath(path), ec);
    if (ec) key = toFsPath(path);
    if (!seen.insert(key).second) return;
    if (!savedFileKind(path)) {
      std::error_code missing;
      out.unreadable.push_back({path, fs::exists(toFsPath(path), missing)
                                          ? sj("献立(.nvu)やお弁当(.nvub)のファイルではありません")
                                          : sj("ファイルが見つかりません")});
      return;
    }
    out.files.push_back(path);
  };
  for (const std::string& given : cp932Paths) {
    std::error_code ec;
    const fs::path p = toFsPath(given);
    if (!fs::is_directory(p, ec)) {
      take(given);
      continue;
    }
    std::vector<std::string> found;
    for (fs::directory_iterator it(p, fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
      const std::string path = joinPath(given, fromFsPath(it->path().filename()));
      if (savedFileKind(path)) found.push_back(path);
    }
    if (ec && found.empty()) {
      out.unreadable.push_back({given, sj("フォルダを読み込めません")});
      continue;
    }
    std::sort(found.begin(), found.end(), namedBefore);
    for (const std::string& path : found) take(path);
  }
  return out;
}

bool namesAnInput(const std::string& output, const std::vector<std::string>& inputs) {
  std::error_code ec;
  const fs::path out = fs::weakly_canonical(toFsPath(output), ec);
  for (const std::string& in : inputs) {
    if (in.empty()) continue;
    std::error_code e2;
    if (fs::weakly_canonical(toFsPath(in), e2) == out) return true;
  }
  return false;
}

}  // namespace nv
