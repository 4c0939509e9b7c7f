#include "core/kondate_data.h"

#include <algorithm>

#include "platform/binio.h"
#include "platform/text.h"

namespace nv {

const char kKondateMagic[] = "Nuvelta Kondate Data Version = 1.00";

TKondate TKondate::make(int32_t number, std::string_view name) {
  TKondate k;
  k.number = number;
  k.name = cutBytes(name, kKondateNameBytes);
  return k;
}

TOrder TOrder::make(std::string_view name) {
  TOrder o;
  o.name = cutBytes(name, kKondateNameBytes);
  return o;
}

TOrder* TKondateData::findOrder(std::string_view name) {
  for (TOrder& o : orders_)
    if (o.name == name) return &o;
  return nullptr;
}

const TOrder* TKondateData::findOrder(std::string_view name) const {
  for (const TOrder& o : orders_)
    if (o.name == name) return &o;
  return nullptr;
}

TOrder& TKondateData::findOrAppendOrder(std::string_view name) {
  std::string cut = cutBytes(name, kKondateNameBytes);
  if (TOrder* o = findOrder(cut)) return *o;
  orders_.push_back(TOrder::make(cut));
  return orders_.back();
}

size_t TKondateData::dishCount() const {
  size_t n = 0;
  for (const TOrder& o : orders_) n += o.base.size() + o.added.size();
  return n;
}

int32_t TKondateData::numberOf(std::string_view category, std::string_view dish) const {
  const TOrder* o = findOrder(category);
  if (!o) return 0;
  for (const TKondateList* list : {&o->added, &o->base})
    for (const TKondate& k : *list)
      if (k.name == dish) return k.number;
  return 0;
}

std::string TKondateData::nameOf(int32_t number) const {
  if (orders_.empty()) return sj("不明");
  for (const TOrder& o : orders_)
    for (const TKondateList* list : {&o.base, &o.added})
      for (const TKondate& k : *list)
        if (k.number == number) return k.name;
  return sj("不明な献立");
}

std::optional<TUsedFoodList> TKondateData::ingredientsOf(int32_t number) const {
  for (const TOrder& o : orders_)
    for (const TKondateList* list : {&o.base, &o.added})
      for (const TKondate& k : *list)
        if (k.number == number) return k.foods;
  return std::nullopt;
}

double TKondateData::standardWeightOf(int32_t number, int32_t foodNumber) const {
  for (const TOrder& o : orders_)
    for (const TKondateList* list : {&o.added, &o.base})
      for (const TKondate& k : *list) {
        if (k.number != number) continue;
        double v = foodNumber == 0 ? k.standardWeight : amountOfFood(k.foods, foodNumber);
        if (v != 0) return v;
      }
  return 0;
}

void TKondateData::categoryNames(std::vector<std::string>& out) const {
  out.clear();
  for (const TOrder& o : orders_)
    if (!o.base.empty() || !o.added.empty()) out.push_back(o.name);
}

void TKondateData::dishNamesOf(std::string_view category, std::vector<std::string>& out) const {
  const TOrder* o = findOrder(category);
  if (!o) return;
  for (const TKondateList* list : {&o->base, &o->added})
    for (const TKondate& k : *list)
      if (std::find(out.begin(), out.end(), k.name) == out.end()) out.push_back(k.name);
}

int32_t TKondateData::largestNumber() const {
  int32_t largest = kFirstAddedNumberBase;
  for (const TOrder& o : orders_)
    for (const TKondateList* list : {&o.base, &o.added})
      for (const TKondate& k : *list) largest = std::max(largest, k.number);
  return largest;
}

std::vector<const TKondate*> dishesByName(const TKondateList& list) {
  std::vector<const TKondate*> out;
  out.reserve(list.size());
  for (const TKondate& k : list) out.push_back(&k);
  auto less = [](const TKondate* a, const TKondate* b) { return compareJa(a->name, b->name) < 0; };
  // Data read back from a file is already in order; the check costs one pass.
  if (!std::is_sorted(out.begin(), out.end(), less)) std::stable_sort(out.begin(), out.end(), less);
  return out;
}

}  // namespace nv
