#include "setup/model/builder.h"

#include <strings.h>

#include <algorithm>
#include <filesystem>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/text.h"
#include "setup/model/file_version.h"

namespace nv {
namespace {
std::string withSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string inQuotes(const std::string& s) { return "\"" + s + "\""; }

void appendLines(const TBrCaFolder& f, const std::string& src, bool allFiles, std::string& out) {
  std::vector<const TBrCaFile*> files;
  for (const TBrCaFile& file : f.files)
    if (allFiles || file.changed) files.push_back(&file);
  if (allFiles)
    std::stable_sort(files.begin(), files.end(), [](const TBrCaFile* a, const TBrCaFile* b) {
      return strcasecmp(a->path.c_str(), b->path.c_str()) < 0;
    });
  for (const TBrCaFile* file : files) {
    std::string relative =
        file->path.size() >= src.size() ? file->path.substr(src.size()) : file->path;
    out += "-xa " + inQuotes(src) + " " + inQuotes(relative) + "\n";
  }
  for (const auto& child : f.children) appendLines(*child, src, allFiles, out);
}
}  // namespace

struct tm buildTime(int32_t stamp) {
  time_t t = static_cast<time_t>(unixFromDosStamp(stamp) + 9 * 3600);
  struct tm tm;
  gmtime_r(&t, &tm);
  return tm;
}

std::string datedName(const char* prefix, const struct tm& t) {
  return cformat("%s%04d%02d%02d_%02d%02d", prefix, t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
                 t.tm_hour, t.tm_min);
}

std::string datedResponseText(const std::string& archive, const std::string& src,
                              const TBrCaFolder& root, bool allFiles) {
  std::string out = "u " + inQuotes(archive) + "\n";
  appendLines(root, src, allFiles, out);
  return out;
}

std::array<long, 4> fileVersionOrMessage(const std::string& cp932Path) {
  std::array<long, 4> v{-1, -1, -1, -1};
  if (!readFileVersion(cp932Path, v)) {
    v = {-1, -1, -1, -1};
    prompt().messageBox(sj("プログラムのバージョンを読み取れませんでした。\n") + cp932Path, {},
                        Icon::None, Buttons::Ok);
  }
  return v;
}

BuildOutcome buildDistribution(const BuilderSettings& s, const TBrCaFolder& root,
                               const ScanResult& scan, bool allFiles, const ArchiverRun& archiver,
                               const Wait& wait) {
  BuildOutcome outcome;
  if (!scan.updated && !allFiles) {
    prompt().message(sj("更新されたファイルはありません"));
    return outcome;
  }
  struct tm t = buildTime(scan.newestChanged ? scan.newestChanged : scan.newestAll);
  std::string out = s.lzhFolder;
  if (!out.empty()) {
    std::error_code ec;
    std::filesystem::create_directories(toFsPath(out), ec);
  } else {
    out = s.desktopFolder;
  }
  out = withSlash(out);
  std::string response = out + datedName("NV", t) + ".txt";
  std::string datedArchive = out + datedName(allFiles ? "NVA" : "NVS", t) + ".lzh";
  std::string datedProgram = changeExtension(datedArchive, ".run");
  if (!writeFileAtomic(response, datedResponseText(datedArchive, s.src, root, allFiles))) {
    prompt().message(sj("ファイルを開けませんでした。"));
    return outcome;
  }
  bool haveMain = !s.mainFile.empty() && fileExists(s.mainFile);
  std::string versionArchive, versionProgram;
  if (haveMain) {
    std::array<long, 4> v = fileVersionOrMessage(s.mainFile);
    // Without an archive folder the version archive goes where the dated files go.
    std::string folder = s.lzhFolder.empty() ? out : withSlash(s.lzhFolder);
    versionArchive = folder + cformat("NV%ld%ld%ld.lzh", v[0], v[1], v[2]);
    versionProgram = changeExtension(versionArchive, ".run");
  }
  for (const std::string& f : {datedArchive, versionArchive, datedProgram, versionProgram})
    if (!f.empty()) removeFile(f);

  if (!archiver("@" + inQuotes(response))) return outcome;
  wait(500);
  removeFile(response);
  if (!archiver("s -x -gw4 " + inQuotes(datedArchive) + " " + inQuotes(out) + " -gr" +
                inQuotes(datedProgram)))
    return outcome;
  wait(500);
  removeFile(datedArchive);
  if (haveMain) {
    std::string text =
        "u " + inQuotes(versionArchive) + "\n" + datedProgram + "\n" + s.installerPath + "\n";
    std::string readme = joinPath(folderOf(s.mainFile), "readme.txt");
    if (fileExists(readme)) text += readme + "\n";
    if (!writeFileAtomic(response, text)) return outcome;
    if (!archiver("@" + inQuotes(response))) return outcome;
    wait(500);
    removeFile(response);
    outcome.distributionFile = datedProgram;
    if (!archiver("s -x -gw4 " + inQuotes(versionArchive) + " " + inQuotes(out) + " " +
                  inQuotes("-gr" + versionProgram)))
      return outcome;
    wait(500);
    removeFile(versionArchive);
  }
  outcome.built = true;
  return outcome;
}

}  // namespace nv
