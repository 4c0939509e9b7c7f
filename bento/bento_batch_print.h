#pragma once
// "データ印刷" of the start screen: a teacher prints the saved lunch boxes of a whole class.
// The printer is set up once, the files are chosen together, and one lunch-box document, in
// one kitchen laid out as the game's, takes each file in turn: named after the file, cleared,
// loaded, and printed when the child's profile is confirmed (a cancelled profile skips only
// that file). No kitchen window is opened.
#include <QSize>
#include <functional>
#include <string>
#include <vector>

class QPrinter;
class QWidget;

namespace nv {

class TGunName;
class TKojinData;

struct BatchPrintResult {
  bool started = false;              // false: the printer set-up or the file choice was cancelled
  std::vector<std::string> printed;  // CP932 paths, in order
  std::vector<std::string> skipped;  // the profile dialog was cancelled
  std::vector<std::string> failed;   // unreadable (the reader said why) or not printed
};

using ProfileDialog = std::function<bool(TKojinData& profile, QWidget* parent)>;

// Runs the whole batch on `printer` (the one the Dialogs' printer set-up edits). The document
// works on a copy of `profile`, so the start screen's child stays as it was. kitchenSize:
// the size the kitchen is laid out for; empty: the screen's.
BatchPrintResult printBentouData(const TKojinData& profile, const TGunName& gunName,
                                 QPrinter& printer, const ProfileDialog& profileDialog,
                                 QWidget* parent, QSize kitchenSize = {});

}  // namespace nv
