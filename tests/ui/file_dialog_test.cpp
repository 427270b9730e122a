#include "app/file_dialog.h"

#include "app/action_player.h"

#include <QCoreApplication>
#include <QTimer>
#include <string>
#include <vector>
#include <functional>
#include <sstream>

#include <gtest/gtest.h>

#include "app/state_listing.h"
#include "app/window_describers.h"
#include "engine/calc_engine.h"
#include "engine/expression_evaluator.h"
#include "engine/number_formatter.h"
#include "platform/wide_text.h"
#include "platform/notifier.h"
#include "platform/services.h"
#include "platform/window_messages.h"
#include "tests/ui/file_tree.h"
#include "tests/ui/scoped_home.h"
#include "ui/open_windows.h"
#include "ui/window_host.h"

namespace tallyx {
namespace {

namespace fs = std::filesystem;
using Script = std::function<void(FileDialog&)>;

void Settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void TypeName(FileDialog& dialog, std::wstring_view name)
{
    for (const wchar_t character : name) dialog.WindowProcedure(WM_CHAR, character, 0);
}

void Command(FileDialog& dialog, std::uint32_t command)
{
    dialog.WindowProcedure(WM_COMMAND, command, 0);
    Settle();
}

ListView* FileListOf(FileDialog& dialog)
{
    for (ChildControl* control : dialog.Window()->Controls()) {
        if (control->Kind() == ControlKind::ListView) return static_cast<ListView*>(control);
    }
    return nullptr;
}

// Selects the row as the user's click does, and activates it when asked.
void PickRow(FileDialog& dialog, const std::wstring& name, bool activate)
{
    ListView* list = FileListOf(dialog);
    ASSERT_NE(list, nullptr);
    const std::vector<ListRow> rows = list->Rows();
    for (std::size_t index = 0; index < rows.size(); ++index) {
        if (rows[index].text != name) continue;
        list->Select(index);
        const auto id = static_cast<std::uintptr_t>(list->Identity().id);
        dialog.WindowProcedure(WM_CONTROL_SELECTED, id, 0);
        if (activate) dialog.WindowProcedure(WM_CONTROL_ACTIVATED, id, 0);
        Settle();
        return;
    }
    ADD_FAILURE() << "no row " << NarrowUtf8(name);
}

class FileDialogTest : public ::testing::Test {
protected:
    class Owner : public WindowBase {};

    FileDialogTest() : home(tree.Root())
    {
        tree.AddFolder("Data/Old");
        tree.AddFile("Data/results.csv", "old");
        tree.AddFile("Data/b.CSV");
        tree.AddFile("notes.txt");
        owner.Create(L"Tallyx", nullptr, Rect::FromSize(0, 0, 480, 640));
        request.owner = owner.Window();
        request.filters = {{L"Data files (*.csv)", L"*.csv"}, {L"All files (*.*)", L"*.*"}};
        services.notifier = &notifier;
    }

    // Shows the dialog; the script acts on it once it is up and ends it.
    // Answers what the call answered.
    int Show(FileDialogMode mode, const Script& script)
    {
        ScopedPlatform platform(services);
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = dynamic_cast<FileDialog*>(TopWindow());
            if (!dialog) return;
            ran = true;
            script(*dialog);
        });
        const int result = mode == FileDialogMode::Save ? ShowSaveDialog(request) : ShowOpenDialog(request);
        EXPECT_TRUE(ran);
        return result;
    }

    std::string Listing(FileDialog& dialog) const
    {
        ExpressionEvaluator evaluator;
        NumberFormatter formatter{RegionalSettings{}};
        CalcEngine engine(evaluator, formatter);
        std::ostringstream out;
        for (const StateLine& line : DesktopStateListing(engine, formatter).Describe(dialog)) {
            if (line.kind != "button") out << FormatStateLine(line) << '\n';
        }
        return out.str();
    }

    std::wstring PathOf(const std::string& relative) const { return WidenUtf8((tree.Root() / relative).string()); }

    FileTree tree;
    ScopedHome home;
    Owner owner;
    FileDialogRequest request;
    RecordingNotifier notifier{NotifierAnswer::No};
    PlatformServices services = Platform();
};

TEST_F(FileDialogTest, TheRootIsMyDeviceWithoutAWayUpAndFoldersGoFirst)
{
    request.filterIndex = 2;
    std::string atRoot;
    std::string inData;
    Show(FileDialogMode::Open, [&](FileDialog& dialog) {
        atRoot = Listing(dialog);
        PickRow(dialog, L"Data", true);
        inData = Listing(dialog);
        Command(dialog, FileDialog::kCloseCommand);
    });
    EXPECT_EQ(atRoot,
              "window file \"Open File\"\nfolder \"My Device\"\nname \"\"\ntype \"All files (*.*)\"\n"
              "entry \"Data\" folder\nentry \"notes.txt\" file\n");
    EXPECT_EQ(inData,
              "window file \"Open File\"\nfolder \"Data\"\nname \"\"\ntype \"All files (*.*)\"\n"
              "entry \"..\" folder\nentry \"Old\" folder\nentry \"b.CSV\" file\nentry \"results.csv\" file\n");
}

TEST_F(FileDialogTest, SavingComposesThePathWithTheTypesExtension)
{
    struct Case {
        const char* name;
        std::wstring typed;
        int filterIndex;
        std::string expected;
    };
    const Case cases[] = {
        {"extension added", L"summary", 1, "Data/summary.csv"},
        {"extension not doubled", L"summary.csv", 1, "Data/summary.csv"},
        {"text for every file", L"summary", 2, "Data/summary.txt"},
    };
    request.initialFolder = WidenUtf8((tree.Root() / "Data").string());
    for (const Case& item : cases) {
        SCOPED_TRACE(item.name);
        request.filterIndex = item.filterIndex;
        const int result = Show(FileDialogMode::Save, [&](FileDialog& dialog) {
            TypeName(dialog, item.typed);
            dialog.WindowProcedure(SoftKeyBar::kLeftMessage, 0, 0);
        });
        EXPECT_EQ(result, 1);
        EXPECT_EQ(request.file, PathOf(item.expected));
        EXPECT_TRUE(notifier.messages.empty());
    }
}

TEST_F(FileDialogTest, SavingOverAFileAsksFirstAndNoKeepsTheDialogOpen)
{
    request.initialFolder = WidenUtf8((tree.Root() / "Data").string());
    request.file = L"untouched";
    std::wstring nameShown;
    const int refused = Show(FileDialogMode::Save, [&](FileDialog& dialog) {
        PickRow(dialog, L"results.csv", false);
        nameShown = dialog.NameText();
        Command(dialog, FileDialog::kSaveCommand);
        Command(dialog, FileDialog::kCancelCommand);
    });
    EXPECT_EQ(nameShown, L"results");
    EXPECT_EQ(refused, 0);
    EXPECT_EQ(request.file, L"untouched");
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].text, L"File already exists.  Would you like to overwrite?");
    EXPECT_EQ(notifier.messages[0].caption, L"Warning");
    EXPECT_EQ(notifier.messages[0].buttons, NotifierButtons::YesNo);

    RecordingNotifier yes(NotifierAnswer::Yes);
    services.notifier = &yes;
    const int agreed = Show(FileDialogMode::Save, [&](FileDialog& dialog) { PickRow(dialog, L"results.csv", true); });
    EXPECT_EQ(agreed, 1);
    EXPECT_EQ(request.file, PathOf("Data/results.csv"));
    EXPECT_EQ(yes.messages.size(), 1u);
}

TEST_F(FileDialogTest, OpeningANameThatIsNotThereSaysSoAndStaysOpen)
{
    const int result = Show(FileDialogMode::Open, [&](FileDialog& dialog) {
        TypeName(dialog, L"nowhere");
        dialog.WindowProcedure(WM_KEYUP, VK_RETURN, 0);
        dialog.WindowProcedure(WM_KEYUP, VK_ESCAPE, 0);
    });
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(request.file.empty());
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].text, L"File does not exist");
    EXPECT_EQ(notifier.messages[0].caption, L"Error");
}

TEST_F(FileDialogTest, ATappedFileIsOpenedAtOnce)
{
    const int result = Show(FileDialogMode::Open, [&](FileDialog& dialog) {
        PickRow(dialog, L"Data", true);
        PickRow(dialog, L"b.CSV", true);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(request.file, PathOf("Data/b.CSV"));
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(FileDialogTest, UnfitNamesAreRefusedWithAMessageAndNothingChosen)
{
    for (const std::wstring_view name : {L"../notes", L"...", L"a/b"}) {
        SCOPED_TRACE(NarrowUtf8(name));
        notifier.messages.clear();
        const int result = Show(FileDialogMode::Save, [&](FileDialog& dialog) {
            TypeName(dialog, name);
            Command(dialog, FileDialog::kOkCommand);
            Command(dialog, FileDialog::kCancelCommand);
        });
        EXPECT_EQ(result, 0);
        EXPECT_TRUE(request.file.empty());
        EXPECT_TRUE(fs::is_directory(tree.Root() / "Data"));
        ASSERT_EQ(notifier.messages.size(), 1u);
        EXPECT_EQ(notifier.messages[0].caption, L"Error");
    }
}

TEST_F(FileDialogTest, AnEmptyNameOrAFoldersNameGoesIntoTheFolder)
{
    std::wstring afterSelected;
    std::wstring afterTyped;
    Show(FileDialogMode::Save, [&](FileDialog& dialog) {
        PickRow(dialog, L"Data", false);
        Command(dialog, FileDialog::kSaveCommand);
        afterSelected = dialog.FolderCaption();
        TypeName(dialog, L"Old");
        Command(dialog, FileDialog::kSaveCommand);
        afterTyped = dialog.FolderCaption();
        Command(dialog, FileDialog::kCancelCommand);
    });
    EXPECT_EQ(afterSelected, L"Data");
    EXPECT_EQ(afterTyped, L"Old");
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(FileDialogTest, AListedNameLongerThanTheBoxIsChosenWhole)
{
    const std::string longName = std::string(50, 'n') + ".csv";
    tree.AddFile("Data/" + longName);
    request.initialFolder = L"Data";
    std::wstring shown;
    const int result = Show(FileDialogMode::Open, [&](FileDialog& dialog) {
        PickRow(dialog, WidenUtf8(longName), false);
        shown = dialog.NameText();
        Command(dialog, FileDialog::kOpenCommand);
    });
    EXPECT_EQ(shown.size(), static_cast<std::size_t>(FileDialog::kNameLength));
    EXPECT_EQ(result, 1);
    EXPECT_EQ(request.file, PathOf("Data/" + longName));
}

TEST_F(FileDialogTest, RequestsWithoutOwnerOrFiltersShowNothing)
{
    FileDialogRequest noOwner = request;
    noOwner.owner = nullptr;
    FileDialogRequest noFilters = request;
    noFilters.filters.clear();
    for (FileDialogRequest* missing : {&noOwner, &noFilters}) {
        EXPECT_EQ(ShowSaveDialog(*missing), 0);
        EXPECT_EQ(ShowOpenDialog(*missing), 0);
        EXPECT_TRUE(missing->file.empty());
    }
    EXPECT_EQ(TopWindow(), &owner);
}

// Opens the save dialog when "s" is typed, as a plotter or sheet would.
class SavingOwner : public WindowBase {
public:
    explicit SavingOwner(FileDialogRequest& request) : request_(request) {}
    int result = -1;

protected:
    long OnChar(std::uintptr_t first, std::intptr_t) override
    {
        if (first != L's') return 1;
        request_.owner = Window();
        result = ShowSaveDialog(request_);
        return 1;
    }

private:
    FileDialogRequest& request_;
};

TEST_F(FileDialogTest, TheDriverTypesChoosesRowsAndPressesTheSoftKeys)
{
    SavingOwner saving(request);
    ASSERT_TRUE(saving.Create(L"Tallyx", nullptr, Rect::FromSize(0, 0, 480, 640)));
    saving.Window()->Show();
    const std::vector<std::string> words = {"type", "s", "choose", "Data", "type", "summary", "button", "Save"};
    const ParsedDriverActions parsed = ParseDriverActions(words);
    ASSERT_TRUE(parsed.error.empty()) << parsed.error;
    ExpressionEvaluator evaluator;
    NumberFormatter formatter{RegionalSettings{}};
    CalcEngine engine(evaluator, formatter);
    const StateListing listing = DesktopStateListing(engine, formatter);
    ScopedPlatform platform(services);
    ActionPlayer player(parsed.actions, 0, listing);
    player.Start([](ActionPlayer::Outcome) { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    EXPECT_EQ(player.Failure(), "");
    EXPECT_EQ(saving.result, 1);
    EXPECT_EQ(request.file, PathOf("Data/summary.csv"));
}

}  // namespace
}  // namespace tallyx
