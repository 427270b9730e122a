#pragma once

#include <QLocalServer>
#include <QString>
#include <functional>

class QLocalSocket;

namespace tallyx {

// One running program per user: the first start listens on a local socket in
// the user's private runtime folder; a later start finds it there, asks it to
// come to the front and ends.
class SingleInstance {
public:
    // path: where the socket lives.
    explicit SingleInstance(QString path = DefaultName());

    // True when another instance answered (and was asked to come forward).
    bool RaiseRunning();
    // Takes the name and listens; raise is called whenever a later start asks.
    // A name held by a live instance is left to it (false); one left behind by
    // a crashed instance is taken over.
    bool Listen(std::function<void()> raise);

    static QString DefaultName();
    static QString NameIn(const QString& folder);

private:
    bool Answers() const;
    bool ListenOnFreedName();
    void Serve(QLocalSocket& socket);

    QString path_;
    QLocalServer server_;
    std::function<void()> raise_;
};

}  // namespace tallyx
