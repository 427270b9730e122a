#include <QAccessible>
#include <vector>

#include <gtest/gtest.h>

#include "app/key_spoken_names.h"
#include "app/listing_accessibility.h"
#include "app/state_listing.h"
#include "app/window_describers.h"
#include "engine/key_ids.h"
#include "frame_test_support.h"
#include "platform/qt/qt_accessibility.h"

namespace tallyx {
namespace {

TEST(KeySpokenNames, NameWhatTheKeyDoesWithTheCaptionAsFallback)
{
    struct Case {
        ButtonKey key;
        const wchar_t* caption;
        const wchar_t* spoken;
    };
    const Case cases[] = {
        {{ButtonTypeFunction, FunctionKeySquareRoot}, L" √‾ ", L"Square root"},
        {{ButtonTypeMemory, MemoryKeyFirstStore}, L"MS", L"Memory store"},
        {{ButtonTypeMemory, MemoryKeyFirstStore + 1}, L"MS2", L"Memory store 2"},
        {{ButtonTypeMemory, MemoryKeyFirstRecall + 7}, L"MR8", L"Memory recall 8"},
        {{ButtonTypeMemory, MemoryKeyFirstRegister}, L"M1", L"Memory 1"},
        {{ButtonTypeOperator, OperatorKeyPlus}, L"+", L"Plus"},
        {{ButtonTypeEquals, EqualsKeyEquals}, L"=", L"Equals"},
        {{ButtonTypeBase, 3}, L" B3 ", L"Base 3"},
        {{ButtonTypeBase, BaseKeyHexadecimal}, L"HEX", L"Hexadecimal"},
        {{ButtonTypeEntry, 7}, L"7", L"7"},
        {{ButtonTypeEntry, EntryKeyFirstLetter}, L"A", L"A"},
        {{ButtonTypeEntry, EntryKeyDecimal}, L".", L"Decimal point"},
        {{99, 0}, L" odd ", L"odd"},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(SpokenKeyName(test.key, test.caption), test.spoken) << test.key.type << ' ' << test.key.id;
    }
}

TEST(ListingAccessibility, ReadsLinesIntoNodesInWindowCoordinates)
{
    std::vector<StateLine> lines = {
        {"window", {"options"}, L"Options"},
        {"display", {}, L"12.", Rect::FromSize(10, 20, 100, 30)},
        {"row", {}, L"Angle", Rect::FromSize(10, 60, 100, 20)},
        {"row", {}, L"Notation", Rect::FromSize(10, 80, 100, 20)},
        {"key", {"2", "24"}, L" √‾ ", Rect::FromSize(0, 100, 40, 40)},
    };
    lines[2].value = L"Degrees";
    lines[3].marks = {"checked", "disabled"};
    const std::vector<AccessibleNode> nodes = AccessibleNodesOf(lines, {10, 20});

    struct Expected {
        AccessibleRole role;
        const wchar_t* name;
        const wchar_t* value;
        Rect rect;
        int parent;
    };
    const Expected expected[] = {
        {AccessibleRole::Text, L"Display", L"12", Rect::FromSize(0, 0, 100, 30), AccessibleNode::kTopLevel},
        {AccessibleRole::List, L"Options", L"", Rect::FromSize(0, 40, 100, 40), AccessibleNode::kTopLevel},
        {AccessibleRole::ListItem, L"Angle", L"Degrees", Rect::FromSize(0, 40, 100, 20), 1},
        {AccessibleRole::ListItem, L"Notation", L"", Rect::FromSize(0, 60, 100, 20), 1},
        {AccessibleRole::Button, L"Square root", L"", Rect::FromSize(-10, 80, 40, 40), AccessibleNode::kTopLevel},
    };
    ASSERT_EQ(nodes.size(), std::size(expected));
    for (std::size_t index = 0; index < nodes.size(); ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(nodes[index].role, expected[index].role);
        EXPECT_EQ(nodes[index].name, expected[index].name);
        EXPECT_EQ(nodes[index].value, expected[index].value);
        EXPECT_EQ(nodes[index].rect, expected[index].rect);
        EXPECT_EQ(nodes[index].parent, expected[index].parent);
    }
    EXPECT_TRUE(IsPressable(nodes[2]));
    EXPECT_TRUE(nodes[3].checked);
    EXPECT_FALSE(IsPressable(nodes[3]));
}

// A worksheet's cells read as a list of label and value, a file list as its entries.
TEST(ListingAccessibility, WorksheetCellsAndFileEntriesAreListItems)
{
    std::vector<StateLine> lines = {
        {"window", {"worksheet"}, L"Time Value Money"},
        {"cell", {"0"}, L"Num. Terms"},
        {"cell", {"1"}, L"Interest Rate"},
        {"window", {"file"}, L"Open File"},
        {"entry", {}, L"data.txt"},
    };
    lines[1].value = L"360";
    lines[2].value = L"5%";
    const std::vector<AccessibleNode> nodes = AccessibleNodesOf(lines, {0, 0});

    ASSERT_EQ(nodes.size(), 5U);
    EXPECT_EQ(nodes[0].role, AccessibleRole::List);
    EXPECT_EQ(nodes[0].name, L"Time Value Money");
    EXPECT_EQ(nodes[1].name, L"Num. Terms");
    EXPECT_EQ(nodes[1].value, L"360");
    EXPECT_EQ(nodes[2].value, L"5%");
    EXPECT_EQ(nodes[2].parent, 0);
    EXPECT_EQ(nodes[3].role, AccessibleRole::List);
    EXPECT_EQ(nodes[3].name, L"Open File");
    EXPECT_EQ(nodes[4].name, L"data.txt");
    EXPECT_EQ(nodes[4].parent, 3);
}

// A conversion row is a button that says what it shows.
TEST(ListingAccessibility, PanelRowsAreButtonsNamedByWhatTheyShow)
{
    const std::vector<StateLine> lines = {
        {"from", {"\"Feet\"", "\"ft\"", "\"12.\""}, std::nullopt, Rect::FromSize(6, 60, 200, 40)},
        {"to", {"\"EUR\"", "\"\\\"x\\\" 1.\""}, std::nullopt, Rect::FromSize(6, 100, 200, 40)},
    };
    const std::vector<AccessibleNode> nodes = AccessibleNodesOf(lines, {0, 0});

    ASSERT_EQ(nodes.size(), 2U);
    EXPECT_EQ(nodes[0].role, AccessibleRole::Button);
    EXPECT_EQ(nodes[0].name, L"From: Feet ft 12.");
    EXPECT_EQ(nodes[1].name, L"To: EUR \"x\" 1.");
    EXPECT_TRUE(IsPressable(nodes[1]));
}

class CalculatorAccessibility : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallAccessibility();
        harness_.Open(480, 640);
    }

    QAccessibleInterface* Tree() { return QAccessible::queryAccessibleInterface(harness_.Host().Widget()); }

    // The first node in the tree with that role and name.
    static QAccessibleInterface* Find(QAccessibleInterface* root, QAccessible::Role role, const QString& name)
    {
        for (int index = 0; index < root->childCount(); ++index) {
            QAccessibleInterface* child = root->child(index);
            if (!child) continue;
            if (child->role() == role && child->text(QAccessible::Name) == name) return child;
            if (QAccessibleInterface* found = Find(child, role, name)) return found;
        }
        return nullptr;
    }

    void Press(const QString& name)
    {
        QAccessibleInterface* button = Find(Tree(), QAccessible::Button, name);
        ASSERT_NE(button, nullptr) << name.toStdString();
        QAccessibleActionInterface* actions = button->actionInterface();
        ASSERT_NE(actions, nullptr) << name.toStdString();
        ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        // The tap is posted, and the key it fires posts its own message.
        FrameHarness::Settle();
        FrameHarness::Settle();
    }

    // The display's value as its text interface gives it, which screen readers read.
    QString Display()
    {
        QAccessibleTextInterface* text = Find(Tree(), QAccessible::StaticText, "Display")->textInterface();
        return text ? text->text(0, text->characterCount()) : QString();
    }

    FrameHarness harness_;
    const StateListing listing_ = DesktopStateListing(harness_.Engine(), harness_.Formatter());
    const ScopedAccessibility accessibility_{listing_};
};

TEST_F(CalculatorAccessibility, PressedKeysCalculateAndTheDisplayReadsTheResult)
{
    for (const QString name : {"2", "Plus", "3", "Equals"}) Press(name);
    EXPECT_EQ(harness_.Shown(), L"5.");
    EXPECT_EQ(Display(), "5");
    EXPECT_EQ(Find(Tree(), QAccessible::StaticText, "Display")->text(QAccessible::Value), "5");
}

TEST_F(CalculatorAccessibility, KeysAreNamedByWhatTheyDo)
{
    struct Case {
        QAccessible::Role role;
        const char* name;
    };
    const Case cases[] = {
        {QAccessible::Button, "Square root"}, {QAccessible::Button, "Memory store"},
        {QAccessible::Button, "Reciprocal"},  {QAccessible::Button, "Backspace"},
        {QAccessible::Button, "Divide"},      {QAccessible::Button, "Decimal point"},
        {QAccessible::Button, "7"},           {QAccessible::Button, "File"},
        {QAccessible::Button, "Menu"},        {QAccessible::StaticText, "Display"},
    };
    for (const Case& test : cases) EXPECT_NE(Find(Tree(), test.role, test.name), nullptr) << test.name;
    // Glyphs are not names.
    for (const QString glyph : {" √‾ ", "√‾", "÷", "MS"}) EXPECT_EQ(Find(Tree(), QAccessible::Button, glyph), nullptr);
}

TEST_F(CalculatorAccessibility, NodesLieOnTheKeysTheyPress)
{
    QAccessibleInterface* tree = Tree();
    QAccessibleInterface* seven = Find(tree, QAccessible::Button, "7");
    ASSERT_NE(seven, nullptr);
    EXPECT_EQ(seven->parent(), tree);
    EXPECT_EQ(tree->child(tree->indexOfChild(seven)), seven);
    EXPECT_EQ(tree->childAt(seven->rect().center().x(), seven->rect().center().y()), seven);
    EXPECT_TRUE(tree->rect().contains(seven->rect()));
}

TEST_F(CalculatorAccessibility, DrawnMenusListTheirItemsToPress)
{
    Press("Menu");
    ASSERT_TRUE(harness_.Calculator().Menu().IsOpen());
    EXPECT_NE(Find(Tree(), QAccessible::Button, "Cancel"), nullptr);
    QAccessibleInterface* scientific = Find(Tree(), QAccessible::ListItem, "Scientific");
    ASSERT_NE(scientific, nullptr);
    EXPECT_EQ(scientific->parent()->role(), QAccessible::List);
    // The current type is ticked.
    EXPECT_TRUE(Find(Tree(), QAccessible::ListItem, "Standard")->state().checked);
    EXPECT_FALSE(scientific->state().checked);
    scientific->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    FrameHarness::Settle();
    FrameHarness::Settle();
    EXPECT_FALSE(harness_.Calculator().Menu().IsOpen());
    EXPECT_NE(Find(Tree(), QAccessible::Button, "Sine"), nullptr);
}

TEST_F(CalculatorAccessibility, DisplayChangesAreAnnounced)
{
    std::vector<QString> announced;
    SetAnnouncementListener([&announced](QAccessibleEvent& event) {
        if (event.type() != QAccessible::ValueChanged) return;
        EXPECT_EQ(event.accessibleInterface()->text(QAccessible::Name), "Display");
        announced.push_back(static_cast<QAccessibleValueChangeEvent&>(event).value().toString());
    });
    for (const QString name : {"7", "Decimal point", "8", "Clear"}) Press(name);
    FrameHarness::Settle();
    SetAnnouncementListener(nullptr);
    EXPECT_EQ(announced, (std::vector<QString>{"7", "7.8", "0"}));
}

}  // namespace
}  // namespace tallyx
