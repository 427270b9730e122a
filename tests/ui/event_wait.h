#pragma once

// Lets the Qt event loop run until a condition holds, for tests whose events
// come from sockets, pipes or other processes.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <functional>

namespace tallyx {

constexpr int kEventPatienceMilliseconds = 10000;

inline bool ProcessEventsUntil(const std::function<bool()>& done, int milliseconds = kEventPatienceMilliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QThread::msleep(5);
    }
    return true;
}

}  // namespace tallyx
