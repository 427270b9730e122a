#pragma once

#include <QLocalServer>
#include <QString>
#include <functional>

namespace tallyx {

// One running program per user: the first start listens on a local socket
// named for the user; a later start reaches it there, asks it to come to the
// front and ends.
class SingleInstance {
public:
    explicit SingleInstance(QString name = DefaultName());

    // True when another instance answered (and was asked to come forward).
    bool RaiseRunning();
    // Starts listening; raise is called whenever a later start knocks.
    bool Listen(std::function<void()> raise);

    static QString DefaultName();

private:
    QString name_;
    QLocalServer server_;
    std::function<void()> raise_;
};

}  // namespace tallyx
