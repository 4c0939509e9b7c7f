// The name-entry dialog in a decimal-comma locale: OK must give back the numbers it was shown.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "core/kojin_data.h"
#include "decimal_comma_locale.h"
#include "planner/get_jidoumei_form.h"
#include "planner_test_app.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"

TEST(NameEntryLocale, OkKeepsDecimalsUnderADecimalCommaLocale) {
  nvtest::plannerApp();
  nvtest::DecimalCommaLocale locale;
  ASSERT_TRUE(locale.active());
  nv::TKojinData k;
  k.setName(nv::sj("たろう"));
  k.height = 138.3;
  k.weight = 33.5;
  k.requirements[nv::kEnergy] = 2227.3;
  k.requirements[nv::kVitaminB1] = 0.8;
  nvtest::whenModal([](QWidget* w) {
    auto* f = qobject_cast<nv::TGetJidoumeiForm*>(w);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Sinchou->text(), QStringLiteral("138.3"));
    f->OkBtn->click();
  });
  ASSERT_TRUE(nv::editProfile(k, nullptr));
  EXPECT_DOUBLE_EQ(k.height, 138.3);
  EXPECT_DOUBLE_EQ(k.weight, 33.5);
  EXPECT_DOUBLE_EQ(k.requirements[nv::kEnergy], 2227.3);
  EXPECT_DOUBLE_EQ(k.requirements[nv::kVitaminB1], 0.8);
}
