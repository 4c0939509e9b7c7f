#include "planner/single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

namespace nv {
namespace {
constexpr char kRestore[] = "restore\n";
}

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultName() {
  QString user = qEnvironmentVariable("USER");
  if (user.isEmpty()) user = qEnvironmentVariable("USERNAME");
  return QStringLiteral("nuvelta-") + user;
}

bool SingleInstance::handOver(int timeoutMs) const {
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (!socket.waitForConnected(timeoutMs)) return false;
  socket.write(kRestore);
  if (!socket.waitForBytesWritten(timeoutMs)) return false;
  while (socket.bytesAvailable() < 1) {
    if (!socket.waitForReadyRead(timeoutMs)) return false;
  }
  return socket.read(1) == "1";
}

bool SingleInstance::listen(QWidget* window) {
  window_ = window;
  if (!server_) {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::answer);
  }
  if (server_->listen(name_)) return true;
  // Nobody answered (or the caller would not be here): the socket is left from a crash.
  QLocalServer::removeServer(name_);
  return server_->listen(name_);
}

void SingleInstance::answer() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
      if (!socket->canReadLine()) return;
      const QByteArray line = socket->readLine();
      if (line == kRestore) {
        if (window_) restoreWindow(*window_);
        ++answered_;
        socket->write("1");
      } else {
        socket->write("0");
      }
      socket->flush();
    });
  }
}

void restoreWindow(QWidget& window) {
  if (window.isMinimized()) window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace nv
