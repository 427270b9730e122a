#include "app/state_listing.h"

#include <ostream>

#include "app/window_on_screen.h"
#include "platform/wide_text.h"
#include "ui/open_windows.h"
#include "ui/window_base.h"

namespace tallyx {
namespace {

// Quotes keep spaces; a quote or backslash inside is escaped.
std::string Quoted(const std::wstring& text)
{
    std::string quoted = "\"";
    for (const char character : NarrowUtf8(text)) {
        if (character == '"' || character == '\\') quoted += '\\';
        quoted += character;
    }
    return quoted + '"';
}

}  // namespace

std::string FormatStateLine(const StateLine& line)
{
    std::string text = line.kind;
    for (const std::string& word : line.words) text += ' ' + word;
    if (line.text) text += ' ' + Quoted(*line.text);
    if (line.rect) {
        const Rect& rect = *line.rect;
        for (const int number : {rect.left, rect.top, rect.Width(), rect.Height()}) {
            text += ' ' + std::to_string(number);
        }
    }
    for (const std::string& mark : line.marks) text += ' ' + mark;
    if (line.value) text += ' ' + Quoted(*line.value);
    return text;
}

StateLine Offset(StateLine line, Point by)
{
    if (line.rect) line.rect = line.rect->Offset(by.x, by.y);
    return line;
}

std::vector<StateLine> StateListing::Describe(WindowBase& window) const
{
    std::vector<StateLine> lines;
    const std::wstring title = ShownTitle(window);
    const auto describer = describers_.find(typeid(window));
    if (describer == describers_.end()) {
        lines.push_back({"window", {"other"}, title});
        return lines;
    }
    describer->second(window, title, lines);
    const Point origin = OriginInTopLevel(window);
    for (StateLine& line : lines) line = Offset(std::move(line), origin);
    return lines;
}

void StateListing::Write(std::ostream& out) const
{
    for (WindowBase* window : OpenWindows()) {
        for (const StateLine& line : Describe(*window)) out << FormatStateLine(line) << '\n';
    }
}

}  // namespace tallyx
