#include "walk_move.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>

#include "app/calculator_types.h"
#include "platform/wide_text.h"

namespace tallyx {
namespace {

enum class Choice { Tap, Hold, Drag, Type, VirtualKey, Choose, SwitchType, Resize };

struct Weighted {
    Choice choice;
    int weight;
};

// Holds are rare: each waits out the keypad's hold time.
constexpr std::array kChoices = {
    Weighted{Choice::Tap, 46},       Weighted{Choice::Hold, 1},   Weighted{Choice::Drag, 8},
    Weighted{Choice::Type, 10},      Weighted{Choice::VirtualKey, 14}, Weighted{Choice::Choose, 14},
    Weighted{Choice::SwitchType, 4}, Weighted{Choice::Resize, 3},
};

constexpr std::array<std::string_view, 4> kTappableKinds = {"key", "button", "menu", "row"};
constexpr std::array<std::string_view, 2> kFieldKinds = {"entry", "cell"};
constexpr std::array<std::string_view, 10> kVirtualKeys = {"Escape", "Return", "Left", "Right", "Up",
                                                           "Down",   "Tab",    "Back", "F1",    "F2"};
constexpr std::array<std::string_view, 6> kWayOutButtons = {"Back", "Cancel", "Close", "OK", "Done", "Ok"};
constexpr std::array kScreens = {Size{240, 320}, Size{480, 640}, Size{640, 480}, Size{320, 240}};
constexpr std::wstring_view kTypedCharacters = L"0123456789.,+-*/=()^%eE abcxyz";
constexpr int kLongestTyping = 6;
// Moves on one window before the walk heads for its way out.
constexpr int kPatience = 40;

template <typename Container>
bool Holds(const Container& container, std::string_view value)
{
    return std::find(container.begin(), container.end(), value) != container.end();
}

int Uniform(std::mt19937& random, int lowest, int highest)
{
    return std::uniform_int_distribution<int>(lowest, highest)(random);
}

template <typename Container>
const auto& PickFrom(std::mt19937& random, const Container& container)
{
    return container[static_cast<std::size_t>(Uniform(random, 0, static_cast<int>(container.size()) - 1))];
}

std::string PointWords(Point point)
{
    return std::to_string(std::max(point.x, 0)) + ',' + std::to_string(std::max(point.y, 0));
}

Point PointIn(std::mt19937& random, const Rect& rect)
{
    return {Uniform(random, rect.left, std::max(rect.left, rect.right - 1)),
            Uniform(random, rect.top, std::max(rect.top, rect.bottom - 1))};
}

Point PointOnScreen(std::mt19937& random, Size screen)
{
    return PointIn(random, Rect::FromSize(0, 0, screen.width, screen.height));
}

std::vector<const StateLine*> LinesWhere(const WalkView& view, bool (*wanted)(const StateLine&))
{
    std::vector<const StateLine*> lines;
    for (const StateLine& line : view.lines) {
        if (line.rect && wanted(line)) lines.push_back(&line);
    }
    return lines;
}

bool Tappable(const StateLine& line)
{
    return Holds(kTappableKinds, line.kind) || Holds(kFieldKinds, line.kind);
}

bool Choosable(const StateLine& line)
{
    return line.kind == "menu" && line.text && !line.text->empty() &&
           !Holds(line.marks, "disabled");
}

bool WayOut(const StateLine& line)
{
    return line.kind == "button" && line.text && Holds(kWayOutButtons, NarrowUtf8(*line.text));
}

WalkMove Drive(std::string action, std::string argument)
{
    WalkMove move;
    move.words = {std::move(action), std::move(argument)};
    return move;
}

// A listed thing of a kind picked first, so that a window's few buttons are
// tapped as often as its many keys; somewhere in sight when nothing is listed.
WalkMove TapOn(std::mt19937& random, const WalkView& view, const char* action)
{
    const auto lines = LinesWhere(view, Tappable);
    if (lines.empty()) return Drive(action, PointWords(PointOnScreen(random, view.screen)));
    std::vector<std::string> kinds;
    for (const StateLine* line : lines) {
        if (!Holds(kinds, line->kind)) kinds.push_back(line->kind);
    }
    const std::string& kind = PickFrom(random, kinds);
    std::vector<const StateLine*> ofKind;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(ofKind),
                 [&kind](const StateLine* line) { return line->kind == kind; });
    return Drive(action, PointWords(PointIn(random, *PickFrom(random, ofKind)->rect)));
}

WalkMove WayOutOf(std::mt19937& random, const WalkView& view)
{
    const auto buttons = LinesWhere(view, WayOut);
    if (buttons.empty() || view.movesOnTopWindow % 2 == 0) return Drive("vk", "Escape");
    return Drive("tap", PointWords(PointIn(random, *PickFrom(random, buttons)->rect)));
}

WalkMove Typing(std::mt19937& random)
{
    std::wstring text(static_cast<std::size_t>(Uniform(random, 1, kLongestTyping)), L' ');
    for (wchar_t& character : text) character = PickFrom(random, kTypedCharacters);
    return Drive("type", NarrowUtf8(text));
}

WalkMove Make(Choice choice, std::mt19937& random, const WalkView& view)
{
    switch (choice) {
    case Choice::Tap: return TapOn(random, view, "tap");
    case Choice::Hold: return TapOn(random, view, "hold");
    case Choice::Drag:
        return Drive("drag", PointWords(PointOnScreen(random, view.screen)) + ',' +
                                 PointWords(PointOnScreen(random, view.screen)));
    case Choice::Type: return Typing(random);
    case Choice::VirtualKey: return Drive("vk", std::string(PickFrom(random, kVirtualKeys)));
    case Choice::Choose: {
        const auto items = LinesWhere(view, Choosable);
        if (items.empty()) return TapOn(random, view, "tap");
        return Drive("choose", NarrowUtf8(*PickFrom(random, items)->text));
    }
    case Choice::SwitchType: {
        WalkMove move;
        move.kind = WalkMove::SwitchType;
        move.type = Uniform(random, 0, kCalculatorTypeCount - 1);
        return move;
    }
    case Choice::Resize: {
        WalkMove move;
        move.kind = WalkMove::Resize;
        move.size = PickFrom(random, kScreens);
        return move;
    }
    }
    return TapOn(random, view, "tap");
}

Choice PickChoice(std::mt19937& random, bool atRest)
{
    int total = 0;
    for (const Weighted& choice : kChoices) total += choice.weight;
    int roll = Uniform(random, 0, total - 1);
    for (const Weighted& choice : kChoices) {
        if (roll < choice.weight) {
            const bool changesFrame = choice.choice == Choice::SwitchType || choice.choice == Choice::Resize;
            return changesFrame && !atRest ? Choice::Tap : choice.choice;
        }
        roll -= choice.weight;
    }
    return Choice::Tap;
}

}  // namespace

std::string WalkMove::Words() const
{
    switch (kind) {
    case SwitchType: return "switch type " + std::to_string(type);
    case Resize: return "resize " + std::to_string(size.width) + 'x' + std::to_string(size.height);
    case Driver: break;
    }
    std::string joined;
    for (const std::string& word : words) joined += (joined.empty() ? "" : " ") + word;
    return joined;
}

WalkMove ChooseMove(std::mt19937& random, const WalkView& view)
{
    if (!view.atRest && (view.leaving || view.movesOnTopWindow > kPatience)) return WayOutOf(random, view);
    return Make(PickChoice(random, view.atRest), random, view);
}

}  // namespace tallyx
