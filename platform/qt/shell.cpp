#include "platform/qt/shell.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProcess>
#include <QUrl>

#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"

// Quiet unless asked for (QT_LOGGING_RULES="nv.*=true"): an opener that finds no browser
// writes a dozen lines a child has no use for.
Q_LOGGING_CATEGORY(nvShellLog, "nv.shell", QtCriticalMsg)

namespace nv {
namespace {
// The desktop reports only success or failure; a failure means no program handles the type.
constexpr int kNoAssociation = 31;
}  // namespace

std::string shellErrorText(int code) {
  switch (code) {
    case 0:
      return sj("コンピューターのメモリーが足りないため、開けませんでした。");
    case 2:
      return sj("ファイルが見つかりません。");
    case 3:
      return sj("フォルダーが見つかりません。");
    case 5:
      return sj("このファイルを開くことが許されていません。");
    case 8:
      return sj("メモリーが足りないため、開けませんでした。");
    case 11:
      return sj("開くためのプログラムが壊れています。");
    case 26:
      return sj("ほかのプログラムが使っているため、開けませんでした。");
    case 27:
      return sj("このファイルの種類を開くプログラムの設定が正しくありません。");
    case 28:
    case 29:
    case 30:
      return sj("開くためのプログラムから返事がありませんでした。");
    case 31:
      return sj("このファイルを開くプログラムが見つかりません。");
    case 32:
      return sj("開くために必要な部品が見つかりません。");
    default:
      return "";
  }
}

void openWithDesktop(const QUrl& url, QObject* context, std::function<void()> failed) {
  // Not parented: a browser the opener waits for may outlive every window. It goes once the
  // opener has ended.
  auto* opener = new QProcess;
  opener->setProgram(QStringLiteral("xdg-open"));
  opener->setArguments({url.isLocalFile() ? url.toLocalFile() : url.toString()});
  opener->setProcessChannelMode(QProcess::MergedChannels);
  opener->setStandardInputFile(QProcess::nullDevice());
  QPointer<QObject> guard(context);
  const bool watched = context != nullptr;
  auto report = [guard, watched, failed] {
    if (failed && (!watched || guard)) failed();
  };
  QObject::connect(opener, &QProcess::readyRead, opener, [opener] {
    for (const QByteArray& line : opener->readAll().split('\n'))
      if (!line.isEmpty()) qCInfo(nvShellLog) << "xdg-open:" << line.constData();
  });
  QObject::connect(opener, &QProcess::finished, opener,
                   [opener, url, report](int code, QProcess::ExitStatus status) {
                     if (status != QProcess::NormalExit || code != 0) {
                       qCWarning(nvShellLog) << "no program opened" << url << "status" << code;
                       report();
                     }
                     opener->deleteLater();
                   });
  QObject::connect(opener, &QProcess::errorOccurred, opener,
                   [opener, url, report](QProcess::ProcessError error) {
                     if (error != QProcess::FailedToStart) return;
                     qCWarning(nvShellLog) << "cannot start xdg-open for" << url;
                     report();
                     opener->deleteLater();
                   });
  opener->start();
}

bool openDocument(const std::string& cp932Path) {
  if (!fileExists(cp932Path)) return false;
  const std::string text = shellErrorText(kNoAssociation) + "\n" + cp932Path;
  openWithDesktop(QUrl::fromLocalFile(toQ(cp932Path)), QCoreApplication::instance(),
                  [text] { prompt().message(text); });
  return true;
}

}  // namespace nv
