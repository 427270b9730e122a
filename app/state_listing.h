#pragma once

#include <functional>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <typeindex>
#include <vector>

#include "platform/geometry.h"

namespace tallyx {

class WindowBase;

// One fact of a window, written as
//   KIND WORD... ["TEXT"] [X Y W H] [MARK...] ["VALUE"]
// e.g. `menu "Copy" 10 40 80 29 checked`. The rectangle is where the thing
// can be tapped, in the coordinates of the top-level window.
struct StateLine {
    StateLine(std::string kind, std::vector<std::string> words, std::optional<std::wstring> text = std::nullopt,
              std::optional<Rect> rect = std::nullopt)
        : kind(std::move(kind)), words(std::move(words)), text(std::move(text)), rect(rect)
    {
    }

    std::string kind;
    std::vector<std::string> words;
    std::optional<std::wstring> text;
    std::optional<Rect> rect;
    std::vector<std::string> marks;
    std::optional<std::wstring> value;
};

std::string FormatStateLine(const StateLine& line);
// A line's rectangle moved by an offset; lines without one stay.
StateLine Offset(StateLine line, Point by);

// Lists the open windows' state, each window by the describer of its kind.
// A describer writes the window's client coordinates; the listing moves
// them to the top-level window's. A window of a kind without a describer
// gives only `window other "TITLE"`.
class StateListing {
public:
    template <typename Window>
    using KindDescriber = std::function<void(Window& window, const std::wstring& title, std::vector<StateLine>& lines)>;

    template <typename Window>
    void Add(KindDescriber<Window> describe)
    {
        describers_[typeid(Window)] = [describe = std::move(describe)](WindowBase& window, const std::wstring& title,
                                                                        std::vector<StateLine>& lines) {
            describe(static_cast<Window&>(window), title, lines);
        };
    }

    std::vector<StateLine> Describe(WindowBase& window) const;
    // Every open window, bottom first.
    void Write(std::ostream& out) const;

private:
    std::map<std::type_index, KindDescriber<WindowBase>> describers_;
};

}  // namespace tallyx
