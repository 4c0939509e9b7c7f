#include "setup/model/builder.h"

#include <strings.h>

#include <algorithm>
#include <filesystem>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "setup/model/file_version.h"

namespace nv::setup {
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

Result programVersion(const std::string& cp932Path, std::array<long, 4>& v) {
  v = {-1, -1, -1, -1};
  Result told;
  if (!readFileVersion(cp932Path, v)) {
    v = {-1, -1, -1, -1};
    told.tell(messageBox(sj("プログラムのバージョンを読み取れませんでした。\n") + cp932Path, {},
                         Icon::None));
  }
  return told;
}

std::string sourceFolderProblem(const std::string& src) {
  if (src.empty())
    return sj("元の場所が指定されていません。配布するファイルのあるフォルダーを選んでください。");
  std::error_code ec;
  if (!std::filesystem::is_directory(toFsPath(src), ec))
    return src + sj("\nが見つかりません。配布するファイルのあるフォルダーを選んでください。");
  return {};
}

std::vector<std::string> unfitNames(const BuilderSettings& s, const TBrCaFolder& root) {
  auto unfit = [](const std::string& name) {
    return std::any_of(name.begin(), name.end(), [](char c) {
      const auto b = static_cast<unsigned char>(c);
      return c == '"' || b < 0x20 || b == kPathEscape;
    });
  };
  std::vector<std::string> out;
  for (const std::string& path : {s.src, s.lzhFolder, s.mainFile, s.installerPath, s.desktopFolder})
    if (unfit(path)) out.push_back(path);
  std::vector<const TBrCaFolder*> folders{&root};
  while (!folders.empty()) {
    const TBrCaFolder* f = folders.back();
    folders.pop_back();
    for (const TBrCaFile& file : f->files)
      if (unfit(file.path) && std::find(out.begin(), out.end(), file.path) == out.end())
        out.push_back(file.path);
    for (const auto& c : f->children) folders.push_back(c.get());
  }
  return out;
}

BuildOutcome buildDistribution(const BuilderSettings& s, const TBrCaFolder& root,
                               const ScanResult& scan, bool allFiles, const ArchiverRun& archiver,
                               const Wait& wait) {
  BuildOutcome outcome;
  Result& told = outcome.told;
  if (std::string problem = sourceFolderProblem(s.src); !problem.empty()) {
    told.fail(plainMessage(problem), "no source folder");
    return outcome;
  }
  if (std::vector<std::string> names = unfitNames(s, root); !names.empty()) {
    std::string text =
        sj("次のファイルは、名前に「\"」、改行などの制御文字、またはシフトJISにない文字があるため、"
           "配布ファイルに入れられません。名前を変えてから、もう一度圧縮してください。");
    for (const std::string& n : names) text += "\n" + n;
    told.fail(plainMessage(text), "names the response file cannot carry");
    return outcome;
  }
  if (!scan.skippedLinks.empty()) {
    std::string text = sj(
        "次のシンボリックリンクは、リンク先の写しになってしまうため、配布ファイルに入れません。");
    for (const std::string& n : scan.skippedLinks) text += "\n" + n;
    told.tell(plainMessage(text));
  }
  if (!scan.updated && !allFiles) {
    told.fail(plainMessage(sj("更新されたファイルはありません")), "nothing changed");
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
  // The response file never outlives the build, whichever step ends it.
  struct RemoveAtEnd {
    std::string path;
    ~RemoveAtEnd() { removeFile(path); }
  } responseGoes{response};
  if (!writeFileAtomic(response, datedResponseText(datedArchive, s.src, root, allFiles))) {
    told.fail(plainMessage(sj("ファイルを開けませんでした。")), "response file not written");
    return outcome;
  }
  bool haveMain = !s.mainFile.empty() && fileExists(s.mainFile);
  std::string versionArchive, versionProgram;
  if (haveMain) {
    std::array<long, 4> v;
    told.then(programVersion(s.mainFile, v));
    // Without an archive folder the version archive goes where the dated files go.
    std::string folder = s.lzhFolder.empty() ? out : withSlash(s.lzhFolder);
    versionArchive = folder + cformat("NV%ld%ld%ld.lzh", v[0], v[1], v[2]);
    versionProgram = changeExtension(versionArchive, ".run");
  }
  for (const std::string& f : {datedArchive, versionArchive, datedProgram, versionProgram})
    if (!f.empty()) removeFile(f);

  // Each step's messages follow those told before it; a failed step ends the build.
  auto step = [&](const std::string& line) { return told.then(archiver(line)).ok(); };
  if (!step("@" + inQuotes(response))) return outcome;
  wait(500);
  removeFile(response);
  if (!step("s -x -gw4 " + inQuotes(datedArchive) + " " + inQuotes(out) + " -gr" +
            inQuotes(datedProgram)))
    return outcome;
  wait(500);
  removeFile(datedArchive);
  if (haveMain) {
    std::string text =
        "u " + inQuotes(versionArchive) + "\n" + datedProgram + "\n" + s.installerPath + "\n";
    std::string readme = joinPath(folderOf(s.mainFile), "readme.txt");
    if (fileExists(readme)) text += readme + "\n";
    if (!writeFileAtomic(response, text)) {
      told.fail("version response file not written");
      return outcome;
    }
    if (!step("@" + inQuotes(response))) return outcome;
    wait(500);
    removeFile(response);
    outcome.distributionFile = datedProgram;
    if (!step("s -x -gw4 " + inQuotes(versionArchive) + " " + inQuotes(out) + " " +
              inQuotes("-gr" + versionProgram)))
      return outcome;
    wait(500);
    removeFile(versionArchive);
  }
  outcome.built = true;
  return outcome;
}

}  // namespace nv::setup
