#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/file_list.h"
#include "app/soft_key_bar.h"
#include "ui/child_control.h"
#include "ui/window_base.h"

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
    // Colours the soft-key bar as the caller's skin does.
    std::int32_t skinIndex = 0;
};

// Run the dialog modally over the owner; 1 when a path was written to request.file, 0 otherwise.
int ShowSaveDialog(FileDialogRequest& request);
int ShowOpenDialog(FileDialogRequest& request);

enum class FileDialogMode { Save, Open };

// The full-screen chooser behind both calls: a Name box, a Type list, the
// folder's caption and its folders and files. The device root is the
// user's home folder, above which it never climbs.
class FileDialog : public WindowBase {
public:
    static constexpr long kResultChosen = 1;
    static constexpr long kResultCancelled = 2;
    static constexpr std::uint32_t kOkCommand = 1;
    static constexpr std::uint32_t kOpenCommand = 32762;
    static constexpr std::uint32_t kCancelCommand = 32774;
    static constexpr std::uint32_t kSaveCommand = 32775;
    static constexpr std::uint32_t kCloseCommand = 20202;
    // Posted when a file was tapped in the list: it is the one chosen.
    static constexpr std::uint32_t kFileChosenMessage = 1227;
    static constexpr int kNameLength = 40;

    FileDialog(FileDialogRequest& request, FileDialogMode mode, const std::filesystem::path& root);
    ~FileDialog() override;

    long Run();

    FileDialogMode Mode() const { return mode_; }
    std::wstring Title() const;
    std::wstring FolderCaption() const { return files_.Caption(); }
    std::wstring NameText() const;
    std::wstring TypeText() const;
    const std::vector<FileEntry>& Entries() const { return files_.Entries(); }
    // The soft keys' captions, left and right.
    std::wstring LeftCaption() const;
    static std::wstring RightCaption() { return L"Cancel"; }

protected:
    long OnCreate(std::uintptr_t first, std::intptr_t second) override;
    long OnSize(std::uintptr_t first, std::intptr_t second) override;
    long Draw(Canvas& canvas, const Rect& clip) override;
    long OnChar(std::uintptr_t first, std::intptr_t second) override;
    long OnKeyDown(std::uintptr_t first, std::intptr_t second) override;
    long OnKeyUp(std::uintptr_t first, std::intptr_t second) override;
    long OnPenDown(Point point) override;
    long OnPenUp(Point point) override;
    long OnCommand(std::uintptr_t first, std::intptr_t second) override;
    long OnUserMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;
    long OnClose(std::uintptr_t first, std::intptr_t second) override;

private:
    void CreateControls();
    void Layout();
    FontSpec DialogFont(int weight) const;
    void ApplyFilter();
    void ShowEntries();
    void ActivateEntry(std::size_t index);
    void ShowSelectedName();
    void MoveSelection(bool down);
    std::wstring NameToCompose() const;
    void Choose();
    void Save();
    void Open();
    void Follow(const ComposedPath& composed);
    void Accept(const std::filesystem::path& path);
    void End(long result);

    FileDialogRequest& request_;
    FileDialogMode mode_;
    FileList files_;
    std::unique_ptr<EditBox> nameBox_;
    std::unique_ptr<DropDownList> typeList_;
    std::unique_ptr<ListView> list_;
    // The pattern of each Type list item.
    std::vector<std::wstring> patterns_;
    SoftKeyBar softKeys_;
    // The file tapped last, chosen when its message arrives.
    std::filesystem::path tappedFile_;
    // A selected file's whole name, which the Name box may cut, and what
    // the box showed of it.
    std::wstring selectedName_;
    std::wstring shownName_;
    Rect nameLabel_;
    Rect typeLabel_;
    Rect caption_;
    int icon_ = 32;
};

}  // namespace tallyx
