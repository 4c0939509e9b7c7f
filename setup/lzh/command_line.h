#pragma once
// The archiver's command lines: words split at spaces, double quotes grouping (also in the
// middle of a word, as in -gr"name"), and the response files of the update command.
#include <string>
#include <vector>

namespace nv::lzh {

std::vector<std::string> splitCommandLine(const std::string& line);

// A file to add: its path on disk and the name it gets in the archive.
struct AddItem {
  std::string path;
  std::string name;
};

struct ResponseFile {
  std::string command;  // "u"
  std::string archive;
  std::vector<AddItem> items;
};

// Parses a response file's text: first line "u "archive"", then "-xa "base" "relative""
// lines (stored under the relative name) or plain full paths (stored under the file name).
// False when the first line names no command or archive.
bool parseResponseFile(const std::string& text, ResponseFile& out);

}  // namespace nv::lzh
