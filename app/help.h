#pragma once

#include <filesystem>
#include <string_view>

namespace tallyx {

// The user guide installed with the program: "tallyx/help/tallyx.html"
// beside the program's share folder or in one of the desktop's data folders.
// Empty when it is not installed.
std::filesystem::path FindUserGuide();
// The guide in the share folder beside a program folder, where both the
// install tree and the build tree keep it; empty when it is not there.
std::filesystem::path GuideBesideProgram(const std::filesystem::path& programFolder);

// Opens the guide, at a section when one is named ("HowTo"), in the desktop's
// viewer. Tells the user and answers false when it cannot.
bool OpenHelp(std::string_view section = {});

}  // namespace tallyx
