#pragma once

#include <filesystem>
#include <string_view>

#include "platform/status.h"

namespace tallyx {

// The rate files in the program folder.
inline constexpr std::string_view kRateFileName = "currency.ini";
inline constexpr std::string_view kRateTextFileName = "currency-nozip.ini";
inline constexpr std::string_view kDownloadFileName = "currency2.ini";

// The built-in rate archive: resource type and name.
inline constexpr std::string_view kShippedRatesType = "RATES";
inline constexpr std::string_view kShippedRatesName = "IDR_RATES_CURRENCY";

std::filesystem::path RateFilePath();
std::filesystem::path RateTextPath();
std::filesystem::path DownloadPath();

// Puts the rates that ship with the program in place when the program folder
// has no rate file yet (creating the folder); an existing file is kept.
Status SeedRateFile();

// True while the rate file holds byte for byte the rates that ship with the
// program: they have never been updated.
bool ShippedRatesInstalled();

// Moves a finished download over the rate file, but only when it is a rate
// archive that reads back and lists at least one currency, or a whole
// reference-rate XML document with a dollar rate (packed into an archive that
// keeps the installed currencies it lacks); otherwise the rate file stays byte
// for byte as it was. The download is gone afterwards either way.
Status InstallDownload();

}  // namespace tallyx
