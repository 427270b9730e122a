#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "platform/status.h"

namespace tallyx {

class WindowHost;

// Writes the text to the path whole or not at all: it goes to a file beside
// the path first, which then takes the path's place, so a failed write leaves
// a file that was there as it was.
Status WriteCsvFile(const std::filesystem::path& path, std::string_view csv);

// Asks for a file through the save dialog, listing CSV files of the documents
// folder, and writes the text there; a failed write is told in a message.
// True only when the file was written.
bool SaveCsv(WindowHost& owner, std::string_view csv, std::int32_t skinIndex);

}  // namespace tallyx
