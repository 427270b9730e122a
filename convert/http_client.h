#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "convert/curl_library.h"
#include "convert/message_sink.h"
#include "convert/transfer_events.h"
#include "platform/status.h"

namespace tallyx {

// What a download reports: the first parameter of each posted message.
enum TransferCode : std::uint32_t {
    TransferThreadStarted = 0,
    TransferNoConnection = 2,   // the request was not open in time
    TransferTimedOut = 3,       // the transfer did not finish in time
    TransferRequestFailed = 6,  // opening, sending or receiving failed, or the server answered with an error
    TransferRequestOpen = 7,
    TransferBlockWritten = 8,   // second parameter: bytes written
    TransferComplete = 9,
    TransferWriteFailed = 10,
};

// The message the currency panel receives the codes with.
inline constexpr std::uint32_t kRateUpdateMessage = 1305;

// Largest block read and written at a time.
inline constexpr std::size_t kTransferBlockSize = 1024;
// A larger download fails the request rather than filling the disk.
inline constexpr std::size_t kLargestDownload = 8 << 20;

struct HttpTimeouts {
    std::chrono::milliseconds connect{25000};
    std::chrono::milliseconds receive{25000};  // a connection quiet for this long fails
    std::chrono::milliseconds untilOpen{30000};
    std::chrono::milliseconds untilFinished{2000000};
};

// HTTP and HTTPS GET of one URL into one file, one transfer at a time. A
// starter thread holds the transfer lock, starts a worker and watches its time;
// the worker fetches. Both report through the sink. Destroying the client
// stops a running transfer and waits for both threads. libcurl is loaded at
// the first Configure; without it every download fails to open.
class HttpClient {
public:
    explicit HttpClient(std::string_view curlLibraryName = kCurlLibraryName);
    ~HttpClient();
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    // Opens a fresh session reporting to sink with message; a synchronous
    // client returns from Download only when the transfer has ended. Refused
    // while a transfer runs.
    Status Configure(MessageSink* sink, std::uint32_t message, bool asynchronous);
    // Starts fetching url ("http://" is assumed when no scheme is given) into
    // target, replacing it; false when unconfigured or a transfer runs.
    bool Download(std::wstring_view url, const std::filesystem::path& target);
    bool Busy() const { return busy_; }
    // Tests shorten the waits.
    void SetTimeouts(const HttpTimeouts& timeouts) { timeouts_ = timeouts; }

private:
    void RunStarter(std::string url, std::filesystem::path target);
    void RunWorker(const std::string& url, const std::filesystem::path& target);
    void Post(TransferCode code, std::uint32_t value = 0);
    void Cancel();
    void CloseSession();

    MessageSink* sink_ = nullptr;
    std::uint32_t message_ = 0;
    bool asynchronous_ = true;
    HttpTimeouts timeouts_;
    std::string curlLibraryName_;
    const CurlLibrary* curl_ = nullptr;
    bool configured_ = false;
    CURLM* session_ = nullptr;
    TransferEvents events_;
    std::mutex transferLock_;
    std::mutex control_;
    std::thread starter_;
    std::atomic<bool> busy_ = false;
    std::atomic<bool> cancelled_ = false;
};

}  // namespace tallyx
