#pragma once

#include <cstdint>

namespace tallyx {

// Where a background task posts its progress, in the manner of a window's
// message queue: the receiver takes each message on its own thread later.
// Post is called from other threads and must return at once.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void Post(std::uint32_t message, std::uint32_t first, std::uint32_t second) = 0;
};

}  // namespace tallyx
