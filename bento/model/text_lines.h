#pragma once
// The lines of one multi-line text of a dish (ingredients, quantities, steps), kept in one
// buffer: a line is a view into it, not a string of its own, so a text of many short lines
// costs little more than its bytes.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace nv {

class TextLines {
 public:
  class const_iterator {
   public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string_view;

    const_iterator() = default;
    const_iterator(const TextLines* lines, size_t i) : lines_(lines), i_(i) {}
    std::string_view operator*() const { return (*lines_)[i_]; }
    std::string_view operator[](difference_type n) const { return (*lines_)[i_ + size_t(n)]; }
    const_iterator& operator++() { return ++i_, *this; }
    const_iterator operator++(int) { return {lines_, i_++}; }
    const_iterator& operator--() { return --i_, *this; }
    const_iterator operator--(int) { return {lines_, i_--}; }
    const_iterator& operator+=(difference_type n) { return i_ += size_t(n), *this; }
    const_iterator& operator-=(difference_type n) { return i_ -= size_t(n), *this; }
    friend const_iterator operator+(const_iterator a, difference_type n) { return a += n; }
    friend const_iterator operator+(difference_type n, const_iterator a) { return a += n; }
    friend const_iterator operator-(const_iterator a, difference_type n) { return a -= n; }
    friend difference_type operator-(const_iterator a, const_iterator b) {
      return difference_type(a.i_) - difference_type(b.i_);
    }
    bool operator==(const const_iterator& o) const { return i_ == o.i_; }
    auto operator<=>(const const_iterator& o) const { return i_ <=> o.i_; }

   private:
    const TextLines* lines_ = nullptr;
    size_t i_ = 0;
  };
  using value_type = std::string_view;
  using iterator = const_iterator;

  TextLines() = default;
  TextLines(std::initializer_list<std::string_view> lines) {
    for (std::string_view l : lines) push_back(l);
  }
  explicit TextLines(const std::vector<std::string>& lines) {
    for (const std::string& l : lines) push_back(l);
  }

  size_t size() const { return ends_.size(); }
  bool empty() const { return ends_.empty(); }
  std::string_view operator[](size_t i) const {
    const size_t begin = i == 0 ? 0 : ends_[i - 1];
    return std::string_view(text_).substr(begin, ends_[i] - begin);
  }
  std::string_view front() const { return (*this)[0]; }
  std::string_view back() const { return (*this)[size() - 1]; }
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size()}; }

  void push_back(std::string_view line) {
    text_.append(line);
    ends_.push_back(text_.size());
  }
  void clear() {
    text_.clear();
    ends_.clear();
  }
  void reserve(size_t lines, size_t bytes) {
    ends_.reserve(lines);
    text_.reserve(bytes);
  }
  // Bytes of all lines together.
  size_t textBytes() const { return text_.size(); }

  std::vector<std::string> toList() const { return {begin(), end()}; }

  bool operator==(const TextLines& o) const { return ends_ == o.ends_ && text_ == o.text_; }
  friend bool operator==(const TextLines& a, const std::vector<std::string>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < b.size(); ++i)
      if (a[i] != b[i]) return false;
    return true;
  }

 private:
  std::string text_;          // the lines back to back, without line breaks
  std::vector<size_t> ends_;  // where each line ends in text_
};

}  // namespace nv
