#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tallyx {

// One line of a results list: a caption and its value text.
struct ResultRow {
    std::wstring label;
    std::wstring value;
};

// What a worksheet asks of the window that shows it and of the calculator
// engine behind that window. The defaults do nothing, so a worksheet runs
// without a window (tests, the console).
class WorksheetHost {
public:
    virtual ~WorksheetHost() = default;

    // The engine's display takes a cell's text, so typing continues from it.
    virtual void ShowInDisplay(std::wstring_view) {}
    virtual void InvalidateList() {}
    virtual void FlashHighlight() {}
    // The title or the rows changed in a way that needs a fresh layout.
    virtual void LayOutAgain() {}
    virtual void ShowResults(const std::vector<ResultRow>&) {}
};

}  // namespace tallyx
