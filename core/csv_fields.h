#pragma once
// How the CSV readers (foods, dishes, the lunch-box dishes) take a line apart: a field runs to
// the next comma. There is no quoting: the schools' files have none, and a quote is kept as
// part of its field.
#include <string_view>

namespace nv {

class CsvFields {
 public:
  explicit CsvFields(std::string_view line) : rest_(line) {}

  // The next field, and whether a comma ended it. The last field of the line gives false;
  // every call after it gives "" and false.
  bool next(std::string_view& field) {
    const size_t comma = rest_.find(',');
    field = rest_.substr(0, comma);
    if (comma == std::string_view::npos) {
      rest_ = {};
      return false;
    }
    rest_.remove_prefix(comma + 1);
    return true;
  }

  // What has not been taken yet.
  std::string_view rest() const { return rest_; }

 private:
  std::string_view rest_;
};

}  // namespace nv
