#pragma once
// One NV per user: a second start hands over to the running one, which restores its main
// window from the minimised state and answers "1".
#include <QObject>
#include <QPointer>
#include <QString>

class QLocalServer;
class QWidget;

namespace nv {

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  // name: the local socket name (one per user by default).
  explicit SingleInstance(QString name = defaultName(), QObject* parent = nullptr);
  ~SingleInstance() override;

  static QString defaultName();

  // Asks a running NV to restore its window; true when it answered 1.
  bool handOver(int timeoutMs = 1000) const;
  // Starts answering hand-overs; `window` is restored on each. False when the name could not
  // be taken (a stale socket of a crashed run is removed first).
  bool listen(QWidget* window);
  void setWindow(QWidget* window) { window_ = window; }
  // How many hand-overs were answered.
  int answered() const { return answered_; }

 private:
  void answer();

  QString name_;
  QLocalServer* server_ = nullptr;
  QPointer<QWidget> window_;
  int answered_ = 0;
};

// Restores a window from the minimised state and brings it to the front.
void restoreWindow(QWidget& window);

}  // namespace nv
