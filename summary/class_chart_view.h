#pragma once
// The class's chart in the window: the same drawing as the printed page's.
#include <QWidget>

namespace nv {

struct ClassSummary;

class ClassChartView : public QWidget {
 public:
  explicit ClassChartView(QWidget* parent = nullptr);
  // Not owned; null shows nothing.
  void setSummary(const ClassSummary* summary);
  QSize sizeHint() const override { return {380, 440}; }
  QSize minimumSizeHint() const override { return {240, 300}; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  const ClassSummary* summary_ = nullptr;
};

}  // namespace nv
