#include "app/quit_signals.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tallyx {
namespace {

volatile std::sig_atomic_t wakeDescriptor = -1;

// Only async-signal-safe calls here.
void WakeOnSignal(int signal)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    // A full pipe already holds a pending quit.
    [[maybe_unused]] const ssize_t written = write(wakeDescriptor, &byte, 1);
    errno = savedErrno;
}

}  // namespace

QuitSignals::QuitSignals(std::function<void()> quit) : quit_(std::move(quit))
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return;
    readEnd_ = ends[0];
    writeEnd_ = ends[1];
    wakeDescriptor = writeEnd_;
    notifier_ = std::make_unique<QSocketNotifier>(readEnd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Drain(); });

    struct sigaction action = {};
    action.sa_handler = WakeOnSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (std::size_t index = 0; index < kSignals.size(); ++index) {
        // Started under nohup or in the background: the caller chose to keep it running.
        if (sigaction(kSignals[index], nullptr, &previous_[index]) != 0) continue;
        if (previous_[index].sa_handler == SIG_IGN) continue;
        installed_[index] = sigaction(kSignals[index], &action, nullptr) == 0;
    }
}

QuitSignals::~QuitSignals()
{
    for (std::size_t index = 0; index < kSignals.size(); ++index) {
        if (installed_[index]) sigaction(kSignals[index], &previous_[index], nullptr);
    }
    wakeDescriptor = -1;
    notifier_.reset();
    if (readEnd_ >= 0) close(readEnd_);
    if (writeEnd_ >= 0) close(writeEnd_);
}

void QuitSignals::Drain()
{
    unsigned char bytes[16];
    while (read(readEnd_, bytes, sizeof bytes) > 0) {
    }
    if (quit_) quit_();
}

}  // namespace tallyx
