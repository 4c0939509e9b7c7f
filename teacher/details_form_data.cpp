// The tab 内部データ: the foods and dishes the data file holds.
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/prompt.h"
#include "platform/qt/qtext.h"
#include "platform/result.h"
#include "teacher/details_form.h"
#include "teacher/details_form_widgets.h"

using namespace Qt::StringLiterals;

namespace nv {

using namespace detailsui;

QWidget* TDetailsForm::buildDataTab() {
  auto* tab = new QWidget;
  auto* v = new QVBoxLayout(tab);
  auto* top = new QHBoxLayout;
  FileName2 = new QLineEdit(tab);
  FileName2->setReadOnly(true);
  ShowBdFileBtn = new QPushButton(u"表示"_s, tab);
  ShowBdFileBtn->setToolTip(u"ファイルの内容の表示"_s);
  ShowBdFileBtn->setAutoDefault(false);
  top->addWidget(buddyLabel(u"NVファイル(*.nv)："_s, FileName2));
  top->addLayout(editWithButton(FileName2, ShowBdFileBtn), 1);
  v->addLayout(top);
  ShokuhinLabel = new QLabel(u"食品数："_s, tab);
  v->addWidget(ShokuhinLabel);
  ListView3 = listView(tab, {u"ｺｰﾄﾞ"_s, u"食品名"_s, u"群別"_s, u"３色区分"_s, u"ｶﾛﾘｰ"_s,
                             u"蛋白質"_s, u"脂肪"_s, u"ｶﾙｼｳﾑ"_s, u"鉄分"_s, u"ﾋﾞﾀﾐﾝA"_s,
                             u"ﾋﾞﾀﾐﾝB1"_s, u"ﾋﾞﾀﾐﾝB2"_s, u"ﾋﾞﾀﾐﾝC"_s, u"塩分"_s});
  v->addWidget(ListView3, 1);
  ListView3->setAccessibleName(u"食品"_s);
  KondateLabel = new QLabel(u"献立数："_s, tab);
  v->addWidget(KondateLabel);
  ListView4 = listView(tab, {u"通し番号"_s, u"献立名"_s, u"標準の重量"_s, u"食品１"_s, u"食品２"_s,
                             u"食品３"_s, u"食品４"_s, u"食品５"_s});
  v->addWidget(ListView4, 1);
  ListView4->setAccessibleName(u"献立"_s);
  return tab;
}

void TDetailsForm::ShowBdFileBtnClick() {
  const DataFilePreview p = previewDataFile(fromQ(FileName2->text()));
  showResult(p.told, prompt());
  if (!p.opened) return;
  fillList(ListView3, p.foodRows);
  fillList(ListView4, p.dishRows);
  ShokuhinLabel->setText(u"食品数："_s + QString::number(p.foodRows.size()));
  KondateLabel->setText(u"献立数："_s + QString::number(p.dishRows.size()));
}

}  // namespace nv
