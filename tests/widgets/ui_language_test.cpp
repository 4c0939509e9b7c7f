// Qt's own buttons and dialogs speak Japanese; without the translation the program still runs.
#include "platform/qt/ui_language.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

#include "widgets_test_app.h"

TEST(UiLanguage, StandardButtonsReadJapaneseAndAMissingTranslationIsNoFailure) {
  nvtest::widgetsApp();
  EXPECT_FALSE(nv::useJapaneseUi(QStringLiteral("/no/such/folder")));
  EXPECT_EQ(QLocale().language(), QLocale::Japanese);

  ASSERT_TRUE(nv::useJapaneseUi()) << "Qt's translations are missing: run scripts/deps.sh";
  QMessageBox box;
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel |
                         QMessageBox::Ok);
  EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("はい(&Y)"));
  EXPECT_EQ(box.button(QMessageBox::No)->text(), QStringLiteral("いいえ(&N)"));
  EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("キャンセル"));
  EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
}
