#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallyx {

// One row of the file dialog's list.
struct FileEntry {
    std::wstring name;
    bool folder = false;
    bool operator==(const FileEntry&) const = default;
};

inline constexpr const wchar_t* kParentEntryName = L"..";
inline constexpr const wchar_t* kRootCaption = L"My Device";

// Whether a file's name fits a Type pattern such as "*.csv" ("*" any run,
// "?" one character; "*.*" takes every name). Letters match in either case.
bool MatchesPattern(std::wstring_view name, std::wstring_view pattern);
// What a new file's name gets under a pattern: ".csv" for "*.csv", ".txt"
// for "*.*" or no pattern.
std::wstring ExtensionForPattern(std::wstring_view pattern);
// A listed file's name as the Name box offers it: without the pattern's
// extension, when it ends with it exactly (another case would name
// another file here).
std::wstring NameWithoutExtension(std::wstring_view name, std::wstring_view pattern);
// Whether a typed name can name a file: not empty, neither "/" nor NUL in
// it, and not only dots.
bool IsValidFileName(std::wstring_view name);
// ".." first, folders before files, names without regard to case.
void SortEntries(std::vector<FileEntry>& entries);

// The user's home folder: the root the dialog never climbs above.
std::filesystem::path HomeFolder();

// What a typed name comes to in the current folder.
struct ComposedPath {
    enum class Kind { Empty, Invalid, Folder, ExistingFile, NewFile };
    Kind kind = Kind::Empty;
    std::filesystem::path path;
};

// A folder below a root and the entries it shows under a pattern. Hidden
// entries (names starting with ".") are left out, as desktop file choosers
// do; unreadable folders list only "..".
class FileList {
public:
    explicit FileList(const std::filesystem::path& root);

    // Goes to folder (absolute, or below the root) when it is an existing
    // folder inside the root; otherwise to the root, answering false.
    bool GoTo(const std::filesystem::path& folder);
    const std::filesystem::path& Folder() const { return folder_; }
    bool AtRoot() const { return folder_ == root_; }
    // The last part of the folder's path, or "My Device" at the root.
    std::wstring Caption() const;

    void SetPattern(std::wstring pattern);
    const std::wstring& Pattern() const { return pattern_; }
    // Reads the folder again.
    void Refresh();
    const std::vector<FileEntry>& Entries() const { return entries_; }

    // ".." climbs and a folder is entered (both list again); a file answers
    // its full path.
    std::optional<std::filesystem::path> Activate(std::size_t index);
    ComposedPath Compose(std::wstring_view name) const;

private:
    std::filesystem::path root_;
    std::filesystem::path folder_;
    std::wstring pattern_;
    std::vector<FileEntry> entries_;
};

}  // namespace tallyx
