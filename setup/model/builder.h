#pragma once
// The distribution builder: after a scan, packs the source files into a dated archive, makes
// it a self-extracting program, then packs that with the installer into a version-numbered
// self-extracting program.
#include <array>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "platform/result.h"
#include "setup/model/file_tree.h"
#include "setup/model/jobs.h"

namespace nv::setup {

struct BuilderSettings {
  std::string src;            // E_Src
  std::string lzhFolder;      // E_LzhFolder
  std::string mainFile;       // E_MainFileName
  std::string installerPath;  // the running installer
  std::string desktopFolder;  // output when lzhFolder is empty
};

// The build time of a stamp: its date and time plus 9 hours.
struct tm buildTime(int32_t stamp);
// "NVA20060401_0830" (prefix "NVA", "NVS" or "NV").
std::string datedName(const char* prefix, const struct tm& t);

// The response file of the dated archive: "u" line, then one "-xa" line per file; all files
// folder by folder (own files sorted by path ignoring case, then subfolders), or only the
// changed ones in tree order.
std::string datedResponseText(const std::string& archive, const std::string& src,
                              const TBrCaFolder& root, bool allFiles);

struct BuildOutcome {
  bool built = false;            // every step ran; the snapshot button may be enabled
  std::string distributionFile;  // the dated program, when the version archive was made
  Result told;                   // every message of the build, in order; failed unless built
};

// Why the source folder cannot be scanned (CP932 message), or "" when it can: an empty text
// would scan the whole disk.
std::string sourceFolderProblem(const std::string& src);

// Names the response file cannot carry (a '"', a control character such as a line break, or
// a character Shift_JIS has not): the scanned files and the fixed paths that hold one.
std::vector<std::string> unfitNames(const BuilderSettings& settings, const TBrCaFolder& root);

// One archiver command; a failure ends the build, its messages are told in turn.
using ArchiverRun = std::function<Result(const std::string&)>;
using Wait = std::function<void(int milliseconds)>;

// Runs the build steps; the caller shows what it tells. Archiver failures end the build. A
// source folder that is missing or empty and names the response file cannot carry stop it with
// a message; symbolic links left out by the scan are named in a message. The response file is
// removed whatever happens.
BuildOutcome buildDistribution(const BuilderSettings& settings, const TBrCaFolder& root,
                               const ScanResult& scan, bool allFiles, const ArchiverRun& archiver,
                               const Wait& wait);

// The file version of a program; when it has none the numbers are -1 and the result tells a
// message naming the program (the status stays success).
Result programVersion(const std::string& cp932Path, std::array<long, 4>& version);

}  // namespace nv::setup
