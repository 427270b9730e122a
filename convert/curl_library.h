#pragma once

#include <string_view>

#include <curl/curl.h>

namespace tallyx {

// The shared library the download opens; only the download needs libcurl, so
// starting the program does not pay for relocating it and its dependencies.
inline constexpr std::string_view kCurlLibraryName = "libcurl.so.4";

// The libcurl functions the HTTP client calls, resolved from the loaded library.
struct CurlLibrary {
    decltype(&curl_global_init) globalInit = nullptr;
    decltype(&curl_easy_init) easyInit = nullptr;
    decltype(&curl_easy_cleanup) easyCleanup = nullptr;
    decltype(&curl_easy_setopt) easySetopt = nullptr;
    decltype(&curl_easy_getinfo) easyGetinfo = nullptr;
    decltype(&curl_multi_init) multiInit = nullptr;
    decltype(&curl_multi_cleanup) multiCleanup = nullptr;
    decltype(&curl_multi_add_handle) multiAddHandle = nullptr;
    decltype(&curl_multi_remove_handle) multiRemoveHandle = nullptr;
    decltype(&curl_multi_perform) multiPerform = nullptr;
    decltype(&curl_multi_poll) multiPoll = nullptr;
    decltype(&curl_multi_wakeup) multiWakeup = nullptr;
    decltype(&curl_multi_info_read) multiInfoRead = nullptr;
};

// Opens the library called name once and initialises it; null when it cannot
// be opened or lacks one of the functions. A library once loaded stays loaded
// for the life of the program, as libcurl cannot safely be unloaded.
const CurlLibrary* LoadCurlLibrary(std::string_view name = kCurlLibraryName);

}  // namespace tallyx
