#include "setup/model/install.h"

#include <strings.h>

#include "platform/files.h"
#include "platform/paths.h"
#include "setup/lzh/archiver_codes.h"
#include "setup/lzh/lzh_reader.h"
#include "setup/lzh/sfx.h"
#include "setup/model/install_manifest.h"

namespace nv::setup {

std::string withTrailingSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string mainProgramPath(const std::string& installFolder) {
  return withTrailingSlash(installFolder) + "NV";
}

bool isLzhFile(const std::string& path) {
  return path.size() >= 4 && strcasecmp(path.c_str() + path.size() - 4, ".lzh") == 0;
}

InstallResult installDistribution(const std::string& distribution, std::string& folder,
                                  InstallDirStore& store, const std::string& home) {
  InstallResult result;
  if (!fileExists(distribution)) {
    result.outcome = InstallResult::Outcome::Missing;
    return result;
  }
  // "~/…" as a shell would read it: no folder named "~" in the working folder.
  if (!home.empty() && (folder == "~" || folder.rfind("~/", 0) == 0))
    folder = home + folder.substr(1);
  folder = storedInstallFolder(folder);
  if ((result.problem = installFolderProblem(folder, home)) != FolderProblem::None) {
    result.outcome = InstallResult::Outcome::Refused;
    return result;
  }
  lzh::ArchiveSource source{distribution, 0};
  if (!isLzhFile(distribution) && !lzh::findAppendedArchive(distribution, source.offset)) {
    result.code = lzh::kNotArchive;
    return result;
  }
  // The record is written before anything is placed, so that whatever lands is recorded and
  // a record that cannot be written (a full disk) leaves the previous program as it was. It
  // grows with every install into the folder, so an uninstall also finds the files of an
  // earlier version.
  auto record = [&folder](const lzh::Extraction& planned) {
    InstallManifest manifest;
    if (!loadManifest(folder, manifest) || manifest.folder != folder) {
      manifest = InstallManifest{};
      manifest.folder = folder;
      manifest.madeFolder = planned.madeFolder;
    }
    manifest.add(planned.files, planned.folders);
    return saveManifest(folder, manifest) ? 0 : lzh::kWriteError;
  };
  lzh::ReadResult r = lzh::extractArchive(source, folder, record);
  result.refusedNames = r.refused;
  if ((result.code = r.code) != 0) return result;
  store.write(folder);
  result.outcome = InstallResult::Outcome::Installed;
  return result;
}

std::string installFailureText(const InstallResult& result, const std::string& folder) {
  switch (result.outcome) {
    case InstallResult::Outcome::Refused:
      return folderProblemText(result.problem, folder, false);
    case InstallResult::Outcome::Failed: {
      std::string text = lzh::archiverResultText(result.code);
      for (const std::string& name : result.refusedNames) text += "\n" + name;
      return text;
    }
    default:
      return {};
  }
}

std::string installFailureCaption(const InstallResult& result) {
  return result.outcome == InstallResult::Outcome::Refused ? folderProblemCaption(false)
                                                           : std::string();
}

}  // namespace nv::setup
