#pragma once

#include <cstdint>
#include <memory>

#include "platform/status.h"
#include "worksheets/worksheet.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx {

class CalcEngine;
class KeypadLayouts;
class NumberFormatter;
class WindowHost;
class WorksheetWindow;

// What a worksheet opening works with: the calculator's engine, formatter and
// layouts, the window the sheet covers, and the settings it reads.
struct WorksheetSetup {
    CalcEngine* engine = nullptr;
    NumberFormatter* formatter = nullptr;
    KeypadLayouts* layouts = nullptr;
    WindowHost* window = nullptr;
    std::int32_t soundMode = 0;
    WorksheetOptions options;
};

// Opens the worksheets of the keypad's worksheet keys. The sheet last opened
// is kept until the next opening or until the opener goes, and saves its
// values then.
class WorksheetOpener {
public:
    WorksheetOpener();
    ~WorksheetOpener();
    WorksheetOpener(const WorksheetOpener&) = delete;
    WorksheetOpener& operator=(const WorksheetOpener&) = delete;

    // Runs the sheet of that key until it is closed, in Algebraic entry and
    // Normal notation with the worksheet keypad; the calculator's mode,
    // notation and layout come back afterwards. StatusInvalidArgument, and
    // nothing opened, when a part of the setup is missing or no sheet has
    // that key; StatusFail while a sheet is open.
    Status OpenWorksheet(int buttonId, const WorksheetSetup& setup);
    // An open sheet's window follows the frame to a new size.
    void FollowFrame(int width, int height);

private:
    // Read again by some sheets while they work, so it lives as long as the sheet.
    WorksheetOptions options_;
    std::unique_ptr<Worksheet> sheet_;
    WorksheetWindow* openWindow_ = nullptr;
};

}  // namespace tallyx
