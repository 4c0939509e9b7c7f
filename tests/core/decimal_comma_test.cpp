// Files and fixed-format texts keep a decimal point when the process runs in a locale whose
// decimal sign is a comma (as it does once Qt has set a German or French user's locale).
#include <gtest/gtest.h>

#include "core/kondate_data.h"
#include "core/nutrient_row.h"
#include "decimal_comma_locale.h"
#include "kondate_fixtures.h"

using nvtest::category;
using nvtest::dish;
using nvtest::u8;

TEST(DecimalComma, DishExportAndFixedTextsKeepThePoint) {
  nvtest::DecimalCommaLocale locale;
  ASSERT_TRUE(locale.active());
  ASSERT_EQ(nv::cformat("%.1f", 1.5), "1.5");

  nv::TFoodData foods = nvtest::foodsNamed({"こめ", "たまご"});
  nv::TKondateData db;
  category(db, "ごはん").base = {dish(2, "卵丼", {{1, 70}, {2, 12.5}})};
  EXPECT_EQ(u8(db.exportCsv(&foods)),
            "分類,料理名,食品名,可食量（ｇ）\n"
            "ごはん,卵丼,こめ,70.000000\n"
            "ごはん,卵丼,たまご,12.500000\n");

  EXPECT_EQ(nv::nutrientCellText(2227.3), "2227.3");
  EXPECT_EQ(nv::amountCellText(12.5), " 12.5");
}
