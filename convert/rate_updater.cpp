#include "convert/rate_updater.h"

#include "convert/rate_file_store.h"

namespace tallyx {

bool RateUpdater::Start(MessageSink& sink, std::wstring_view url)
{
    if (client_.Busy()) return false;
    status_ = RateUpdateStatus::Connecting;
    if (client_.Configure(&sink, kRateUpdateMessage, true) != StatusOk || !client_.Download(url, DownloadPath())) {
        status_ = RateUpdateStatus::Error;
    }
    return true;
}

bool RateUpdater::Transfer(std::uint32_t code)
{
    switch (code) {
    case TransferThreadStarted:
    case TransferRequestOpen:
    case TransferBlockWritten: return false;
    case TransferComplete:
        // Connecting stays up until the timer; a download that is no rate archive is an error.
        if (InstallDownload() != StatusOk) status_ = RateUpdateStatus::Error;
        return true;
    default: status_ = RateUpdateStatus::Error; return true;
    }
}

}  // namespace tallyx
