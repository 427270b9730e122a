#pragma once

#include <string>
#include <vector>

namespace tallyx {

class WindowHost;

// One entry of a file dialog's Type list: what it shows and the pattern it lists, such as "*.csv".
struct FileFilter {
    std::wstring display;
    std::wstring pattern;
};

// What a caller asks of the file dialog, and where the chosen path comes back.
struct FileDialogRequest {
    WindowHost* owner = nullptr;
    std::vector<FileFilter> filters;
    // 1-based index of the filter selected at start; 0 selects the first.
    int filterIndex = 0;
    // The folder listed at start; the device root when empty.
    std::wstring initialFolder;
    // Receives the chosen full path.
    std::wstring file;
};

// Run the dialog modally over the owner; 1 when a path was written to request.file, 0 otherwise.
int ShowSaveDialog(FileDialogRequest& request);
int ShowOpenDialog(FileDialogRequest& request);

}  // namespace tallyx
