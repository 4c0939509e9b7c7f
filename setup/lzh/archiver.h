#pragma once
// The archiver: one entry taking a command line, as the installer and the distribution
// builder use it.
//   x "archive" "folder"                 extract with stored folders into the folder
//   @"response file"                     run the update command of a response file
//   u "archive" "file"...                add files (stored under their names)
//   s -x -gw4 "archive" "folder" -gr"name"   make a self-extracting program
#include <string>
#include <vector>

#include "platform/result.h"

namespace nv::lzh {

struct ArchiverResult {
  int code = 0;                      // 0 on success, else the archiver code
  std::vector<std::string> refused;  // members refused for their names (extraction)
};

// Runs the command without any user interface (safe off the window thread).
ArchiverResult runArchiverCommand(const std::string& cp932CommandLine);

}  // namespace nv::lzh

namespace nv {

// Runs the command; a failure carries the information box with the text of its code.
Result archiverStep(const std::string& cp932CommandLine);

// Runs the command and shows the text of a failure code in an information box through
// Prompt. True exactly when the code is 0.
bool RunArchiver(const std::string& cp932CommandLine);

}  // namespace nv
