#include "app/single_instance.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QStandardPaths>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tallyx {
namespace {

constexpr int kConnectMilliseconds = 500;
constexpr char kRaiseRequest[] = "raise\n";
constexpr qint64 kLongestRequest = 64;

// Held while a start claims the name, so that two starts that both find a
// stale socket cannot both take it over.
class ClaimLock {
public:
    explicit ClaimLock(const QString& path)
        : descriptor_(open(QFile::encodeName(path + QStringLiteral(".lock")).constData(),
                           O_RDWR | O_CREAT | O_CLOEXEC, 0600))
    {
        if (descriptor_ >= 0) flock(descriptor_, LOCK_EX);
    }
    ~ClaimLock()
    {
        if (descriptor_ >= 0) close(descriptor_);
    }
    ClaimLock(const ClaimLock&) = delete;
    ClaimLock& operator=(const ClaimLock&) = delete;

private:
    int descriptor_;
};

}  // namespace

SingleInstance::SingleInstance(QString path) : path_(std::move(path)) {}

QString SingleInstance::DefaultName()
{
    // The runtime folder is private to the user, so nobody else can hold or answer on the name.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return NameIn(runtime.isEmpty() ? QDir::tempPath() : runtime);
}

QString SingleInstance::NameIn(const QString& folder)
{
    return QStringLiteral("%1/tallyx-%2").arg(folder).arg(getuid());
}

bool SingleInstance::RaiseRunning()
{
    QLocalSocket socket;
    socket.connectToServer(path_);
    if (!socket.waitForConnected(kConnectMilliseconds)) return false;
    socket.write(kRaiseRequest);
    socket.waitForBytesWritten(kConnectMilliseconds);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::Listen(std::function<void()> raise)
{
    raise_ = std::move(raise);
    QObject::connect(&server_, &QLocalServer::newConnection, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] { Serve(*socket); });
        }
    });
    const ClaimLock lock(path_);
    if (!server_.listen(path_) && !ListenOnFreedName()) return false;
    QFile::setPermissions(server_.fullServerName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return true;
}

bool SingleInstance::Answers() const
{
    QLocalSocket socket;
    socket.connectToServer(path_);
    return socket.waitForConnected(kConnectMilliseconds);
}

bool SingleInstance::ListenOnFreedName()
{
    if (server_.serverError() != QAbstractSocket::AddressInUseError || Answers()) return false;
    QLocalServer::removeServer(path_);
    return server_.listen(path_);
}

void SingleInstance::Serve(QLocalSocket& socket)
{
    while (socket.canReadLine()) {
        if (socket.readLine(kLongestRequest) == kRaiseRequest && raise_) raise_();
    }
    // A caller that talks without ending its lines is not a later start.
    if (socket.bytesAvailable() >= kLongestRequest) socket.abort();
}

}  // namespace tallyx
