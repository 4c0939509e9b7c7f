// Feeds arbitrary bytes as an add-dish file into a database with base dishes, then registers,
// deletes and combines; the added dishes must write and read back unchanged.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/food.h"
#include "core/kondate_data.h"
#include "fuzz/silent_prompt.h"
#include "platform/binio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  nvfuzz::installSilentPrompt();
  nv::TKondateData db;
  db.findOrAppendOrder("a").base.push_back(nv::TKondate::make(1, "x"));
  nv::ByteReader in(std::string_view(reinterpret_cast<const char*>(data), size));
  db.readAddedSection(in);

  nv::ByteWriter out;
  db.writeAddedSection(out);
  nv::TKondateData again;
  nv::ByteReader back(out.data());
  if (!again.readAddedSection(back)) __builtin_trap();
  nv::ByteWriter out2;
  again.writeAddedSection(out2);
  if (out2.data() != out.data()) __builtin_trap();

  // The file may already hold an added "y" (in "a" it is replaced, elsewhere the silent "Yes"
  // moves it), so the counts only hold for a new name.
  bool known = false;
  for (const nv::TOrder& order : db.orders())
    for (const nv::TKondate& dish : order.added) known = known || dish.name == "y";
  size_t before = db.dishCount();
  const nv::TFoodData noFoods;
  if (!db.RegistKondate("a", "y", {{"f", "1"}, {"g", "0"}}, noFoods)) __builtin_trap();
  if (!known && db.dishCount() != before + 1) __builtin_trap();
  db.DeleteAddedKondate("a", "y");
  (void)db.rowsOfAdded();
  db.combineAdded();
  if (!known && db.dishCount() != before) __builtin_trap();
  return 0;
}
