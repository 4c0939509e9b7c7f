#include "summary/class_chart_view.h"

#include <QPainter>

#include "summary/pages/class_pages.h"

using namespace Qt::StringLiterals;

namespace nv {

ClassChartView::ClassChartView(QWidget* parent) : QWidget(parent) {
  setAccessibleName(u"クラスのグラフ"_s);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
}

void ClassChartView::setSummary(const ClassSummary* summary) {
  summary_ = summary;
  update();
}

void ClassChartView::paintEvent(QPaintEvent*) {
  if (!summary_) return;
  QPainter p(this);
  paintClassChart(p, rect().adjusted(6, 6, -6, -6), *summary_);
}

}  // namespace nv
