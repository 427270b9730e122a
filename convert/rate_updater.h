#pragma once

#include <cstdint>
#include <string_view>

#include "convert/http_client.h"
#include "convert/message_sink.h"

namespace tallyx {

enum class RateUpdateStatus { Idle, Connecting, Error };

// The currency panel's Update: fetches the rate archive in the background
// and installs it when the transfer ends. The transfer codes travel through
// the owner's message queue (message kRateUpdateMessage) back to Transfer,
// on the owner's thread. After an update ends the status stays for a while
// on a timer of the owner's, then returns to idle.
class RateUpdater {
public:
    static constexpr std::uintptr_t kStatusTimer = 10;
    static constexpr int kStatusMilliseconds = 4000;

    // Starts fetching url; false, changing nothing, while an update runs.
    // A transfer that cannot be started leaves the status at Error.
    bool Start(MessageSink& sink, std::wstring_view url);
    // A transfer code; true when the update has ended and the status timer
    // should start. A finished download replaces the rate file only when it
    // reads back as rates.
    bool Transfer(std::uint32_t code);
    // The status timer has fired.
    void StatusTimerElapsed() { status_ = RateUpdateStatus::Idle; }

    RateUpdateStatus Status() const { return status_; }
    bool Running() const { return client_.Busy(); }
    // Tests shorten the waits.
    void SetTimeouts(const HttpTimeouts& timeouts) { client_.SetTimeouts(timeouts); }

private:
    HttpClient client_;
    RateUpdateStatus status_ = RateUpdateStatus::Idle;
};

}  // namespace tallyx
