#pragma once

namespace tallyx {

// Installs the desktop's platform services for the life of the program: the
// settings file in the user's config folder, the system clipboard and message
// boxes, and creates the per-user data folder with its default rate file.
void InstallDesktopServices();

}  // namespace tallyx
