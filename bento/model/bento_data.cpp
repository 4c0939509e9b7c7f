#include "bento/model/bento_data.h"

#include <algorithm>
#include <cmath>

#include "core/fixed_categories.h"
#include "platform/binio.h"
#include "platform/text.h"

namespace nv {
namespace {

// The smallest dish record: every fixed field, an empty name, no foods, three empty texts.
constexpr size_t kMinDishRecord = 4 + 4 + 4 + 4 + 8 + 8 + 4 + 4 + 4 + 4 + 4;
constexpr size_t kFoodLineSize = 4 + 8;
// Reserve no more than this up front: a count the input can hold still costs several times
// its bytes in memory, so big lists grow as they are actually read.
constexpr size_t kReserveCap = 1024;

bool readString(ByteReader& in, std::string& out) {
  int32_t n;
  if (!in.readInt32(n) || !in.canHold(n, 1)) return false;
  std::string_view bytes;
  if (!in.readBytes(size_t(n), bytes)) return false;
  out.assign(bytes);
  return true;
}

void writeString(ByteWriter& out, std::string_view s) {
  out.int32(int32_t(s.size()));
  out.bytes(s);
}

// A multi-line text back into lines: CR, LF and CR LF all end a line, a NUL ends the text.
// False when it holds more than `room` lines.
bool splitLines(std::string_view text, TextLines& lines, size_t& room) {
  lines.clear();
  size_t count = 0, bytes = 0;
  for (size_t i = 0; i < text.size() && text[i] != '\0';) {
    size_t start = i;
    while (i < text.size() && text[i] != '\0' && text[i] != '\r' && text[i] != '\n') ++i;
    bytes += i - start;
    if (++count > room || count > kMaxTextLines) return false;
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
  }
  room -= count;
  lines.reserve(count, bytes);
  for (size_t i = 0; i < text.size() && text[i] != '\0';) {
    size_t start = i;
    while (i < text.size() && text[i] != '\0' && text[i] != '\r' && text[i] != '\n') ++i;
    lines.push_back(text.substr(start, i - start));
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
  }
  return true;
}

// The text is split where it lies in the input: no copy of it is made.
bool readText(ByteReader& in, TextLines& lines, size_t& room) {
  int32_t n;
  std::string_view bytes;
  if (!in.readInt32(n) || !in.canHold(n, 1) || !in.readBytes(size_t(n), bytes)) return false;
  return splitLines(bytes, lines, room);
}

void writeText(ByteWriter& out, const TextLines& lines) {
  std::string text;
  text.reserve(lines.textBytes() + 2 * lines.size());
  for (std::string_view l : lines) {
    text += l;
    text += "\r\n";
  }
  writeString(out, text);
}

bool readNameList(ByteReader& in, NameList& list) {
  int32_t n;
  if (!in.readInt32(n) || !in.canHold(n, 4) || n > kMaxKitchenEntries) return false;
  list.clear();
  list.reserve(std::min(size_t(n), kReserveCap));
  for (int32_t i = 0; i < n; ++i) {
    std::string s;
    if (!readString(in, s)) return false;
    list.push_back(std::move(s));
  }
  return true;
}

void writeNameList(ByteWriter& out, const NameList& list) {
  out.int32(int32_t(list.size()));
  for (const std::string& s : list) writeString(out, s);
}

bool readDish(ByteReader& in, TBentouData& d, size_t& lineRoom) {
  int32_t foods;
  if (!in.readInt32(d.Number) || !in.readInt32(d.CategoryIndex) || !readString(in, d.Name) ||
      !in.readInt32(foods) || !in.canHold(foods, kFoodLineSize))
    return false;
  d.Foods.reserve(std::min(size_t(foods), kReserveCap));
  for (int32_t i = 0; i < foods; ++i) {
    TBentouShokuhin f;
    if (!in.readInt32(f.FoodNumber) || !in.readDouble(f.Grams)) return false;
    d.Foods.push_back(f);
  }
  return in.readDouble(d.VolumeMl) && in.readDouble(d.SizeFactor) &&
         in.readInt32(d.PlacementIndex) && in.readInt32(d.StorageIndex) &&
         readText(in, d.IngredientLines, lineRoom) && readText(in, d.QuantityLines, lineRoom) &&
         readText(in, d.StepLines, lineRoom);
}

void writeDish(ByteWriter& out, const TBentouData& d) {
  out.int32(d.Number);
  out.int32(d.CategoryIndex);
  writeString(out, d.Name);
  out.int32(int32_t(d.Foods.size()));
  for (const TBentouShokuhin& f : d.Foods) {
    out.int32(f.FoodNumber);
    out.f64(f.Grams);
  }
  out.f64(d.VolumeMl);
  out.f64(d.SizeFactor);
  out.int32(d.PlacementIndex);
  out.int32(d.StorageIndex);
  writeText(out, d.IngredientLines);
  writeText(out, d.QuantityLines);
  writeText(out, d.StepLines);
}

}  // namespace

NameList defaultBentoCategories() { return fixedCategoryNames(); }

void TDaidokoro::clear() {
  Categories.clear();
  Placements.clear();
  Storages.clear();
  Dishes.clear();
}

bool TDaidokoro::read(ByteReader& in) {
  clear();
  if (!readNameList(in, Categories) || !readNameList(in, Placements) ||
      !readNameList(in, Storages)) {
    clear();
    return false;
  }
  int32_t count;
  if (!in.readInt32(count) || !in.canHold(count, kMinDishRecord) || count > kMaxKitchenEntries)
    return false;
  Dishes.reserve(std::min(size_t(count), kReserveCap));
  size_t lineRoom = kMaxKitchenLines;
  for (int32_t i = 0; i < count; ++i) {
    TBentouData d;
    if (!readDish(in, d, lineRoom)) return false;
    Dishes.push_back(std::move(d));
  }
  return true;
}

void TDaidokoro::write(ByteWriter& out) const {
  writeNameList(out, Categories);
  writeNameList(out, Placements);
  writeNameList(out, Storages);
  out.int32(int32_t(Dishes.size()));
  for (const TBentouData& d : Dishes) writeDish(out, d);
}

void TDaidokoro::renumber() {
  int32_t n = 0;
  for (TBentouData& d : Dishes) d.Number = ++n;
}

int32_t TDaidokoro::indexOrAppend(NameList& list, std::string_view name) {
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i] == name) return int32_t(i);
  list.emplace_back(name);
  return int32_t(list.size() - 1);
}

int placedPictureSize(int iconSize, double sizeFactor) {
  double v = std::trunc(double(iconSize) * sizeFactor * 0.5);
  // NaN and absurd factors from a damaged file must not overflow the conversion.
  if (!(v > 0)) return 0;
  if (v > 1e6) return 1000000;
  return int(v);
}

}  // namespace nv
