#include "bento/model/recipe_layout.h"

#include <algorithm>
#include <optional>
#include <tuple>

#include "platform/text.h"

namespace nv {

namespace {

struct Ruby {
  std::string word;  // CP932
  size_t plainChars;
  std::string reading;
};

// Words whose first characters are written plainly and whose rest gets the reading.
const std::vector<Ruby>& headTable() {
  static const std::vector<Ruby> t = [] {
    std::vector<Ruby> r;
    for (auto [w, n, rd] : {std::tuple{"レモン汁", 3, "じる"},
                            {"つけ汁", 2, "じる"},
                            {"だし汁", 2, "じる"},
                            {"ご飯", 1, "はん"},
                            {"パン粉", 2, "こ"}})
      r.push_back({sj(w), static_cast<size_t>(n), sj(rd)});
    return r;
  }();
  return t;
}

// Whole words with their readings, tested after the table above and in this order.
const std::vector<Ruby>& wordTable() {
  static const std::vector<Ruby> t = [] {
    std::vector<Ruby> r;
    for (auto [w, rd] : {std::pair{"枚", "まい"},
                         {"株", "かぶ"},
                         {"束", "たば"},
                         {"汁", "しる"},
                         {"煮汁", "にじる"},
                         {"炒", "いた"},
                         {"煮", "に"},
                         {"小麦粉", "こむぎこ"},
                         {"醤油", "しょうゆ"},
                         {"人参", "にんじん"},
                         {"豚肉", "ぶたにく"},
                         {"短冊", "たんざく"},
                         {"肉汁", "にくじる"}})
      r.push_back({sj(w), 0, sj(rd)});
    return r;
  }();
  return t;
}

const std::vector<std::string>& hangingChars() {
  static const std::vector<std::string> t = [] {
    std::vector<std::string> r;
    for (const char* c : {"、", "。", "」", ")", "）", "，", ",", ".", "っ", "ゃ", "ゅ", "ょ"})
      r.push_back(sj(c));
    return r;
  }();
  return t;
}

size_t charLength(std::string_view text, size_t p) {
  return (isCp932LeadByte(static_cast<unsigned char>(text[p])) && p + 1 < text.size()) ? 2 : 1;
}

// Byte length of the first n characters.
size_t prefixBytes(std::string_view text, size_t n) {
  size_t p = 0;
  for (; n > 0 && p < text.size(); --n) p += charLength(text, p);
  return p;
}

bool startsWith(std::string_view text, size_t p, std::string_view word) {
  return text.substr(p, word.size()) == word;
}

class Writer {
 public:
  Writer(const TextMeasurer& m, int size, StepLayout& out)
      : m_(m), size_(size), rsize_(size * 6 / 10), out_(out) {}

  void plain(int& x, int y, std::string_view text) {
    // Characters following each other on a line join one run.
    if (!out_.runs.empty()) {
      PlacedRun& last = out_.runs.back();
      if (last.reading.empty() && last.page == page_ && last.y == y && endX_ == x &&
          !lastIsNumber_) {
        last.text += text;
        x += m_.width(text, size_);
        endX_ = x;
        return;
      }
    }
    out_.runs.push_back({page_, x, y, std::string(text), {}, 0, 0});
    lastIsNumber_ = false;
    x += m_.width(text, size_);
    endX_ = x;
  }

  void setPage(int page) { page_ = page; }

  void number(int x, int y, std::string_view text) {
    out_.runs.push_back({page_, x, y, std::string(text), {}, 0, 0});
    lastIsNumber_ = true;
  }

  void withReading(int& x, int y, std::string_view word, std::string_view reading) {
    const int w = m_.width(word, size_);
    const int rw = m_.width(reading, rsize_);
    const int rh = m_.height(reading, rsize_);
    out_.runs.push_back(
        {page_, x, y, std::string(word), std::string(reading), x + (w - rw) / 2, y - rh});
    lastIsNumber_ = false;
    x += w;
  }

 private:
  const TextMeasurer& m_;
  int size_;
  int rsize_;
  StepLayout& out_;
  bool lastIsNumber_ = false;
  int endX_ = 0;  // where the last plain run ends
  int page_ = 0;
};

}  // namespace

bool layoutSteps(const std::vector<std::string>& steps, const TextMeasurer& m, int size,
                 const LayoutArea& area, StepLayout& out) {
  return layoutSteps(steps, m, size, std::vector<LayoutArea>{area}, out);
}

bool layoutSteps(const std::vector<std::string>& steps, const TextMeasurer& m, int size,
                 const std::vector<LayoutArea>& areas, StepLayout& out) {
  out = {};
  out.fontSize = size;
  out.readingSize = size * 6 / 10;
  if (areas.empty()) return steps.empty();
  Writer w(m, size, out);
  const int h = 2 * m.height(sj("国"), size);
  out.lineHeight = h;
  size_t page = 0;
  LayoutArea area = areas[0];
  int x0 = area.left + m.width("XX.", size);
  int soft = area.right - m.width(sj("国国"), size);
  int y = area.top + h / 2;
  // The next page's area, when there is one: false on the last page.
  auto turnPage = [&] {
    if (page + 1 >= areas.size()) return false;
    area = areas[++page];
    x0 = area.left + m.width("XX.", size);
    soft = area.right - m.width(sj("国国"), size);
    y = area.top + h / 2;
    w.setPage(int(page));
    out.pages = int(page) + 1;
    return true;
  };

  for (size_t i = 0; i < steps.size(); ++i) {
    const std::string_view text = steps[i];
    w.number(area.left, y, cformat("%2d.", static_cast<int>(i + 1)));
    out.lines.push_back({int(page), y});
    int x = x0;
    size_t p = 0;
    bool lineStart = true;
    while (p < text.size()) {
      if (x >= soft) {
        const auto& hang = hangingChars();
        const bool hangs = std::any_of(
            hang.begin(), hang.end(), [&](const std::string& c) { return startsWith(text, p, c); });
        if (!(hangs && x < area.right)) {
          y += h;
          x = x0;
          lineStart = true;
          if (y + h >= area.bottom && !turnPage()) break;
          out.lines.push_back({int(page), y});
        }
      }
      // A word with a reading, from either table or written as *base*reading*.
      std::optional<Ruby> ruby;
      for (const Ruby& r : headTable())
        if (startsWith(text, p, r.word)) {
          ruby = r;
          break;
        }
      if (!ruby)
        for (const Ruby& r : wordTable())
          if (startsWith(text, p, r.word)) {
            ruby = r;
            break;
          }
      if (!ruby && text[p] == '*') {
        const size_t q = text.find('*', p + 1);
        const size_t e = q == std::string_view::npos ? q : text.find('*', q + 1);
        if (e != std::string_view::npos && q > p + 1)
          ruby = Ruby{std::string(text.substr(p, e + 1 - p)), 0,
                      std::string(text.substr(q + 1, e - q - 1))};
      }
      if (ruby) {
        const bool marked = ruby->word[0] == '*';
        const std::string base =
            marked ? ruby->word.substr(1, ruby->word.find('*', 1) - 1) : ruby->word;
        // A word that would cross the soft edge starts the next line; a word wider than a
        // whole line is written where it is, or the line would break forever.
        if (x + m.width(base, size) > soft && !lineStart) {
          x = std::max(x, soft);
          continue;
        }
        const size_t head = prefixBytes(base, ruby->plainChars);
        if (head > 0) w.plain(x, y, std::string_view(base).substr(0, head));
        w.withReading(x, y, std::string_view(base).substr(head), ruby->reading);
        p += ruby->word.size();
        lineStart = false;
        continue;
      }
      const size_t n = charLength(text, p);
      w.plain(x, y, text.substr(p, n));
      p += n;
      lineStart = false;
    }
    if (p >= text.size()) out.wholeSteps = int(i) + 1;
    // The next step needs a line of its own below this one, here or on the next page.
    if (y + 2 * h < area.bottom)
      y += h;
    else if (i + 1 == steps.size() || !turnPage())
      return false;
  }
  return true;
}

StepLayout layoutStepsFitting(const std::vector<std::string>& steps, const TextMeasurer& m,
                              const LayoutArea& area) {
  StepLayout out;
  for (int size = 14; size >= 8; --size) {
    if (layoutSteps(steps, m, size, area, out)) {
      out.fits = true;
      return out;
    }
  }
  out.fits = false;
  return out;
}

StepLayout layoutStepsFitting(const std::vector<std::string>& steps, const TextMeasurer& m,
                              const LayoutArea& first, const LayoutArea& continuation) {
  StepLayout out = layoutStepsFitting(steps, m, first);
  if (out.fits) return out;
  const std::vector<LayoutArea> both{first, continuation};
  for (int size = 14; size >= 8; --size) {
    if (layoutSteps(steps, m, size, both, out)) {
      out.fits = true;
      return out;
    }
  }
  out.fits = false;
  return out;
}

}  // namespace nv
