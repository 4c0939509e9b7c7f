#pragma once
// The Dialogs of the program: Qt's file, colour and print dialogs.
#include <QStringList>
#include <memory>

#include "platform/dialogs.h"

class QFileDialog;
class QPrinter;

namespace nv {

// The classic filter text "説明|*.a;*.b|全てのファイル(*.*)|*.*" (CP932) as Qt name filters
// ("説明 (*.a *.b)", "全てのファイル (*.*)"). A description that already ends with its own
// patterns in parentheses is not given them twice.
QStringList qtNameFilters(const std::string& filter);

class QtDialogs : public Dialogs {
 public:
  // The printer set up by printerSetup(); nullptr: one of its own.
  explicit QtDialogs(QPrinter* printer = nullptr);
  ~QtDialogs() override;

  QPrinter& printer() { return *printer_; }

  bool openFiles(const FileRequest& request, std::vector<std::string>& paths) override;
  bool saveFile(const FileRequest& request, std::string& path) override;
  bool chooseColor(int32_t initial, int32_t& chosen) override;
  bool printerSetup(PageOrientation orientation) override;

 private:
  std::unique_ptr<QPrinter> ownPrinter_;
  QPrinter* printer_;
};

// Sets up a file dialog from a request (title, filters, default extension, folder, name).
void prepareFileDialog(QFileDialog& dialog, const FileRequest& request);

}  // namespace nv
