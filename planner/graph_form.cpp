#include "planner/graph_form.h"

#include <QCloseEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "planner/model/selected_menu.h"
#include "planner/planner_host.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "widgets/bar_chart.h"

using namespace Qt::StringLiterals;

namespace nv {

TGraphForm::TGraphForm(PlannerHost& host, QWidget* parent) : QWidget(parent), host_(host) {
  setObjectName(QStringLiteral("GraphForm"));
  setWindowTitle(u"栄養価"_s);
  setWindowFlags(windowFlags() | Qt::Tool | Qt::WindowStaysOnTopHint);
  resize(232, 340);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  layout->addWidget(PageControl1);
  for (int node = 0; node < kNodeCount; ++node) {
    auto* chart = new BarChart;
    chart->setObjectName(QStringLiteral("GraphChart%1").arg(node));
    chart->setAxisMaximum(200);
    chart->setReferenceValue(100);
    charts_[size_t(node)] = chart;
    PageControl1->addTab(chart, toQ(SelectedMenu::nodeNames()[size_t(node)]));
  }
  connect(PageControl1, &QTabWidget::currentChanged, this, &TGraphForm::PageControl1Change);
}

BarChart* TGraphForm::chart(int node) const {
  if (node < 0 || node >= kNodeCount) return nullptr;
  return charts_[size_t(node)];
}

void TGraphForm::setActivePage(int index) {
  if (index < 0 || index >= kNodeCount) return;
  settingPage_ = true;
  PageControl1->setCurrentIndex(index);
  settingPage_ = false;
}

int TGraphForm::activePage() const { return PageControl1->currentIndex(); }

void TGraphForm::PageControl1Change(int index) {
  if (settingPage_ || index < 0) return;
  // Only the pages follow; the charts of every meal are already up to date.
  host_.selectMealTab(index);
}

void TGraphForm::closeEvent(QCloseEvent* event) {
  emit closed();
  QWidget::closeEvent(event);
}

}  // namespace nv
