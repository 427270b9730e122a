#pragma once

#include <filesystem>
#include <string_view>

namespace tallyx {

// Opens a local file, at a section when one is named, in the desktop's
// default application for it. Tells the user failureMessage and answers
// false when nothing could open it.
bool OpenInDesktopViewer(const std::filesystem::path& file, std::string_view section, std::wstring_view failureMessage);

}  // namespace tallyx
