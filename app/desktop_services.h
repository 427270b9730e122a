#pragma once

namespace tallyx {

class FileRegistry;
class Notifier;

// Installs the desktop's platform services for the life of the program: the
// settings file in the user's config folder, the system clipboard and message
// boxes, and creates the per-user data folder with its default rate file.
void InstallDesktopServices();

// Tells the user once, in a message box, when the settings file could not be
// read whole: which values start from their defaults and where the file as it
// was is kept.
void TellAboutSetAsideSettings(FileRegistry& registry, Notifier& notifier);
// The same with the installed services.
void TellAboutSetAsideSettings();

}  // namespace tallyx
