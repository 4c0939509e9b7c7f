// The dish section: NV.nv after the food section, and NV_ADD.nv on its own.
#include <filesystem>
#include <memory>
#include <unordered_map>

#include "core/converted_file.h"
#include "core/kondate_data.h"
#include "platform/binio.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace nv {
namespace {

constexpr size_t kMagicBytes = 128;
// What the smallest category and dish occupy (record + count), to bound hostile counts.
constexpr size_t kMinOrderBytes = kOrderRecordSize + 4;
constexpr size_t kMinKondateBytes = kKondateRecordSize + 4;
// Past this many dishes in a category the writer shows its progress window.
constexpr size_t kProgressDishes = 10;

void writeKondate(ByteWriter& out, const TKondate& k) {
  out.int32(k.number);
  out.fixedText(k.name, 48);
  out.zeros(4);
  out.f64(k.standardWeight);
  out.zeros(8);  // ingredient and link pointers of the in-memory list
  out.int32(int32_t(k.foods.size()));
  writeUsedFoods(out, k.foods);
}

// Checks magic and version, failing with the program's boxes; a failure leaves the reader
// wherever it is.
Result readHeader(ByteReader& in) {
  std::string_view magic;
  if (!in.readBytes(kMagicBytes, magic) || magic[0] == '\0' ||
      fixedFieldText(magic) != kKondateMagic)
    return Result::failure(
        messageBox(sj("Nuvelta の献立データではないようです"), sj("確認"), Icon::Stop),
        "no dish section");
  int32_t version = 0;
  if (!in.readInt32(version)) version = 0;
  if (version != kKondateSectionVersion)
    return Result::failure(
        messageBox(cformat(sj("現在のバージョン=%d ファイルのバージョン=%d です").c_str(),
                           kKondateSectionVersion, version),
                   sj("献立データのバージョンが異なるので、読み込めません。"), Icon::Stop),
        "another dish section version");
  return {};
}

Result damaged() {
  return Result::failure(messageBox(sj("献立データが壊れているので、読み込めた所までを使います。"),
                                    sj("確認"), Icon::Stop),
                         "the dish section is damaged");
}

// One dish with its ingredients; false (nothing taken) when the input ends inside it or its
// count is impossible.
bool readKondate(ByteReader& in, TKondate& k) {
  std::string_view rec;
  int32_t count = 0;
  if (!in.readBytes(kKondateRecordSize, rec) || !in.readInt32(count) ||
      !in.canHold(count, kUsedFoodRecordSize))
    return false;
  k.number = getInt32LE(rec.data());
  k.name = fixedFieldText(rec.substr(4, 48));
  k.standardWeight = getDoubleLE(rec.data() + 56);
  k.foods.clear();
  k.foods.reserve(size_t(count));
  for (int32_t i = 0; i < count; ++i) {
    std::string_view f;
    in.readBytes(kUsedFoodRecordSize, f);  // cannot fail: canHold checked above
    k.foods.push_back(readUsedFoodRecord(f.data()));
  }
  return true;
}

}  // namespace

void TKondateData::writeSection(ByteWriter& out, bool added, ProgressOpener* opener) const {
  out.fixedText(kKondateMagic, kMagicBytes);
  out.int32(kKondateSectionVersion);
  out.int32(int32_t(orders_.size()));
  for (const TOrder& o : orders_) {
    out.fixedText(o.name, 48);
    out.zeros(kOrderRecordSize - 48);
    const TKondateList& list = added ? o.added : o.base;
    out.int32(int32_t(list.size()));
    std::unique_ptr<Progress> progress;
    if (list.size() > kProgressDishes)
      progress = openProgress(opener, sj("献立データを書き込んでいます"), 0, int64_t(list.size()));
    int64_t written = 0;
    for (const TKondate* k : dishesByName(list)) {
      writeKondate(out, *k);
      if (progress) progress->setPosition(++written);
    }
  }
}

void TKondateData::writeBaseSection(ByteWriter& out, ProgressOpener* progress) const {
  writeSection(out, false, progress);
}
void TKondateData::writeAddedSection(ByteWriter& out, ProgressOpener* progress) const {
  writeSection(out, true, progress);
}

Result TKondateData::readSection(ByteReader& in, bool added, ProgressOpener* opener) {
  if (Result header = readHeader(in); !header.ok()) return header;
  std::unique_ptr<Progress> progress = openProgress(opener, sj("献立のデータを読み込んでいます"),
                                                    int64_t(in.position()), int64_t(in.size()));
  if (!added) orders_.clear();
  int32_t orderCount = 0;
  bool whole = in.readInt32(orderCount) && orderCount >= 0;
  // Added categories by name, so that a file of many is read in one pass.
  std::unordered_map<std::string, size_t> orderIndex;
  if (added)
    for (size_t i = 0; i < orders_.size(); ++i) orderIndex.try_emplace(orders_[i].name, i);
  for (int32_t i = 0; whole && i < orderCount; ++i) {
    std::string_view rec;
    int32_t dishCount = 0;
    if (!in.canHold(1, kMinOrderBytes) || !in.readBytes(kOrderRecordSize, rec) ||
        !in.readInt32(dishCount) || dishCount < 0) {
      whole = false;
      break;
    }
    std::string name = fixedFieldText(rec.substr(0, 48));
    // Base categories are kept as they come; added ones join the category of their name.
    TOrder* order = nullptr;
    if (!added) {
      orders_.push_back(TOrder::make(name));
      order = &orders_.back();
    } else {
      std::string cut = cutBytes(name, kKondateNameBytes);
      const auto [at, isNew] = orderIndex.try_emplace(cut, orders_.size());
      if (isNew) orders_.push_back(TOrder::make(cut));
      order = &orders_[at->second];
    }
    TKondateList& list = added ? order->added : order->base;
    if (in.canHold(dishCount, kMinKondateBytes)) list.reserve(list.size() + size_t(dishCount));
    for (int32_t d = 0; d < dishCount; ++d) {
      TKondate k;
      if (!readKondate(in, k)) {
        whole = false;
        break;
      }
      list.push_back(std::move(k));
    }
    if (progress) progress->setPosition(int64_t(in.position()));
  }
  progress.reset();
  return whole ? Result() : damaged();
}

Result TKondateData::readBaseSection(ByteReader& in, ProgressOpener* progress) {
  return readSection(in, false, progress);
}

Result TKondateData::readAddedSection(ByteReader& in) { return readSection(in, true, nullptr); }

Result TKondateData::readAddFile(std::string_view path) {
  std::string bytes;
  if (!readFile(path, bytes)) {
    // Missing is no error to tell; something there that cannot be read (a FIFO, a device, a
    // file of absurd size, no permission) is said, as its dishes are not in the lists.
    std::error_code ec;
    if (std::filesystem::symlink_status(toFsPath(path), ec).type() ==
        std::filesystem::file_type::not_found)
      return Result::failure("no add-dish file");
    return Result::failure(
        messageBox(std::string(path), sj("追加献立ファイルを読み込めません"), Icon::Stop),
        "the add-dish file cannot be read");
  }
  ByteReader in(bytes);
  return readAddedSection(in);
}

bool addFileMayBeReplaced(std::string_view path) {
  std::error_code ec;
  if (std::filesystem::symlink_status(toFsPath(path), ec).type() ==
      std::filesystem::file_type::not_found)
    return true;
  std::string bytes;
  if (!readFile(path, bytes)) return false;  // a folder, a FIFO, no permission
  if (bytes.empty()) return true;            // nothing there to lose
  ByteReader in(bytes);
  std::string_view magic;
  int32_t version = 0;
  return in.readBytes(kMagicBytes, magic) && fixedFieldText(magic) == kKondateMagic &&
         in.readInt32(version) && version == kKondateSectionVersion;
}

namespace {

// A damaged add-dish file still holds the dishes past the damage, which the program cannot
// read but a person may mend: it is kept beside the file that replaces it.
bool addFileReadsWhole(std::string_view path) {
  std::string bytes;
  if (!readFile(path, bytes) || bytes.empty()) return true;
  ByteReader in(bytes);
  TKondateData read;
  const Result r = read.readAddedSection(in);
  return r.ok() && r.messages().empty();
}

}  // namespace

Result TKondateData::writeAddFile(std::string_view path, ProgressOpener* progress) {
  if (!modified_) return {};
  // The file may be the data file or anything else a chooser offered: what did not read as
  // added dishes is never written over.
  if (!addFileMayBeReplaced(path))
    return Result::failure(
        messageBox(std::string(path) + sj("\n\nこのファイルは追加献立のデータではないため、"
                                          "上書きしません。"),
                   sj("追加献立ファイルに書き込めません"), Icon::Stop),
        "not an add-dish file");
  const bool whole = addFileReadsWhole(path);
  ByteWriter out;
  writeAddedSection(out, progress);
  if (!whole) {
    Result kept = replaceKeepingBackup(path, out.data(), "追加献立ファイルに書き込めません");
    if (kept.ok()) modified_ = false;
    return kept;
  }
  if (!writeFileAtomic(path, out.data()))
    return Result::failure(
        messageBox(std::string(path), sj("追加献立ファイルに書き込めません"), Icon::Stop),
        "cannot write the add-dish file");
  modified_ = false;
  return {};
}

}  // namespace nv
