#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace tallyx {

// The rate file is a ZIP archive whose first entry, encrypted with the
// traditional PKWARE scheme, holds the rate text.
inline constexpr std::string_view kRateArchivePassword = "73k4QW8vm15";
inline constexpr std::string_view kRateTextEntryName = "currency-nozip.ini";
// Far above any real rate text; a larger entry is refused rather than inflated.
inline constexpr std::size_t kRateTextLimit = 1 << 20;

struct RateArchiveEntry {
    std::string_view name = kRateTextEntryName;
    std::string_view password = kRateArchivePassword;
};

// Writes a new archive holding text as its one entry (replacing any file there).
Status WriteRateArchive(const std::filesystem::path& archive, std::string_view text, RateArchiveEntry entry = {});

// Reads the first entry of the archive with the rate password. Fails for a
// missing or damaged archive, a wrong password, a checksum or size mismatch and
// an entry above kRateTextLimit; text is then left empty.
Status ReadRateArchive(const std::filesystem::path& archive, std::string& text);

}  // namespace tallyx
