#pragma once
// The result dialog ("お弁当の栄養"): the rice ball tells the grade, the page is printed or
// previewed, and the child may leave the box through New, Open, Save or quitting. Also the
// kitchen's face for it (ResultPort) and the printing of the page on a printer.
#include <QDialog>
#include <functional>
#include <memory>

#include "bento/bento_print_job.h"
#include "bento/kitchen_ports.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPrinter;
class QPushButton;
class QToolButton;

namespace nv {

class RiceBall;

// How a printer is asked for: the print dialog (print) or the set-up dialog (preview); true
// on OK. Tests script them.
using PrinterDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;
PrinterDialog standardPrintDialog();

// Prints the kitchen's page: landscape, the dialog, the page as "<name>:結果". The
// printer's orientation is restored afterwards. status gets the progress texts.
PrintOutcome printKitchenPage(TBentoubakoForm& kitchen, QPrinter& printer,
                              const PrinterDialog& dialog, QWidget* parent,
                              const std::function<void(const QString&)>& status = {});

class TBentouKekkaForm : public QDialog {
  Q_OBJECT
 public:
  TBentouKekkaForm(TBentoubakoForm& kitchen, RiceBall* riceBall, QPrinter& printer,
                   PrinterDialog printDialog, std::function<void()> preview,
                   QWidget* parent = nullptr);

  // 0 nothing, 1 quit, 2 Open, 3 Save, 4 New.
  int action() const { return action_; }
  bool showGraph() const;
  bool widened() const;
  void setWidened(bool on);

  QToolButton* RiceBallButton = nullptr;
  QCheckBox* GraphCheck = nullptr;
  QPushButton *PrintButton = nullptr, *PreviewButton = nullptr, *CloseButton = nullptr;
  QPushButton* WidenButton = nullptr;
  QGroupBox* BoxGroup = nullptr;
  QPushButton *NewButton = nullptr, *OpenButton = nullptr, *SaveButton = nullptr,
              *QuitButton = nullptr;
  QLabel* Status = nullptr;

  void riceBallClicked();
  void printClicked();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void finishWith(int action);

  TBentoubakoForm& kitchen_;
  RiceBall* riceBall_;
  QPrinter& printer_;
  PrinterDialog printDialog_;
  std::function<void()> preview_;
  int action_ = 0;
  int fullWidth_ = 0, narrowWidth_ = 0;
  bool groupEnabled_ = false;
};

// The kitchen's result dialog and preview.
class BentoResult : public ResultPort {
 public:
  explicit BentoResult(RiceBall* riceBall);
  ~BentoResult() override;
  void showResult(TBentoubakoForm& kitchen) override;
  void showPreview(TBentoubakoForm& kitchen) override;
  QPrinter& printer() { return *printer_; }

  PrinterDialog printDialog;
  PrinterDialog setupDialog;
  // Runs the dialog (tests script it); by default exec().
  std::function<void(TBentouKekkaForm&)> runDialog;
  std::function<void(QDialog&)> runPreview;

 private:
  RiceBall* riceBall_;
  std::unique_ptr<QPrinter> printer_;
  bool inResult_ = false;  // the dialog holds the printer: it is not replaced meanwhile
};

}  // namespace nv
