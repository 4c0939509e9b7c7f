#pragma once
// Decimal numbers typed by people (CSV grams, grid cells), read the same in every locale.
#include <charconv>
#include <string_view>

namespace nv {

// Reads the whole text as a decimal number ("12.5", "-3", "+.5", "1e2"), ignoring blanks
// around it; an empty text is 0. False for anything else (including "inf", "nan", hex).
inline bool parseDecimalText(std::string_view text, double& value) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  value = 0;
  if (text.empty()) return true;
  bool negative = false;
  if (text.front() == '+' || text.front() == '-') {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || !((text.front() >= '0' && text.front() <= '9') || text.front() == '.'))
    return false;
  double v = 0;
  auto [end, ec] =
      std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::general);
  if (ec != std::errc() || end != text.data() + text.size()) return false;
  value = negative ? -v : v;
  return true;
}

}  // namespace nv
