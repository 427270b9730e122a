#include "convert/rate_update.h"

#include <atomic>

#include "convert/rate_file_store.h"

namespace tallyx {
namespace {

// Passes the codes on and notes whether the transfer completed.
class CompletionWatch : public MessageSink {
public:
    explicit CompletionWatch(MessageSink& progress) : progress_(progress) {}

    void Post(std::uint32_t message, std::uint32_t first, std::uint32_t second) override
    {
        if (first == TransferComplete) {
            complete_ = true;
        }
        progress_.Post(message, first, second);
    }

    bool Complete() const { return complete_; }

private:
    MessageSink& progress_;
    std::atomic<bool> complete_ = false;
};

}  // namespace

Status UpdateRates(std::wstring_view url, MessageSink& progress, const HttpTimeouts& timeouts)
{
    CompletionWatch watch(progress);
    HttpClient client;
    client.SetTimeouts(timeouts);
    if (const Status status = client.Configure(&watch, kRateUpdateMessage, false); status != StatusOk) {
        return status;
    }
    if (!client.Download(url, DownloadPath())) {
        return StatusFail;
    }
    return watch.Complete() ? InstallDownload() : StatusFail;
}

}  // namespace tallyx
