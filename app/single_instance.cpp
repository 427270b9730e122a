#include "app/single_instance.h"

#include <QLocalSocket>
#include <unistd.h>

namespace tallyx {
namespace {

constexpr int kConnectMilliseconds = 500;
constexpr char kRaiseRequest[] = "raise\n";

}  // namespace

SingleInstance::SingleInstance(QString name) : name_(std::move(name)) {}

QString SingleInstance::DefaultName()
{
    return QStringLiteral("tallyx-%1").arg(getuid());
}

bool SingleInstance::RaiseRunning()
{
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kConnectMilliseconds)) return false;
    socket.write(kRaiseRequest);
    socket.waitForBytesWritten(kConnectMilliseconds);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::Listen(std::function<void()> raise)
{
    raise_ = std::move(raise);
    // A socket left behind by a crashed instance would block the name.
    QLocalServer::removeServer(name_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(&server_, &QLocalServer::newConnection, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            if (raise_) raise_();
        }
    });
    return server_.listen(name_);
}

}  // namespace tallyx
