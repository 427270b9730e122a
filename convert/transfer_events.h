#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <initializer_list>
#include <mutex>

namespace tallyx {

// The three signals a download's worker gives its starter.
enum class TransferEvent : std::uint8_t { Started = 1, Finished = 2, Aborted = 4 };

// Manual-reset events: once signalled, an event stays so until Reset.
class TransferEvents {
public:
    void Reset();
    void Signal(TransferEvent event);
    // True as soon as any of the events is signalled; false on time-out.
    bool WaitForAny(std::initializer_list<TransferEvent> events, std::chrono::milliseconds timeout);

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::uint8_t signalled_ = 0;
};

}  // namespace tallyx
