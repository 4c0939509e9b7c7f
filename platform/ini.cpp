#include "platform/ini.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace nv {
namespace {

// Settings files are a few kilobytes; anything this large is not one.
constexpr uint64_t kMaxIniBytes = uint64_t(16) << 20;

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// No CP932 second byte is a blank (they start at 0x40), so trimming bytes is safe.
std::string_view trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && isBlank(s[b])) ++b;
  while (e > b && isBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

char foldAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

// Position of the first c that is not the second byte of a two-byte character.
size_t findCp932(std::string_view s, char c) {
  for (size_t i = 0; i < s.size(); ++i) {
    if (isCp932LeadByte(static_cast<unsigned char>(s[i]))) {
      ++i;
      continue;
    }
    if (s[i] == c) return i;
  }
  return std::string_view::npos;
}

// True when the last byte starts a two-byte character whose second byte is missing: written
// before the "]" of a section header, it would swallow the bracket.
bool endsInsideCharacter(std::string_view s) {
  for (size_t i = 0; i < s.size(); ++i)
    if (isCp932LeadByte(static_cast<unsigned char>(s[i])) && ++i == s.size()) return true;
  return false;
}

bool hasLineBreak(std::string_view s) {
  return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

}  // namespace

bool iniNamesEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (isCp932LeadByte(static_cast<unsigned char>(a[i]))) {
      // Lead bytes are never letters, so both sides hold the same lead byte here; the
      // following byte is compared as it is.
      if (a[i] != b[i]) return false;
      ++i;
      if (i < a.size() && a[i] != b[i]) return false;
      continue;
    }
    if (foldAscii(a[i]) != foldAscii(b[i])) return false;
  }
  return true;
}

bool Ini::load(std::string_view cp932Path) {
  path_ = std::string(cp932Path);
  sections_.clear();
  modified_ = false;
  if (!fileExists(cp932Path)) {
    parse({});
    return true;
  }
  std::string data;
  if (!readFile(cp932Path, data, kMaxIniBytes)) {
    parse({});
    return false;
  }
  parse(data);
  return true;
}

void Ini::parse(std::string_view bytes) {
  sections_.clear();
  sections_.push_back(Section{});  // the lines before the first section
  modified_ = false;
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t nl = bytes.find('\n', pos);
    size_t end = nl == std::string_view::npos ? bytes.size() : nl;
    std::string_view raw = bytes.substr(pos, end - pos);
    pos = nl == std::string_view::npos ? bytes.size() : nl + 1;
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);

    std::string_view t = trim(raw);
    if (!t.empty() && t.front() == '[') {
      std::string_view inner = t.substr(1);
      size_t close = findCp932(inner, ']');
      Section s;
      s.hasHeader = true;
      s.name = std::string(trim(inner.substr(0, close)));
      s.rawHeader = std::string(raw);
      sections_.push_back(std::move(s));
      continue;
    }
    Line line;
    line.raw = std::string(raw);
    if (!t.empty() && t.front() != ';') {
      size_t eq = t.find('=');  // '=' is never the second byte of a character
      if (eq != std::string_view::npos) {
        line.isKey = true;
        line.key = std::string(trim(t.substr(0, eq)));
        line.value = std::string(trim(t.substr(eq + 1)));
      }
    }
    sections_.back().lines.push_back(std::move(line));
  }
}

std::string Ini::bytes() const {
  std::string out;
  for (const Section& s : sections_) {
    if (s.hasHeader) out.append(s.rawHeader).append("\r\n");
    for (const Line& l : s.lines) out.append(l.raw).append("\r\n");
  }
  return out;
}

bool Ini::save() {
  if (path_.empty()) return false;
  if (!writeFileAtomic(path_, bytes())) return false;
  modified_ = false;
  return true;
}

const Ini::Section* Ini::findSection(std::string_view name) const {
  name = trim(name);
  for (const Section& s : sections_)
    if (s.hasHeader && iniNamesEqual(s.name, name)) return &s;
  return nullptr;
}

Ini::Section* Ini::findSection(std::string_view name) {
  return const_cast<Section*>(std::as_const(*this).findSection(name));
}

const Ini::Line* Ini::findKey(const Section& s, std::string_view key) {
  key = trim(key);
  for (const Line& l : s.lines)
    if (l.isKey && iniNamesEqual(l.key, key)) return &l;
  return nullptr;
}

std::string Ini::readString(std::string_view section, std::string_view key,
                            std::string_view defaultValue) const {
  const Section* s = findSection(section);
  const Line* l = s ? findKey(*s, key) : nullptr;
  if (!l) return std::string(defaultValue);
  std::string_view v = l->value;
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    v = v.substr(1, v.size() - 2);
  return std::string(v);
}

int Ini::readInteger(std::string_view section, std::string_view key, int defaultValue) const {
  if (!hasKey(section, key)) return defaultValue;
  // A quoted value may hold blanks around the number.
  const std::string quoted = readString(section, key, "");
  const std::string_view v = trim(quoted);
  if (v.empty()) return defaultValue;
  size_t i = 0;
  bool negative = false;
  if (v[i] == '+' || v[i] == '-') negative = v[i++] == '-';
  // Saturate rather than wrap: a huge number in a hand-edited file stays huge.
  int64_t n = 0;
  constexpr int64_t kLimit = int64_t(std::numeric_limits<int>::max()) + 1;
  for (; i < v.size() && v[i] >= '0' && v[i] <= '9'; ++i) {
    n = n * 10 + (v[i] - '0');
    if (n > kLimit) n = kLimit;
  }
  if (negative) n = -n;
  if (n > std::numeric_limits<int>::max()) n = std::numeric_limits<int>::max();
  return int(n);
}

bool Ini::readBool(std::string_view section, std::string_view key, bool defaultValue) const {
  return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool Ini::changed() {
  modified_ = true;
  return autoSave_ ? save() : true;
}

bool Ini::writeString(std::string_view section, std::string_view key, std::string_view value) {
  section = trim(section);
  key = trim(key);
  if (section.empty() || hasLineBreak(section) ||
      findCp932(section, ']') != std::string_view::npos || endsInsideCharacter(section))
    return false;
  if (key.empty() || hasLineBreak(key) || key.find('=') != std::string_view::npos ||
      key.front() == ';' || key.front() == '[')
    return false;
  value = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
  // Values are trimmed and lose one pair of quotes when read: a value with a blank at either
  // end (a path), or one that is itself quoted, is written in quotes so it reads back whole.
  std::string quoted;
  const bool selfQuoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                          value.back() == value.front();
  if (!value.empty() && (isBlank(value.front()) || isBlank(value.back()) || selfQuoted)) {
    quoted = "\"" + std::string(value) + "\"";
    value = quoted;
  }

  if (sections_.empty()) sections_.push_back(Section{});
  Section* s = findSection(section);
  if (!s) {
    Section added;
    added.hasHeader = true;
    added.name = std::string(section);
    added.rawHeader = "[" + added.name + "]";
    sections_.push_back(std::move(added));
    s = &sections_.back();
  }
  Line* existing = const_cast<Line*>(findKey(*s, key));
  if (existing) {
    // Keep the key as the file spells it; only the value changes.
    std::string raw = existing->key + "=" + std::string(value);
    if (raw == existing->raw) return true;
    existing->raw = std::move(raw);
    existing->value = std::string(trim(value));
    return changed();
  }
  Line line;
  line.isKey = true;
  line.key = std::string(key);
  line.value = std::string(trim(value));
  line.raw = line.key + "=" + std::string(value);
  // After the section's last non-blank line, so a blank line before the next section stays.
  size_t at = s->lines.size();
  while (at > 0 && trim(s->lines[at - 1].raw).empty()) --at;
  s->lines.insert(s->lines.begin() + ptrdiff_t(at), std::move(line));
  return changed();
}

bool Ini::writeInteger(std::string_view section, std::string_view key, int value) {
  return writeString(section, key, std::to_string(value));
}

bool Ini::writeBool(std::string_view section, std::string_view key, bool value) {
  return writeString(section, key, value ? "1" : "0");
}

bool Ini::deleteKey(std::string_view section, std::string_view key) {
  section = trim(section);
  key = trim(key);
  bool removed = false;
  for (Section& s : sections_) {
    if (!s.hasHeader || !iniNamesEqual(s.name, section)) continue;
    removed |= std::erase_if(s.lines, [&](const Line& l) {
                 return l.isKey && iniNamesEqual(l.key, key);
               }) > 0;
  }
  return removed ? changed() : true;
}

bool Ini::eraseSection(std::string_view section) {
  section = trim(section);
  size_t removed = std::erase_if(
      sections_, [&](const Section& s) { return s.hasHeader && iniNamesEqual(s.name, section); });
  return removed > 0 ? changed() : true;
}

bool Ini::hasSection(std::string_view section) const { return findSection(section) != nullptr; }

bool Ini::hasKey(std::string_view section, std::string_view key) const {
  const Section* s = findSection(section);
  return s && findKey(*s, key);
}

std::vector<std::string> Ini::sectionNames() const {
  std::vector<std::string> names;
  for (const Section& s : sections_)
    if (s.hasHeader && findSection(s.name) == &s) names.push_back(s.name);
  return names;
}

std::vector<std::string> Ini::keyNames(std::string_view section) const {
  std::vector<std::string> names;
  const Section* s = findSection(section);
  if (!s) return names;
  for (const Line& l : s->lines)
    if (l.isKey && findKey(*s, l.key) == &l) names.push_back(l.key);
  return names;
}

}  // namespace nv
