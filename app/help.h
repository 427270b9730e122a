#pragma once

#include <filesystem>
#include <string_view>

namespace tallyx {

// The user guide installed with the program: "tallyx/help/tallyx.html"
// beside the program's share folder or in one of the desktop's data folders.
// Empty when it is not installed.
std::filesystem::path FindUserGuide();

// Opens the guide, at a section when one is named ("HowTo"), in the desktop's
// viewer. Tells the user and answers false when it cannot.
bool OpenHelp(std::string_view section = {});

}  // namespace tallyx
