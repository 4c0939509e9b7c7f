// Fuzzes the food-section reader; a section it accepts must survive a write and re-read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/food.h"
#include "platform/binio.h"
#include "platform/prompt.h"

namespace {
class SilentProgress : public nv::Progress {
 public:
  void setPosition(int64_t) override {}
};
class SilentPrompt : public nv::Prompt {
 public:
  nv::Answer messageBox(const std::string&, const std::string&, nv::Icon, nv::Buttons) override {
    return nv::Answer::Ok;
  }
  void message(const std::string&) override {}
  std::unique_ptr<nv::Progress> progress(const std::string&, int64_t, int64_t) override {
    return std::make_unique<SilentProgress>();
  }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static SilentPrompt silent;
  nv::setPrompt(&silent);
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  nv::TFoodData table;
  nv::ByteReader in(bytes);
  if (!table.readSection(in, true)) return 0;
  for (const nv::TFood& f : table.foods()) {
    table.displayName(f.number);
    table.numberOfName(f.name);
  }
  table.listRows();
  nv::ByteWriter out;
  table.writeSection(out);
  nv::TFoodData again;
  nv::ByteReader in2(out.data());
  if (!again.readSection(in2, false) || again.count() != table.count()) std::abort();
  return 0;
}
