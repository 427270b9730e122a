#pragma once

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

#include "convert/message_sink.h"

namespace tallyx::testing {

// Keeps every posted message, for any thread.
class RecordingSink : public MessageSink {
public:
    struct Message {
        std::uint32_t message;
        std::uint32_t first;
        std::uint32_t second;
    };

    void Post(std::uint32_t message, std::uint32_t first, std::uint32_t second) override
    {
        {
            std::lock_guard lock(mutex_);
            messages_.push_back({message, first, second});
        }
        posted_.notify_all();
    }

    std::vector<Message> Messages() const
    {
        std::lock_guard lock(mutex_);
        return messages_;
    }

    // The codes in order, with the runs of block messages (8) folded into one.
    std::vector<std::uint32_t> Codes() const
    {
        std::vector<std::uint32_t> codes;
        for (const Message& message : Messages()) {
            if (codes.empty() || message.first != 8 || codes.back() != 8) {
                codes.push_back(message.first);
            }
        }
        return codes;
    }

    bool WaitForCode(std::uint32_t code, std::chrono::milliseconds timeout)
    {
        std::unique_lock lock(mutex_);
        return posted_.wait_for(lock, timeout, [&] {
            return std::any_of(messages_.begin(), messages_.end(), [&](const Message& m) { return m.first == code; });
        });
    }

private:
    mutable std::mutex mutex_;
    std::condition_variable posted_;
    std::vector<Message> messages_;
};

}  // namespace tallyx::testing
