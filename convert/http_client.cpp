#include "convert/http_client.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

#include "platform/wide_text.h"

namespace tallyx {
namespace {

constexpr std::string_view kUserAgent = "Tallyx/1.0 (Linux)";
constexpr std::string_view kHttpPrefix = "http://";
constexpr long kFirstErrorStatus = 400;
constexpr long kRedirectLimit = 5;
constexpr int kOpenAttempts = 2;
constexpr auto kRetryPause = std::chrono::milliseconds(5);
constexpr std::chrono::milliseconds::rep kLongestPollMilliseconds = 250;
constexpr std::chrono::milliseconds::rep kPollsPerTimeout = 10;

// "http://" in front of a URL without a scheme; no final "/".
std::string NormalizeUrl(std::wstring_view url)
{
    std::string text = NarrowUtf8(TrimBlanks(url));
    if (text.find("://") == std::string::npos) {
        text.insert(0, kHttpPrefix);
    }
    if (text.ends_with('/')) {
        text.pop_back();
    }
    return text;
}

// Headers and body bytes that have arrived so far.
curl_off_t ReceivedBytes(const CurlLibrary& curl, CURL* request)
{
    curl_off_t body = 0;
    long headers = 0;
    curl.easyGetinfo(request, CURLINFO_SIZE_DOWNLOAD_T, &body);
    curl.easyGetinfo(request, CURLINFO_HEADER_SIZE, &headers);
    return body + headers;
}

enum class FetchResult { OpenFailed, RequestFailed, WriteFailed, Complete, Cancelled };

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// One attempt at the GET. The request counts as open when the first body
// bytes arrive, or at the end of an empty body; an error status never opens.
class HttpTransfer {
public:
    HttpTransfer(const CurlLibrary& curl, CURLM* session, const std::filesystem::path& target,
                 const std::atomic<bool>& cancelled, std::function<void(TransferCode, std::uint32_t)> post,
                 std::function<void()> opened)
        : curl_(curl), session_(session), target_(target), cancelled_(cancelled), post_(std::move(post)),
          opened_(std::move(opened))
    {
    }

    FetchResult Fetch(const std::string& url, const HttpTimeouts& timeouts);

private:
    static std::size_t OnData(char* data, std::size_t size, std::size_t count, void* self);
    std::size_t Receive(const char* data, std::size_t size);
    bool Open();
    CURLcode Perform(CURL* request, std::chrono::milliseconds receiveTimeout);
    FetchResult Finish(CURLcode result);

    const CurlLibrary& curl_;
    CURLM* session_;
    const std::filesystem::path& target_;
    const std::atomic<bool>& cancelled_;
    std::function<void(TransferCode, std::uint32_t)> post_;
    std::function<void()> opened_;
    CURL* request_ = nullptr;
    std::unique_ptr<std::FILE, FileCloser> file_;
    bool open_ = false;
    bool refused_ = false;
    bool writeFailed_ = false;
    std::size_t received_ = 0;
};

std::size_t HttpTransfer::OnData(char* data, std::size_t size, std::size_t count, void* self)
{
    return static_cast<HttpTransfer*>(self)->Receive(data, size * count);
}

bool HttpTransfer::Open()
{
    long status = 0;
    curl_.easyGetinfo(request_, CURLINFO_RESPONSE_CODE, &status);
    if (status >= kFirstErrorStatus) {
        refused_ = true;
        return false;
    }
    post_(TransferRequestOpen, 0);
    opened_();
    open_ = true;
    file_.reset(std::fopen(target_.c_str(), "wb"));
    writeFailed_ = !file_;
    return file_ != nullptr;
}

std::size_t HttpTransfer::Receive(const char* data, std::size_t size)
{
    if (cancelled_ || (!open_ && !Open()) || writeFailed_ || size > kLargestDownload - received_) {
        return 0;
    }
    received_ += size;
    for (std::size_t done = 0; done < size;) {
        const std::size_t block = std::min(kTransferBlockSize, size - done);
        if (std::fwrite(data + done, 1, block, file_.get()) != block) {
            writeFailed_ = true;
            return 0;
        }
        post_(TransferBlockWritten, static_cast<std::uint32_t>(block));
        done += block;
    }
    return size;
}

// Runs the request to its end; a connection that stays quiet for the receive
// time-out fails it, as a cancellation stops it.
CURLcode HttpTransfer::Perform(CURL* request, std::chrono::milliseconds receiveTimeout)
{
    if (curl_.multiAddHandle(session_, request) != CURLM_OK) {
        return CURLE_FAILED_INIT;
    }
    const int pollMilliseconds = static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(
        receiveTimeout.count() / kPollsPerTimeout, 1, kLongestPollMilliseconds));
    auto lastActivity = std::chrono::steady_clock::now();
    curl_off_t lastBytes = 0;
    CURLcode result = CURLE_ABORTED_BY_CALLBACK;
    int running = 1;
    while (running && !cancelled_ && curl_.multiPerform(session_, &running) == CURLM_OK && running) {
        const auto now = std::chrono::steady_clock::now();
        if (const curl_off_t bytes = ReceivedBytes(curl_, request); bytes != lastBytes) {
            lastBytes = bytes;
            lastActivity = now;
        } else if (now - lastActivity > receiveTimeout) {
            result = CURLE_OPERATION_TIMEDOUT;
            break;
        }
        curl_.multiPoll(session_, nullptr, 0, pollMilliseconds, nullptr);
    }
    int queued = 0;
    while (CURLMsg* message = curl_.multiInfoRead(session_, &queued)) {
        if (message->msg == CURLMSG_DONE && message->easy_handle == request) {
            result = message->data.result;
        }
    }
    curl_.multiRemoveHandle(session_, request);
    return result;
}

FetchResult HttpTransfer::Fetch(const std::string& url, const HttpTimeouts& timeouts)
{
    std::unique_ptr<CURL, decltype(curl_.easyCleanup)> request(curl_.easyInit(), curl_.easyCleanup);
    if (!request) {
        return FetchResult::OpenFailed;
    }
    request_ = request.get();
    curl_.easySetopt(request_, CURLOPT_URL, url.c_str());
    curl_.easySetopt(request_, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_.easySetopt(request_, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_.easySetopt(request_, CURLOPT_FOLLOWLOCATION, 1L);
    curl_.easySetopt(request_, CURLOPT_MAXREDIRS, kRedirectLimit);
    curl_.easySetopt(request_, CURLOPT_USERAGENT, kUserAgent.data());
    curl_.easySetopt(request_, CURLOPT_NOSIGNAL, 1L);
    curl_.easySetopt(request_, CURLOPT_BUFFERSIZE, static_cast<long>(kTransferBlockSize));
    curl_.easySetopt(request_, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(timeouts.connect.count()));
    curl_.easySetopt(request_, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(kLargestDownload));
    curl_.easySetopt(request_, CURLOPT_WRITEFUNCTION, &HttpTransfer::OnData);
    curl_.easySetopt(request_, CURLOPT_WRITEDATA, this);
    return Finish(Perform(request_, timeouts.receive));
}

FetchResult HttpTransfer::Finish(CURLcode result)
{
    if (cancelled_) {
        return FetchResult::Cancelled;
    }
    if (writeFailed_) {
        return FetchResult::WriteFailed;
    }
    if (result != CURLE_OK || refused_) {
        return open_ ? FetchResult::RequestFailed : FetchResult::OpenFailed;
    }
    if (!open_ && !Open()) {
        return refused_ ? FetchResult::OpenFailed : FetchResult::WriteFailed;
    }
    const bool closed = std::fclose(file_.release()) == 0;
    return closed ? FetchResult::Complete : FetchResult::WriteFailed;
}

}  // namespace

HttpClient::HttpClient(std::string_view curlLibraryName) : curlLibraryName_(curlLibraryName) {}

HttpClient::~HttpClient()
{
    Cancel();
    {
        std::lock_guard lock(control_);
        if (starter_.joinable()) {
            starter_.join();
        }
    }
    CloseSession();
}

void HttpClient::CloseSession()
{
    if (session_) {
        curl_->multiCleanup(session_);
        session_ = nullptr;
    }
}

Status HttpClient::Configure(MessageSink* sink, std::uint32_t message, bool asynchronous)
{
    std::lock_guard lock(control_);
    if (busy_) {
        return StatusFail;
    }
    CloseSession();
    sink_ = sink;
    message_ = message;
    asynchronous_ = asynchronous;
    // Without libcurl the client is still configured, so that a download
    // reports its failure to open like any other.
    curl_ = LoadCurlLibrary(curlLibraryName_);
    session_ = curl_ ? curl_->multiInit() : nullptr;
    configured_ = session_ || !curl_;
    return configured_ ? StatusOk : StatusOutOfMemory;
}

bool HttpClient::Download(std::wstring_view url, const std::filesystem::path& target)
{
    std::unique_lock lock(control_);
    if (!configured_ || busy_.exchange(true)) {
        return false;
    }
    if (starter_.joinable()) {
        starter_.join();
    }
    cancelled_ = false;
    if (asynchronous_) {
        starter_ = std::thread(&HttpClient::RunStarter, this, NormalizeUrl(url), target);
    } else {
        lock.unlock();
        RunStarter(NormalizeUrl(url), target);
    }
    return true;
}

void HttpClient::Post(TransferCode code, std::uint32_t value)
{
    if (sink_) {
        sink_->Post(message_, code, value);
    }
}

// Never waits for the transfer lock: the starter holding it may be the caller.
void HttpClient::Cancel()
{
    cancelled_ = true;
    if (session_) {
        curl_->multiWakeup(session_);
    }
}

void HttpClient::RunStarter(std::string url, std::filesystem::path target)
{
    {
        std::lock_guard transfer(transferLock_);
        events_.Reset();
        Post(TransferThreadStarted);
        std::thread worker(&HttpClient::RunWorker, this, std::cref(url), std::cref(target));
        if (!events_.WaitForAny({TransferEvent::Started, TransferEvent::Aborted}, timeouts_.untilOpen)) {
            Post(TransferNoConnection);
        }
        if (!events_.WaitForAny({TransferEvent::Finished, TransferEvent::Aborted}, timeouts_.untilFinished)) {
            Post(TransferTimedOut);
            Cancel();
        }
        worker.join();
    }
    busy_ = false;
}

void HttpClient::RunWorker(const std::string& url, const std::filesystem::path& target)
{
    const auto post = [this](TransferCode code, std::uint32_t value) { Post(code, value); };
    const auto opened = [this] { events_.Signal(TransferEvent::Started); };
    FetchResult result = FetchResult::OpenFailed;
    const int attempts = session_ ? kOpenAttempts : 0;
    for (int attempt = 0; attempt < attempts && result == FetchResult::OpenFailed && !cancelled_; ++attempt) {
        if (attempt > 0) {
            std::this_thread::sleep_for(kRetryPause);
        }
        result = HttpTransfer(*curl_, session_, target, cancelled_, post, opened).Fetch(url, timeouts_);
    }
    switch (cancelled_ ? FetchResult::Cancelled : result) {
    case FetchResult::Complete:
        Post(TransferComplete);
        events_.Signal(TransferEvent::Finished);
        return;
    case FetchResult::WriteFailed:
        Post(TransferWriteFailed);
        break;
    case FetchResult::OpenFailed:
    case FetchResult::RequestFailed:
        Post(TransferRequestFailed);
        break;
    case FetchResult::Cancelled:
        break;
    }
    events_.Signal(TransferEvent::Aborted);
}

}  // namespace tallyx
