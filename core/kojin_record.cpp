// The profile record inside menu and lunch-box files: fourteen 128-byte blocks, each one
// NUL-terminated text (name; the settings line; height; weight; ten requirements).
#include <locale.h>
#include <stdlib.h>

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "core/kojin_data.h"
#include "platform/binio.h"
#include "platform/text.h"

namespace nv {
namespace {

constexpr const char kSettingsFormat[] = "%3d %3d %3d %3d %3d %3d %3d %2d %2d %2s %4d";
constexpr int kSettingsItems = 11;
constexpr int kSettingsItemsBeforeCapacity = 10;

// "%lf" without the process locale (Qt sets the user's, which may use a decimal comma).
std::string realText(double value) {
  char buf[400];
  auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 6);
  if (r.ec == std::errc() && size_t(r.ptr - buf) < kKojinBlockSize) return std::string(buf, r.ptr);
  // Too long for its block: the shortest exact form, which "%lf" reads back all the same.
  r = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, r.ptr);
}

locale_t cLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
  return c;
}

// Scans one "%lf" from text; leaves value alone when there is no number.
void scanReal(const std::string& text, double& value) {
  const char* begin = text.c_str();
  char* end = nullptr;
  double v = cLocale() ? strtod_l(begin, &end, cLocale()) : strtod(begin, &end);
  if (end != begin) value = v;
}

bool isOneOf(const std::string& s, std::initializer_list<const std::string*> options) {
  return std::any_of(options.begin(), options.end(), [&](const std::string* o) { return s == *o; });
}

// The widest value a "%<width>d" scan reads back whole: 999 for 3, -99 at the low end.
int32_t fitWidth(int32_t value, int width) {
  int32_t high = 9;
  for (int i = 1; i < width; ++i) high = high * 10 + 9;
  return std::clamp(value, -(high / 10), high);
}

}  // namespace

void TKojinData::writeRecord(ByteWriter& out, const KojinViewState& view) const {
  out.fixedText(name_, kKojinBlockSize);
  // The line is read back with the same field widths, so a wider number would run into the
  // next item and shift the rest: every item is kept within what its width can read back.
  // The state must be one of the two-byte captions for "%2s" to read it back.
  const bool knownState =
      isOneOf(windowState, {&windowStateShort(), &windowStateMedium(), &windowStateFull()});
  const std::string& state = knownState ? windowState : windowStateShort();
  const int32_t tab = (view.activeMealTab >= 0 && view.activeMealTab <= 3) ? view.activeMealTab : 0;
  out.fixedText(cformat(kSettingsFormat, fitWidth(age, 3), fitWidth(sex, 3), fitWidth(mealSplit, 3),
                        fitWidth(activityLevel, 3), pregnant ? 1 : 0, lactating ? 1 : 0,
                        withinSixMonths ? 1 : 0, view.graphByNutrient ? 1 : 0, tab, state.c_str(),
                        fitWidth(lunchBoxCapacity, 4)),
                kKojinBlockSize);
  out.fixedText(realText(height), kKojinBlockSize);
  out.fixedText(realText(weight), kKojinBlockSize);
  for (double r : requirements) out.fixedText(realText(r), kKojinBlockSize);
}

Result TKojinData::readRecord(ByteReader& in, KojinViewState* view) {
  std::string_view block;
  if (!in.readBytes(kKojinBlockSize, block)) return Result::failure("no name block");
  setName(fixedFieldText(block));

  // The settings block is taken as far as the input goes, but no shorter than 35 bytes.
  const size_t available = std::min(kKojinBlockSize, in.remaining());
  if (available < kKojinSettingsMinBytes) return Result::failure("no settings block");
  in.readBytes(available, block);
  const std::string line(block.substr(0, block.find('\0')));
  int v[10] = {};
  char state[3] = {};
  int count = std::sscanf(line.c_str(), kSettingsFormat, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5],
                          &v[6], &v[7], &v[8], state, &v[9]);
  Result result;
  if (count != kSettingsItems && count != kSettingsItemsBeforeCapacity)
    result.tell(messageBox(sj("個人データの取得で、設定情報を 11 個取得できませんでした"),
                           sj("確認"), Icon::None));
  // Items are taken in order as far as the scan got.
  if (count >= 1) age = v[0];
  if (count >= 2) sex = v[1];
  if (count >= 3) mealSplit = v[2];
  if (count >= 4) activityLevel = v[3];
  if (count >= 5) pregnant = v[4] != 0;
  if (count >= 6) lactating = v[5] != 0;
  if (count >= 7) withinSixMonths = v[6] != 0;
  if (count >= 8 && view) view->graphByNutrient = v[7] != 0;
  if (count >= 9 && view) view->activeMealTab = (v[8] >= 0 && v[8] <= 3) ? v[8] : 0;
  if (count >= 10) windowState = state;
  if (count == kSettingsItems) lunchBoxCapacity = v[9];
  if (count == kSettingsItemsBeforeCapacity) lunchBoxCapacity = kDefaultLunchBoxCapacity;

  // The tables and the dialog know only these values; a hostile record must not index past
  // them. The shares follow the split index, which is all the record keeps of them.
  if (sex != 0 && sex != 1) sex = 0;
  activityLevel = std::clamp(activityLevel, 0, 3);
  setMealSplit(mealSplit);
  windowState = windowState.substr(0, 2);
  if (!isOneOf(windowState, {&windowStateShort(), &windowStateMedium(), &windowStateFull()}))
    windowState = windowStateShort();
  lookUpGroupTargets();

  auto nextBlock = [&](double& value) {
    if (!in.readBytes(kKojinBlockSize, block)) return false;
    scanReal(fixedFieldText(block), value);
    return true;
  };
  if (!nextBlock(height) || !nextBlock(weight)) return result.fail("the record ends early");
  for (double& r : requirements)
    if (!nextBlock(r)) return result.fail("the record ends early");
  return result;
}

}  // namespace nv
