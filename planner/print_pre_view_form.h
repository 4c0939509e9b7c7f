#pragma once
// TPrintPreViewForm: the print preview. The page picture fills 90 % of the window at the
// printer page's shape; the table's pages come first, then the chart pages; the buttons page
// through them, set up the printer, or ask for printing and close.
#include <QDialog>
#include <QImage>
#include <functional>
#include <memory>

#include "planner/model/print_layout.h"

class QLabel;
class QPrinter;
class QToolButton;
class QWidget;

namespace nv {

class MenuPages;

class TPrintPreViewForm : public QDialog {
  Q_OBJECT
 public:
  // pages and printer (already landscape) outlive the window.
  TPrintPreViewForm(const MenuPages& pages, QPrinter& printer, QWidget* parent = nullptr);
  ~TPrintPreViewForm() override;

  // The printer set-up behind "設定..."; a successful set-up lays the pages out again.
  std::function<bool()> printerSetup;

  bool printAsked() const { return printAsked_; }
  const PreviewPager& pager() const { return *pager_; }
  const QImage& pageImage() const { return page_; }
  // The page's height over its width, from the printer.
  double pageRatio() const { return ratio_; }

  // Lays the picture out for the window's size and draws the current page.
  void layoutPages();
  void PreviewNextPageBtnClick();
  void SpeedButton3Click();
  void PrintOutBtnClick();
  void PrinterSetupBtnClick();

  QWidget* Panel1;
  QToolButton *PrintOutBtn, *SpeedButton3, *PreviewNextPageBtn, *PrinterSetupBtn, *CloseBtn;
  QLabel* Image1;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void drawPage();
  void readPrinter();

  const MenuPages& pages_;
  QPrinter& printer_;
  std::unique_ptr<PreviewPager> pager_;
  QImage page_;
  double ratio_ = 210.0 / 297.0;
  bool printAsked_ = false;
};

}  // namespace nv
