#include "convert/curl_library.h"

#include <dlfcn.h>

#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace tallyx {
namespace {

template <typename Function>
bool Resolve(void* library, const char* symbol, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, symbol));
    return function != nullptr;
}

std::optional<CurlLibrary> Open(const std::string& name)
{
    void* library = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        return std::nullopt;
    }
    CurlLibrary curl;
    const bool complete = Resolve(library, "curl_global_init", curl.globalInit) &&
                          Resolve(library, "curl_easy_init", curl.easyInit) &&
                          Resolve(library, "curl_easy_cleanup", curl.easyCleanup) &&
                          Resolve(library, "curl_easy_setopt", curl.easySetopt) &&
                          Resolve(library, "curl_easy_getinfo", curl.easyGetinfo) &&
                          Resolve(library, "curl_multi_init", curl.multiInit) &&
                          Resolve(library, "curl_multi_cleanup", curl.multiCleanup) &&
                          Resolve(library, "curl_multi_add_handle", curl.multiAddHandle) &&
                          Resolve(library, "curl_multi_remove_handle", curl.multiRemoveHandle) &&
                          Resolve(library, "curl_multi_perform", curl.multiPerform) &&
                          Resolve(library, "curl_multi_poll", curl.multiPoll) &&
                          Resolve(library, "curl_multi_wakeup", curl.multiWakeup) &&
                          Resolve(library, "curl_multi_info_read", curl.multiInfoRead);
    if (!complete || curl.globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
        dlclose(library);
        return std::nullopt;
    }
    return curl;
}

}  // namespace

const CurlLibrary* LoadCurlLibrary(std::string_view name)
{
    // A failed load is remembered too, so a missing library is looked for once.
    static std::mutex lock;
    static std::map<std::string, std::optional<CurlLibrary>, std::less<>> loaded;
    std::lock_guard guard(lock);
    auto found = loaded.find(name);
    if (found == loaded.end()) {
        const std::string key(name);
        found = loaded.emplace(key, Open(key)).first;
    }
    return found->second ? &*found->second : nullptr;
}

}  // namespace tallyx
