// The tab CSVﾌｧｲﾙ変換: the food and dish CSV sources converted into the data file, or checked.
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/converted_file.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/prompt_texts.h"
#include "platform/qt/qtext.h"
#include "platform/qt/shell.h"
#include "platform/result.h"
#include "platform/text.h"
#include "platform/user_folders.h"
#include "teacher/details_form.h"
#include "teacher/details_form_widgets.h"

using namespace Qt::StringLiterals;

namespace nv {

using namespace detailsui;

QWidget* TDetailsForm::buildCsvTab() {
  auto* tab = new QWidget;
  auto* v = new QVBoxLayout(tab);
  auto* group = new QGroupBox(u"献立と食品に関するデータ"_s, tab);
  auto* g = new QGridLayout(group);
  FoodDataFile = new QLineEdit(group);
  SetFoodDataFile1Btn = chooseButton(group);
  KondateDataFile = new QLineEdit(group);
  SetKondateDataFileBtn = chooseButton(group);
  g->addWidget(buddyLabel(u"食品ファイル(*.csv)："_s, FoodDataFile), 0, 0);
  g->addLayout(editWithButton(FoodDataFile, SetFoodDataFile1Btn), 0, 1);
  g->addWidget(buddyLabel(u"献立ファイル(*.csv)："_s, KondateDataFile), 1, 0);
  g->addLayout(editWithButton(KondateDataFile, SetKondateDataFileBtn), 1, 1);
  auto* actions = new QHBoxLayout;
  actions->setSpacing(4);
  TransBtn = new QPushButton(u"↓　変換"_s, group);
  CheckKondateDataFileBtn = new QPushButton(u"チェック"_s, group);
  TransBtn->setAutoDefault(false);
  CheckKondateDataFileBtn->setAutoDefault(false);
  actions->addStretch(1);
  actions->addWidget(TransBtn);
  actions->addWidget(CheckKondateDataFileBtn);
  actions->addStretch(1);
  g->addLayout(actions, 2, 0, 1, 2);
  FileName = new QLineEdit(group);
  FileName->setReadOnly(true);
  FileName->setEnabled(false);
  g->addWidget(buddyLabel(u"NVファイル(*.nv)："_s, FileName), 3, 0);
  g->addWidget(FileName, 3, 1);
  v->addWidget(group);
  auto* lists = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  ListView1 = listView(tab, {u"コード"_s, u"名前"_s, u"群別"_s, u"３色区分"_s, u"カロリー"_s});
  left->addWidget(buddyLabel(u"食品ファイル"_s, ListView1));
  ListView1->setAccessibleName(u"食品ファイルの食品"_s);
  left->addWidget(ListView1);
  auto* right = new QVBoxLayout;
  ListView2 = listView(tab, {u"通し番号"_s, u"献立名"_s, u"標準の重量"_s, u"食品１"_s, u"食品２"_s,
                             u"食品３"_s, u"食品４"_s, u"食品５"_s});
  right->addWidget(buddyLabel(u"献立ファイル"_s, ListView2));
  ListView2->setAccessibleName(u"献立ファイルの献立"_s);
  right->addWidget(ListView2);
  lists->addLayout(left, 1);
  lists->addLayout(right, 1);
  v->addLayout(lists, 1);
  return tab;
}

void TDetailsForm::SetFoodDataFile1BtnClick() {
  chooseFile(FoodDataFile, u"食品ファイルの元になるファイルを指定して下さい"_s,
             u"食品ファイル(*.csv)|*.csv"_s, "csv");
}

void TDetailsForm::SetKondateDataFileBtnClick() {
  chooseFile(KondateDataFile, u"献立ファイルを指定して下さい"_s, u"献立ファイル(*.csv)|*.csv"_s,
             "csv");
}

void TDetailsForm::TransBtnClick() {
  // An installed program folder cannot take the file: it goes to the user's data folder.
  const std::string configured = fromQ(FileName->text());
  const std::string target = dataFileForWriting(configured);
  const CsvConversion c = convertCsvFiles(fromQ(FoodDataFile->text()),
                                          fromQ(KondateDataFile->text()), target, &prompt());
  showResult(c.told, prompt());
  fillList(ListView1, c.foodRows);
  fillList(ListView2, c.dishRows);
  // Only a data file that was written is taken: a failed write left the old one in place.
  if (c.written) {
    if (target != configured) {
      FileName->setText(toQ(target));
      FileName2->setText(toQ(target));
      ask(target, u"変換したデータファイルは次の場所に保存しました"_s, Icon::Information,
          Buttons::Ok);
    }
    fileNameChanged_ = true;
    changed();
  }
}

void TDetailsForm::CheckKondateDataFileBtnClick() {
  const CsvConversion c =
      convertCsvFiles(fromQ(FoodDataFile->text()), fromQ(KondateDataFile->text()), {}, &prompt());
  showResult(c.told, prompt());
  fillList(ListView1, c.foodRows);
  fillList(ListView2, c.dishRows);
  if (!c.foodsRead) return;
  const std::string report = dishCsvReportPath(fromQ(KondateDataFile->text()));
  if (!fileExists(report)) return;
  if (open_)
    open_(report);
  else
    openDocument(report);
}

}  // namespace nv
