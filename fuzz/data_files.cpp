// Fuzzes the load of the data file NV.nv with its add-dish file NV_ADD.nv (the input split in
// two at a point its first two bytes give). Tables that loaded whole must write and load back
// to the same bytes; combining must refuse, changing neither file, unless both read whole.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/food.h"
#include "core/kondate_data.h"
#include "core/nv_file.h"
#include "fuzz/scratch_folder.h"
#include "fuzz/silent_prompt.h"
#include "platform/binio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  nvfuzz::installSilentPrompt();
  if (size < 2) return 0;
  const size_t split = std::min(size - 2, size_t(data[0] | (data[1] << 8)));
  const std::string_view rest(reinterpret_cast<const char*>(data) + 2, size - 2);
  const std::string dataFile = nvfuzz::scratchFile("NV.nv");
  const std::string addFile = nvfuzz::scratchFile("NV_ADD.nv");
  nvfuzz::putFile(dataFile, rest.substr(0, split));
  nvfuzz::putFile(addFile, rest.substr(split));

  nv::TFoodData foods;
  nv::TKondateData dishes;
  const bool dataWhole = nv::loadDataFile(dataFile, foods, dishes, nullptr).ok();
  nv::TKondateData addedOnly;
  const bool addWhole =
      nv::loadAddFile(addFile, dishes).ok() && addedOnly.readAddFile(addFile).ok();
  (void)dishes.rowsWithPrefix("", true);
  (void)dishes.largestNumber();

  if (dataWhole) {
    const std::string bytes = nv::dataFileBytes(foods, dishes, nullptr);
    nv::TFoodData foods2;
    nv::TKondateData dishes2;
    nv::ByteReader in(bytes);
    if (!foods2.readSection(in, nullptr).ok() || !dishes2.readBaseSection(in, nullptr).ok())
      std::abort();
    if (nv::dataFileBytes(foods2, dishes2, nullptr) != bytes) std::abort();
  }
  {
    // Added dishes of two base categories of one name join the first on reading, so the
    // first round trip may regroup them; after it the bytes must hold still.
    auto roundTrip = [](const nv::TKondateData& from) {
      nv::ByteWriter out;
      from.writeAddedSection(out, nullptr);
      nv::TKondateData back;
      nv::ByteReader in(out.data());
      if (!back.readAddedSection(in).ok()) std::abort();
      return back;
    };
    const nv::TKondateData once = roundTrip(dishes);
    nv::ByteWriter a, b;
    once.writeAddedSection(a, nullptr);
    roundTrip(once).writeAddedSection(b, nullptr);
    if (a.data() != b.data()) std::abort();
  }

  const std::string dataBefore = nvfuzz::getFile(dataFile);
  const std::string addBefore = nvfuzz::getFile(addFile);
  const bool combined = dishes.combine(foods, dataFile, addFile, {}, &nv::prompt()).ok();
  if (dataWhole && addWhole && !combined) std::abort();
  if (!(dataWhole && addWhole)) {
    if (combined || nvfuzz::getFile(dataFile) != dataBefore ||
        nvfuzz::getFile(addFile) != addBefore)
      std::abort();
  }
  return 0;
}
