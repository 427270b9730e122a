#include "app/file_dialog.h"

#include <algorithm>

#include "app/keypad_geometry.h"
#include "platform/services.h"
#include "platform/wide_text.h"
#include "platform/window_messages.h"
#include "ui/window_host.h"

namespace tallyx {
namespace {

enum ControlId : int { kNameBoxId = 1, kTypeListId = 2, kFileListId = 3 };

constexpr Color kBackground = MakeColor(255, 255, 255);
constexpr Color kText = MakeColor(0, 0, 0);
// The system colour of dialog faces.
constexpr Color kCaptionFace = MakeColor(212, 208, 200);
constexpr int kWideScreen = 320;
constexpr int kNormalWeight = 400;
constexpr int kBoldWeight = 700;

constexpr const wchar_t* kOverwriteQuestion = L"File already exists.  Would you like to overwrite?";
constexpr const wchar_t* kMissingFile = L"File does not exist";
constexpr const wchar_t* kUnfitName =
    L"This name cannot be given to a file: it may not contain \"/\" and may not be only dots.";

bool IsTypedCharacter(wchar_t character)
{
    return character == L'\b' || (character >= L' ' && character != 0x7F);
}

bool OverwriteAgreed()
{
    return Platform().notifier->ShowMessage(kOverwriteQuestion, L"Warning", NotifierIcon::Question,
                                            NotifierButtons::YesNo) == NotifierAnswer::Yes;
}

int ShowDialog(FileDialogRequest& request, FileDialogMode mode)
{
    if (!request.owner || request.filters.empty()) return 0;
    FileDialog dialog(request, mode, HomeFolder());
    return dialog.Run() == FileDialog::kResultChosen ? 1 : 0;
}

}  // namespace

int ShowSaveDialog(FileDialogRequest& request)
{
    return ShowDialog(request, FileDialogMode::Save);
}

int ShowOpenDialog(FileDialogRequest& request)
{
    return ShowDialog(request, FileDialogMode::Open);
}

FileDialog::FileDialog(FileDialogRequest& request, FileDialogMode mode, const std::filesystem::path& root)
    : request_(request), mode_(mode), files_(root)
{
}

FileDialog::~FileDialog() = default;

long FileDialog::Run()
{
    return RunModal(request_.owner, request_.owner->ClientRect(), Title());
}

std::wstring FileDialog::Title() const
{
    return mode_ == FileDialogMode::Save ? L"Save File" : L"Open File";
}

std::wstring FileDialog::LeftCaption() const
{
    return mode_ == FileDialogMode::Save ? L"Save" : L"Open";
}

std::wstring FileDialog::NameText() const
{
    return nameBox_ ? nameBox_->Text() : std::wstring();
}

std::wstring FileDialog::TypeText() const
{
    return typeList_ ? typeList_->ValueText() : std::wstring();
}

long FileDialog::OnCreate(std::uintptr_t, std::intptr_t)
{
    softKeys_.SetWindow(Window());
    softKeys_.SetCaptions(LeftCaption(), RightCaption());
    CreateControls();
    if (!request_.initialFolder.empty()) files_.GoTo(std::filesystem::path(NarrowUtf8(request_.initialFolder)));
    Layout();
    ApplyFilter();
    return 1;
}

void FileDialog::CreateControls()
{
    WindowHost& window = *Window();
    nameBox_ = window.CreateEditBox({kNameBoxId, L"name"}, {kNameLength, false, false});
    typeList_ = window.CreateDropDownList({kTypeListId, L"type"});
    list_ = window.CreateListView({kFileListId, L"files"});
    std::vector<std::wstring> displays;
    for (const FileFilter& filter : request_.filters) {
        if (filter.display.empty() || filter.pattern.empty()) continue;
        displays.push_back(filter.display);
        patterns_.push_back(filter.pattern);
    }
    typeList_->SetItems(displays);
    const bool inRange = request_.filterIndex > 0 && static_cast<std::size_t>(request_.filterIndex) <= displays.size();
    typeList_->Select(inRange ? static_cast<std::size_t>(request_.filterIndex - 1) : 0);
    for (ChildControl* control : window.Controls()) control->SetVisible(true);
}

long FileDialog::OnSize(std::uintptr_t, std::intptr_t)
{
    Layout();
    return 1;
}

// Rows of two thirds of an icon with an eighth of one between them: the
// Name and Type rows, the folder's caption, then the list down to the soft keys.
void FileDialog::Layout()
{
    if (!nameBox_) return;
    const Rect client = Window()->ClientRect();
    const ScreenMetrics metrics = ScreenMetrics::ForClient(client.Width(), client.Height());
    icon_ = metrics.icon;
    softKeys_.Place(ComputeKeypadGeometry(metrics, nullptr), request_.skinIndex);
    const int row = 2 * icon_ / 3;
    const int margin = icon_ / 8;
    const int width = client.Width();
    const int fieldLeft = width / 4;
    nameLabel_ = {margin, margin, fieldLeft, margin + row};
    typeLabel_ = {margin, row + 2 * margin, fieldLeft, 2 * (margin + row)};
    caption_ = {margin, 2 * (margin + row) + margin, width - margin, 2 * (margin + row) + margin + row};
    nameBox_->Place(Rect::FromSize(fieldLeft, margin, width - fieldLeft - margin, row));
    typeList_->Place(Rect::FromSize(fieldLeft, row + 2 * margin, width - fieldLeft - margin, row));
    const int listTop = caption_.bottom + margin;
    list_->Place({margin, listTop, width - margin, std::max(listTop, softKeys_.Bounds().top - margin)});
    for (ChildControl* control : Window()->Controls()) control->SetFont(DialogFont(kNormalWeight));
    Window()->InvalidateAll();
}

FontSpec FileDialog::DialogFont(int weight) const
{
    return {kFontFamily, 3 * icon_ / 8, weight};
}

long FileDialog::Draw(Canvas& canvas, const Rect&)
{
    const Rect client = Window()->ClientRect();
    canvas.FillRect({client.left, client.top, client.right, softKeys_.Bounds().top}, kBackground);
    const FontSpec font = DialogFont(kNormalWeight);
    canvas.DrawText(L"Name:", nameLabel_, font, kText, TextAlignLeft | TextAlignVCenter);
    canvas.DrawText(L"Type:", typeLabel_, font, kText, TextAlignLeft | TextAlignVCenter);
    const int inset = client.Width() > kWideScreen ? 2 : 1;
    const Rect face = caption_.Inflated(0, -inset);
    canvas.FillRect(face, kCaptionFace);
    const int margin = icon_ / 8;
    canvas.DrawText(FolderCaption(), face.Inflated(-margin, 0), DialogFont(kBoldWeight), kText,
                    TextAlignLeft | TextAlignVCenter | TextEndEllipsis);
    softKeys_.Draw(canvas);
    return 1;
}

void FileDialog::ApplyFilter()
{
    const std::optional<std::size_t> selected = typeList_->Selected();
    files_.SetPattern(selected && *selected < patterns_.size() ? patterns_[*selected] : std::wstring());
    ShowEntries();
}

void FileDialog::ShowEntries()
{
    std::vector<ListRow> rows;
    for (const FileEntry& entry : files_.Entries()) {
        rows.push_back({entry.folder ? ListRowIcon::Folder : ListRowIcon::File, entry.name});
    }
    list_->SetRows(rows);
    Window()->Invalidate(caption_);
}

void FileDialog::ActivateEntry(std::size_t index)
{
    if (const auto file = files_.Activate(index)) {
        tappedFile_ = *file;
        Window()->PostMessage(kFileChosenMessage, 0, 0);
        return;
    }
    ShowEntries();
}

void FileDialog::ShowSelectedName()
{
    const std::optional<std::size_t> selected = list_->Selected();
    if (!selected || *selected >= Entries().size() || Entries()[*selected].folder) return;
    selectedName_ = NameWithoutExtension(Entries()[*selected].name, files_.Pattern());
    nameBox_->SetText(selectedName_);
    shownName_ = nameBox_->Text();
}

void FileDialog::MoveSelection(bool down)
{
    const std::size_t count = Entries().size();
    if (count == 0) return;
    const std::optional<std::size_t> selected = list_->Selected();
    std::size_t next = 0;
    if (selected) next = down ? std::min(*selected + 1, count - 1) : (*selected > 0 ? *selected - 1 : 0);
    list_->Select(next);
    ShowSelectedName();
}

// A listed name longer than the box holds is still the whole name, until
// the user changes what the box shows of it.
std::wstring FileDialog::NameToCompose() const
{
    const std::wstring typed = nameBox_->Text();
    return !selectedName_.empty() && typed == shownName_ ? selectedName_ : typed;
}

void FileDialog::Choose()
{
    if (mode_ == FileDialogMode::Save) {
        Save();
    } else {
        Open();
    }
}

void FileDialog::Save()
{
    const ComposedPath composed = files_.Compose(NameToCompose());
    switch (composed.kind) {
    case ComposedPath::Kind::ExistingFile:
        if (OverwriteAgreed()) Accept(composed.path);
        return;
    case ComposedPath::Kind::NewFile: Accept(composed.path); return;
    default: Follow(composed); return;
    }
}

void FileDialog::Open()
{
    const ComposedPath composed = files_.Compose(NameToCompose());
    switch (composed.kind) {
    case ComposedPath::Kind::ExistingFile: Accept(composed.path); return;
    case ComposedPath::Kind::NewFile:
        Platform().notifier->ShowMessage(kMissingFile, L"Error", NotifierIcon::Warning, NotifierButtons::Ok);
        return;
    default: Follow(composed); return;
    }
}

// What both keys do with an empty name, an unfit one or a folder's.
void FileDialog::Follow(const ComposedPath& composed)
{
    switch (composed.kind) {
    case ComposedPath::Kind::Empty:
        if (const std::optional<std::size_t> selected = list_->Selected()) ActivateEntry(*selected);
        return;
    case ComposedPath::Kind::Invalid:
        Platform().notifier->ShowMessage(kUnfitName, L"Error", NotifierIcon::Warning, NotifierButtons::Ok);
        return;
    case ComposedPath::Kind::Folder:
        // A typed folder's name goes into it, as a tap on it would.
        files_.GoTo(composed.path);
        nameBox_->SetText(L"");
        selectedName_.clear();
        ShowEntries();
        return;
    default: return;
    }
}

void FileDialog::Accept(const std::filesystem::path& path)
{
    request_.file = WidenUtf8(path.string());
    End(kResultChosen);
}

long FileDialog::OnChar(std::uintptr_t first, std::intptr_t)
{
    const auto character = static_cast<wchar_t>(first);
    if (IsTypedCharacter(character)) nameBox_->Type(character);
    return 1;
}

long FileDialog::OnKeyDown(std::uintptr_t first, std::intptr_t)
{
    if (first == VK_UP || first == VK_DOWN) MoveSelection(first == VK_DOWN);
    return 1;
}

// Acting on the release keeps the key from reaching the window below.
long FileDialog::OnKeyUp(std::uintptr_t first, std::intptr_t)
{
    switch (first) {
    case VK_F1:
    case VK_RETURN: Choose(); return 1;
    case VK_F2:
    case VK_ESCAPE: End(kResultCancelled); return 1;
    default: return 1;
    }
}

long FileDialog::OnPenDown(Point point)
{
    softKeys_.PenDown(point);
    return 1;
}

long FileDialog::OnPenUp(Point point)
{
    softKeys_.PenUp(point);
    return 1;
}

long FileDialog::OnCommand(std::uintptr_t first, std::intptr_t)
{
    switch (first) {
    case kOkCommand: Choose(); return 1;
    case kSaveCommand: Save(); return 1;
    case kOpenCommand: Open(); return 1;
    case kCancelCommand:
    case kCloseCommand: End(kResultCancelled); return 1;
    default: return kNotHandled;
    }
}

long FileDialog::OnUserMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t)
{
    switch (message) {
    case SoftKeyBar::kLeftMessage: Choose(); return 1;
    case SoftKeyBar::kRightMessage: End(kResultCancelled); return 1;
    case kFileChosenMessage:
        if (mode_ == FileDialogMode::Open || OverwriteAgreed()) Accept(tappedFile_);
        return 1;
    case WM_CONTROL_SELECTED:
        if (first == kTypeListId) ApplyFilter();
        if (first == kFileListId) ShowSelectedName();
        return 1;
    case WM_CONTROL_ACTIVATED:
        if (const std::optional<std::size_t> selected = list_->Selected(); first == kFileListId && selected) {
            ActivateEntry(*selected);
        }
        return 1;
    default: return kNotHandled;
    }
}

long FileDialog::OnClose(std::uintptr_t, std::intptr_t)
{
    End(kResultCancelled);
    return 1;
}

void FileDialog::End(long result)
{
    if (Window()) Window()->EndModal(result);
}

}  // namespace tallyx
