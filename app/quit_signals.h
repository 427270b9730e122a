#pragma once

#include <QSocketNotifier>
#include <array>
#include <csignal>
#include <functional>
#include <memory>

namespace tallyx {

// Ends the program the way Exit does when the session or the terminal asks it
// to stop (SIGTERM, SIGINT, SIGHUP), so that nothing is lost. The handler only
// writes a byte to a pipe; quit runs on the UI thread once the event loop
// reads it. One at a time per process; a signal ignored at start stays ignored.
class QuitSignals {
public:
    explicit QuitSignals(std::function<void()> quit);
    ~QuitSignals();
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

    static constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};

private:
    void Drain();

    std::function<void()> quit_;
    int readEnd_ = -1;
    int writeEnd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::array<struct sigaction, kSignals.size()> previous_{};
    std::array<bool, kSignals.size()> installed_{};
};

}  // namespace tallyx
