#pragma once
// The lunch-box page's preview ("お弁当箱のプレビュー"): the sheet with its shadow and the
// dotted printable area, at a zoom the track bar sets; "印刷(&P)" prints without a dialog.
#include <QDialog>
#include <QImage>

#include "bento/bento_page.h"

class QLabel;
class QPrinter;
class QSlider;

namespace nv {

class TBentouPreViewForm : public QDialog {
  Q_OBJECT
 public:
  TBentouPreViewForm(QPrinter& printer, BentoPageData page, QWidget* parent = nullptr);
  QSlider* TrackBar = nullptr;
  QImage sheet() const { return sheet_; }
  void printNow();

 private:
  void redraw();
  QPrinter& printer_;
  BentoPageData page_;
  QImage sheet_;
  double f_ = 1;  // sheet pixels per printer pixel
  QLabel* picture_ = nullptr;
};

}  // namespace nv
