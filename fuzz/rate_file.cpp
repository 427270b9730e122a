// The rate-file reader on arbitrary bytes: once as the rate text itself, and
// once as the rate archive the currency list opens, extracts and reads.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "convert/currency_list.h"
#include "convert/rate_file_store.h"
#include "convert/rate_text.h"
#include "platform/ini_text.h"
#include "platform/services.h"

namespace {

// A program folder of the fuzzing process's own, removed when it ends.
struct FuzzFolder {
    std::filesystem::path root =
        std::filesystem::temp_directory_path() / ("tallyx-fuzz-" + std::to_string(getpid()));
    tallyx::FixedPaths paths{root};
    ~FuzzFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
};

tallyx::FixedPaths& FuzzPaths()
{
    static FuzzFolder folder;
    return folder.paths;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    tallyx::IniText text;
    text.LoadFromText(bytes);
    tallyx::ReadRateText(text);

    tallyx::PlatformServices services = tallyx::Platform();
    services.paths = &FuzzPaths();
    tallyx::ScopedPlatform scoped(services);
    std::filesystem::create_directories(FuzzPaths().ProgramDataFolder());
    std::ofstream(tallyx::RateFilePath(), std::ios::binary | std::ios::trunc) << bytes;
    tallyx::CurrencyList list;
    list.SetLocaleName("C");
    list.LoadRateFile();
    list.SetFromCurrency(0);
    list.SetToCurrency(static_cast<int>(list.Count()) - 1);
    list.SetAmount(L"123.45");
    return 0;
}
