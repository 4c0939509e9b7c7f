#pragma once
// The program's own help window: the usage pages of HTML/ in a browser pane with back,
// forward and contents buttons, a search inside the page, and a button that hands the page
// to the desktop's web browser. It needs no browser, so help works on every desktop.
#include <QString>
#include <QUrl>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;

namespace nv {

// The pages the help commands open (files of the usage pages folder).
inline constexpr char kHelpContentsPage[] = "index.html";  // 目次
inline constexpr char kHelpTopicsPage[] = "topics.html";   // トピックの検索
inline constexpr char kHelpHowToPage[] = "help.html";      // ヘルプの使い方

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  // folder: the usage pages (a local folder, UTF-16 path).
  explicit HelpWindow(const QString& folder, QWidget* parent = nullptr);

  // The help window of `owner`'s window at `page` ("name.html" or "name.html#anchor" of the
  // program folder's HTML/), made on first use and brought to the front afterwards. It
  // belongs to that window, so it takes input while the window runs modally.
  static HelpWindow* open(QWidget* owner, const QString& page);

  // Shows a page of the folder; a missing page says so in the pane.
  void showPage(const QString& page);
  QUrl currentUrl() const;
  // Hands the current page to the desktop's browser; false without a page. When no browser
  // takes it, the window says so.
  bool openInBrowser();
  // Finds the next place of the search text in the page, from the top again at the end.
  bool findNext();
  // Puts the cursor into the search box (トピックの検索).
  void focusSearch();

  QTextBrowser* browser;
  QToolButton *backButton, *forwardButton, *contentsButton, *browserButton, *findButton;
  QLineEdit* findEdit;
  QLabel* status;

 private:
  void showStatus(const QString& text);
  QString folder_;
};

}  // namespace nv
