#include "setup/lzh/command_line.h"

#include "platform/paths.h"

namespace nv::lzh {

std::vector<std::string> splitCommandLine(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false, quoted = false;
  for (char c : line) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if (!quoted && (c == ' ' || c == '\t' || c == '\r' || c == '\n')) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word.push_back(c);
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

bool parseResponseFile(const std::string& text, ResponseFile& out) {
  out = ResponseFile{};
  size_t start = 0;
  bool first = true;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    std::vector<std::string> words = splitCommandLine(line);
    if (words.empty()) continue;
    if (first) {
      if (words.size() < 2) return false;
      out.command = words[0];
      out.archive = words[1];
      first = false;
      continue;
    }
    if (words[0] == "-xa" && words.size() >= 3) {
      std::string name = words[2];
      while (!name.empty() && name[0] == '/') name.erase(0, 1);
      out.items.push_back({joinPath(words[1], name), name});
    } else {
      // A plain line is one full path, spaces included.
      size_t b = line.find_first_not_of(" \t\r");
      size_t e = line.find_last_not_of(" \t\r");
      std::string path = line.substr(b, e - b + 1);
      if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        path = path.substr(1, path.size() - 2);
      out.items.push_back({path, fileNameOf(path)});
    }
  }
  return !first;
}

}  // namespace nv::lzh
