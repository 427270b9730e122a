#include "app/file_list.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "platform/wide_text.h"

namespace tallyx {
namespace {

namespace fs = std::filesystem;

constexpr std::wstring_view kEveryFile = L"*.*";
constexpr const wchar_t* kDefaultExtension = L".txt";

// The glob match on names already in one case: the last "*" seen is where
// a failed match resumes, one character further each time.
bool GlobMatches(std::wstring_view name, std::wstring_view pattern)
{
    std::size_t at = 0;
    std::size_t position = 0;
    std::optional<std::size_t> star;
    std::size_t resumeAt = 0;
    while (at < name.size()) {
        if (position < pattern.size() && (pattern[position] == L'?' || pattern[position] == name[at])) {
            ++at;
            ++position;
        } else if (position < pattern.size() && pattern[position] == L'*') {
            star = position++;
            resumeAt = at;
        } else if (star) {
            position = *star + 1;
            at = ++resumeAt;
        } else {
            return false;
        }
    }
    while (position < pattern.size() && pattern[position] == L'*') ++position;
    return position == pattern.size();
}

int Rank(const FileEntry& entry)
{
    if (entry.name == kParentEntryName) return 0;
    return entry.folder ? 1 : 2;
}

bool EndsWith(std::wstring_view text, std::wstring_view ending)
{
    return text.size() >= ending.size() && text.substr(text.size() - ending.size()) == ending;
}

bool EndsWithNoCase(std::wstring_view text, std::wstring_view ending)
{
    return text.size() >= ending.size() && EqualNoCase(text.substr(text.size() - ending.size()), ending);
}

fs::path Below(const fs::path& folder, std::wstring_view name)
{
    return folder / NarrowUtf8(name);
}

// The path's full form, symbolic links resolved, without a trailing "/".
fs::path Canonical(const fs::path& path)
{
    std::error_code error;
    fs::path canonical = fs::weakly_canonical(path, error);
    if (error) canonical = path.lexically_normal();
    if (!canonical.has_filename() && canonical.has_parent_path() && canonical != canonical.root_path()) {
        canonical = canonical.parent_path();
    }
    return canonical;
}

bool Inside(const fs::path& path, const fs::path& root)
{
    const fs::path relative = path.lexically_relative(root);
    return !relative.empty() && *relative.begin() != "..";
}

ComposedPath::Kind KindAt(const fs::path& path)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (fs::is_directory(status)) return ComposedPath::Kind::Folder;
    return fs::exists(status) ? ComposedPath::Kind::ExistingFile : ComposedPath::Kind::NewFile;
}

}  // namespace

bool MatchesPattern(std::wstring_view name, std::wstring_view pattern)
{
    if (pattern == kEveryFile) return true;
    return GlobMatches(ToLowerText(name), ToLowerText(pattern));
}

std::wstring ExtensionForPattern(std::wstring_view pattern)
{
    if (pattern.empty() || pattern == kEveryFile) return kDefaultExtension;
    return std::wstring(pattern.substr(1));
}

std::wstring NameWithoutExtension(std::wstring_view name, std::wstring_view pattern)
{
    if (pattern.empty()) return std::wstring(name);
    const std::wstring_view extension = pattern.substr(1);
    if (extension.empty() || extension.size() >= name.size() || !EndsWith(name, extension)) return std::wstring(name);
    return std::wstring(name.substr(0, name.size() - extension.size()));
}

bool IsValidFileName(std::wstring_view name)
{
    if (name.empty() || name.find_first_of(std::wstring_view(L"/\0", 2)) != std::wstring_view::npos) return false;
    return name.find_first_not_of(L'.') != std::wstring_view::npos;
}

void SortEntries(std::vector<FileEntry>& entries)
{
    std::sort(entries.begin(), entries.end(), [](const FileEntry& left, const FileEntry& right) {
        if (Rank(left) != Rank(right)) return Rank(left) < Rank(right);
        const int order = CompareNoCase(left.name, right.name);
        return order != 0 ? order < 0 : left.name < right.name;
    });
}

fs::path HomeFolder()
{
    const char* home = std::getenv("HOME");
    return Canonical(home && *home ? fs::path(home) : fs::path("/"));
}

FileList::FileList(const fs::path& root) : root_(Canonical(root)), folder_(root_) {}

bool FileList::GoTo(const fs::path& folder)
{
    const fs::path wanted = Canonical(folder.is_absolute() ? folder : root_ / folder);
    std::error_code error;
    const bool found = fs::is_directory(wanted, error) && (wanted == root_ || Inside(wanted, root_));
    folder_ = found ? wanted : root_;
    Refresh();
    return found;
}

std::wstring FileList::Caption() const
{
    return AtRoot() ? kRootCaption : WidenUtf8(folder_.filename().string());
}

void FileList::SetPattern(std::wstring pattern)
{
    pattern_ = std::move(pattern);
    Refresh();
}

void FileList::Refresh()
{
    entries_.clear();
    if (!AtRoot()) entries_.push_back({kParentEntryName, true});
    std::error_code error;
    fs::directory_iterator entry(folder_, fs::directory_options::skip_permission_denied, error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
        const std::wstring name = WidenUtf8(entry->path().filename().string());
        if (name.starts_with(L'.')) continue;
        std::error_code kindError;
        if (entry->is_directory(kindError)) {
            entries_.push_back({name, true});
        } else if (!pattern_.empty() && MatchesPattern(name, pattern_)) {
            entries_.push_back({name, false});
        }
    }
    SortEntries(entries_);
}

std::optional<fs::path> FileList::Activate(std::size_t index)
{
    if (index >= entries_.size()) return std::nullopt;
    const FileEntry entry = entries_[index];
    if (!entry.folder) return Below(folder_, entry.name);
    folder_ = entry.name == kParentEntryName ? (AtRoot() ? root_ : folder_.parent_path()) : Below(folder_, entry.name);
    Refresh();
    return std::nullopt;
}

ComposedPath FileList::Compose(std::wstring_view name) const
{
    if (name.empty()) return {};
    if (!IsValidFileName(name)) return {ComposedPath::Kind::Invalid, {}};
    fs::path path = Below(folder_, name);
    ComposedPath::Kind kind = KindAt(path);
    if (kind == ComposedPath::Kind::NewFile) {
        const std::wstring extension = ExtensionForPattern(pattern_);
        if (!EndsWithNoCase(name, extension)) {
            path += NarrowUtf8(extension);
            kind = KindAt(path);
        }
    }
    return {kind, path};
}

}  // namespace tallyx
