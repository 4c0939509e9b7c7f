#pragma once
// The main window's print, dish search and About commands, filled by this area's windows: the
// print dialog with its preview, the search dialog and the About box.
#include <string>

#include "planner/planner_services.h"

class QPrinter;

namespace nv {

class PrintSearchAbout : public MenuPrinter, public DishSearch, public AboutBox {
 public:
  // printer: the program's printer (not owned; the one the printer set-up edits); folder: the
  // program folder (CP932) with about.txt, bmp/ and HTML/.
  PrintSearchAbout(QPrinter* printer, std::string folder);

  // `parent` is the main window: its food table, dishes, pictures and chart basis are used.
  void printSetup(QWidget* parent) override;
  void print(MenuDocument& doc, QWidget* parent) override;
  bool search(std::string& category, std::string& dish, QWidget* parent) override;
  void showAbout(QWidget* parent) override;

 private:
  QPrinter* printer_;
  std::string folder_;
};

}  // namespace nv
