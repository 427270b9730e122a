#include "convert/rate_file_store.h"

#include <fstream>
#include <string>
#include <vector>
#include <system_error>

#include "convert/rate_archive.h"
#include "convert/rate_text.h"
#include "convert/reference_rate_xml.h"
#include "platform/ini_text.h"
#include "platform/services.h"

namespace tallyx {
namespace {

std::filesystem::path ProgramFile(std::string_view name)
{
    return Platform().paths->ProgramDataFolder() / name;
}

// Written beside the rate file and renamed over it, so that no reader ever
// sees half a file.
Status WriteWhole(const std::filesystem::path& path, std::string_view bytes)
{
    std::filesystem::path partial = path;
    partial += ".partial";
    {
        std::ofstream file(partial, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!file.flush()) {
            std::error_code ignored;
            std::filesystem::remove(partial, ignored);
            return StatusFail;
        }
    }
    std::error_code error;
    std::filesystem::rename(partial, path, error);
    return error ? StatusFail : StatusOk;
}

// A download counts only when it reads back as a rate archive with currencies.
bool HoldsRates(const std::filesystem::path& archive)
{
    std::string text;
    IniText rates;
    return ReadRateArchive(archive, text) == StatusOk && rates.LoadFromText(text) == StatusOk &&
           !ReadRateText(rates).entries.empty();
}

std::string ReadWhole(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::string bytes;
    char block[4096];
    while (file.read(block, sizeof block) || file.gcount() > 0) {
        bytes.append(block, static_cast<std::size_t>(file.gcount()));
        if (bytes.size() > kRateTextLimit) return {};
    }
    return bytes;
}

// The currencies installed now, with their rates; none when the file is unreadable.
std::vector<CurrencyEntry> InstalledCurrencies()
{
    std::string text;
    IniText rates;
    if (ReadRateArchive(RateFilePath(), text) != StatusOk || rates.LoadFromText(text) != StatusOk) {
        return {};
    }
    return ReadRateText(rates).entries;
}

// A download of reference-rate XML becomes a rate archive in its place,
// keeping the installed currencies the feed does not carry. Anything else is
// left for the archive check to judge.
void PackReferenceRates()
{
    const std::string document = ReadWhole(DownloadPath());
    if (!IsReferenceRateDocument(document)) {
        return;
    }
    std::string text;
    std::error_code error;
    if (ReferenceRatesToRateText(document, InstalledCurrencies(), text, MissingCurrencies::Kept) != StatusOk ||
        WriteRateArchive(DownloadPath(), text) != StatusOk) {
        std::filesystem::remove(DownloadPath(), error);
    }
}

}  // namespace

std::filesystem::path RateFilePath()
{
    return ProgramFile(kRateFileName);
}

std::filesystem::path RateTextPath()
{
    return ProgramFile(kRateTextFileName);
}

std::filesystem::path DownloadPath()
{
    return ProgramFile(kDownloadFileName);
}

Status SeedRateFile()
{
    std::error_code error;
    if (std::filesystem::exists(RateFilePath(), error)) {
        return StatusOk;
    }
    const auto shipped = Platform().resources->Find(kShippedRatesType, kShippedRatesName);
    if (!shipped) {
        return StatusInvalidArgument;
    }
    std::filesystem::create_directories(Platform().paths->ProgramDataFolder(), error);
    return WriteWhole(RateFilePath(), *shipped);
}

bool ShippedRatesInstalled()
{
    const auto shipped = Platform().resources->Find(kShippedRatesType, kShippedRatesName);
    return shipped && ReadWhole(RateFilePath()) == *shipped;
}

Status InstallDownload()
{
    PackReferenceRates();
    std::error_code error;
    if (!HoldsRates(DownloadPath())) {
        std::filesystem::remove(DownloadPath(), error);
        return StatusFail;
    }
    std::filesystem::rename(DownloadPath(), RateFilePath(), error);
    return error ? StatusFail : StatusOk;
}

}  // namespace tallyx
