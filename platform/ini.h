#pragma once
// Settings files (NV.ini, the installer's settings) with the behaviour of the classic
// profile-string calls the schools' existing files were written with:
// - sections and keys compare case-insensitively (ASCII letters only, and never the second
//   byte of a two-byte CP932 character, so "ア" and "ヂ" stay apart);
// - blanks around section names, keys and values are ignored; a value in matching single or
//   double quotes is read without them;
// - a missing section or key reads as the caller's default; the first of duplicate sections
//   or keys wins;
// - integers read as the leading decimal number ("12px" -> 12, "abc" -> 0);
// - writing keeps every other line as it was (comments, blank lines, order), changes a key in
//   place, appends a new key at the end of its section and a new section at the end of the
//   file. Lines end with CR LF; the file is replaced atomically.
// The whole file is held in memory: load(), read and write, save() (or setAutoSave(true) to
// save after every change, as the profile calls did). Failures are reported by the bool
// result only; callers decide whether the user needs to hear about them.
#include <string>
#include <string_view>
#include <vector>

namespace nv {

class Ini {
 public:
  Ini() = default;
  explicit Ini(std::string_view cp932Path) { load(cp932Path); }

  // Reads the file and remembers its path for save(). A missing file is an empty document
  // (save() creates it). False when the file exists but cannot be read or is absurdly large;
  // the document is then empty.
  bool load(std::string_view cp932Path);
  // Replaces the document by the given file bytes (path unchanged).
  void parse(std::string_view bytes);
  // Writes the document to path() atomically. False without a path or when writing fails.
  bool save();
  // The file bytes save() writes.
  std::string bytes() const;

  const std::string& path() const { return path_; }
  void setPath(std::string_view cp932Path) { path_ = std::string(cp932Path); }
  // When on, every change is saved at once and the write calls report the save's result.
  void setAutoSave(bool on) { autoSave_ = on; }
  bool modified() const { return modified_; }

  std::string readString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  int readInteger(std::string_view section, std::string_view key, int defaultValue) const;
  // Any integer but 0 is true.
  bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;

  // False for a section or key the file could not hold (empty, line breaks, "]" in a section
  // name, "=" in a key, a key starting with ";" or "["). A value is cut at its first line
  // break or NUL so that it cannot add lines to the file.
  bool writeString(std::string_view section, std::string_view key, std::string_view value);
  bool writeInteger(std::string_view section, std::string_view key, int value);
  bool writeBool(std::string_view section, std::string_view key, bool value);
  // Removes the key (every copy of it in the section). True when nothing failed.
  bool deleteKey(std::string_view section, std::string_view key);
  // Removes the section with its keys and comments (every copy of it).
  bool eraseSection(std::string_view section);

  bool hasSection(std::string_view section) const;
  bool hasKey(std::string_view section, std::string_view key) const;
  // Names as spelled in the file, in file order, each once.
  std::vector<std::string> sectionNames() const;
  std::vector<std::string> keyNames(std::string_view section) const;

 private:
  struct Line {
    std::string raw;  // as in the file, without its line end
    bool isKey = false;
    std::string key, value;  // trimmed, for key lines
  };
  struct Section {
    bool hasHeader = false;  // false only for the lines before the first section
    std::string name;
    std::string rawHeader;
    std::vector<Line> lines;
  };

  const Section* findSection(std::string_view name) const;
  Section* findSection(std::string_view name);
  static const Line* findKey(const Section& s, std::string_view key);
  bool changed();

  std::vector<Section> sections_;
  std::string path_;
  bool autoSave_ = false;
  bool modified_ = false;
};

// Case-insensitive comparison of section and key names as the settings files use it.
bool iniNamesEqual(std::string_view a, std::string_view b);

}  // namespace nv
