#include "app/driver_action.h"

#include <array>
#include <optional>
#include <string_view>

#include "app/command_words.h"
#include "platform/wide_text.h"
#include "platform/window_messages.h"

namespace tallyx {
namespace {

struct ActionName {
    std::string_view name;
    DriverAction::Kind kind;
};

constexpr std::array kActionNames = {
    ActionName{"key", DriverAction::Key},    ActionName{"tap", DriverAction::Tap},
    ActionName{"hold", DriverAction::Hold},  ActionName{"drag", DriverAction::Drag},
    ActionName{"type", DriverAction::Type},  ActionName{"vk", DriverAction::VirtualKey},
    ActionName{"wait", DriverAction::Wait},  ActionName{"button", DriverAction::Button},
    ActionName{"choose", DriverAction::Choose},
};

struct VirtualKeyName {
    std::string_view name;
    std::uint32_t virtualKey;
};

constexpr std::array kVirtualKeyNames = {
    VirtualKeyName{"Left", VK_LEFT},     VirtualKeyName{"Right", VK_RIGHT},   VirtualKeyName{"Up", VK_UP},
    VirtualKeyName{"Down", VK_DOWN},     VirtualKeyName{"Return", VK_RETURN}, VirtualKeyName{"Escape", VK_ESCAPE},
    VirtualKeyName{"Tab", VK_TAB},       VirtualKeyName{"Back", VK_BACK},     VirtualKeyName{"F1", VK_F1},
    VirtualKeyName{"F2", VK_F2},
};

// Long enough for a script, short enough that a typing slip cannot hang a run.
constexpr int kLongestWait = 60000;

std::optional<DriverAction::Kind> KindNamed(std::string_view name)
{
    for (const ActionName& action : kActionNames) {
        if (action.name == name) return action.kind;
    }
    return std::nullopt;
}

std::optional<std::uint32_t> VirtualKeyNamed(std::string_view name)
{
    for (const VirtualKeyName& key : kVirtualKeyNames) {
        if (key.name == name) return key.virtualKey;
    }
    return std::nullopt;
}

// Fills in the argument; answers why it cannot be read, or nothing.
std::string ReadArgument(DriverAction& action, const std::string& argument)
{
    action.text = WidenUtf8(argument);
    switch (action.kind) {
    case DriverAction::Tap:
    case DriverAction::Hold:
    case DriverAction::Drag: {
        const std::size_t wanted = action.kind == DriverAction::Drag ? 2 : 1;
        const auto points = ParsePoints(argument, wanted);
        if (!points) return wanted == 1 ? "needs X,Y" : "needs X1,Y1,X2,Y2";
        action.points = *points;
        return "";
    }
    case DriverAction::Wait: {
        const auto milliseconds = ParseWholeNumber(argument);
        if (!milliseconds || *milliseconds < 0 || *milliseconds > kLongestWait) return "needs milliseconds, 0 to 60000";
        action.milliseconds = *milliseconds;
        return "";
    }
    case DriverAction::VirtualKey: {
        const auto virtualKey = VirtualKeyNamed(argument);
        if (!virtualKey) return "is not one of Left Right Up Down Return Escape Tab Back F1 F2";
        action.virtualKey = *virtualKey;
        return "";
    }
    default: return argument.empty() ? "needs a text" : "";
    }
}

}  // namespace

ParsedDriverActions ParseDriverActions(std::span<const std::string> words)
{
    ParsedDriverActions parsed;
    for (std::size_t index = 0; index < words.size(); index += 2) {
        const std::string& name = words[index];
        const auto kind = KindNamed(name);
        if (!kind) return {{}, "'" + name + "' is not an action"};
        if (index + 1 == words.size()) return {{}, "'" + name + "' needs an argument"};
        DriverAction action;
        action.kind = *kind;
        action.words = name + ' ' + words[index + 1];
        const std::string why = ReadArgument(action, words[index + 1]);
        if (!why.empty()) return {{}, "'" + action.words + "' " + why};
        parsed.actions.push_back(std::move(action));
    }
    return parsed;
}

}  // namespace tallyx
