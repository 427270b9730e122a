#include "convert/transfer_events.h"

namespace tallyx {

void TransferEvents::Reset()
{
    std::lock_guard lock(mutex_);
    signalled_ = 0;
}

void TransferEvents::Signal(TransferEvent event)
{
    {
        std::lock_guard lock(mutex_);
        signalled_ |= static_cast<std::uint8_t>(event);
    }
    changed_.notify_all();
}

bool TransferEvents::WaitForAny(std::initializer_list<TransferEvent> events, std::chrono::milliseconds timeout)
{
    std::uint8_t mask = 0;
    for (const TransferEvent event : events) {
        mask |= static_cast<std::uint8_t>(event);
    }
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] { return (signalled_ & mask) != 0; });
}

}  // namespace tallyx
