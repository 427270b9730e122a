#pragma once

#include "convert/message_sink.h"
#include "ui/window_host.h"

namespace tallyx {

// Hands a background task's messages to a window's queue, so that they
// arrive on the user-interface thread in the order they were sent.
class WindowMessageSink : public MessageSink {
public:
    explicit WindowMessageSink(WindowHost& window) : window_(window) {}

    void Post(std::uint32_t message, std::uint32_t first, std::uint32_t second) override
    {
        window_.PostMessage(message, first, static_cast<std::intptr_t>(second));
    }

private:
    WindowHost& window_;
};

}  // namespace tallyx
