// Drives every worksheet with arbitrary taps, typed texts, Calc, moves and
// Reset: no crash, no undefined behaviour, and every cell keeps a text that
// fits and a highlight that points at a cell.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/clock.h"
#include "platform/memory_registry.h"
#include "platform/services.h"
#include "worksheets/worksheet_catalog.h"

namespace {

using namespace tallyx;

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Empty() const { return position_ >= size_; }
    std::uint8_t Next() { return Empty() ? 0 : data_[position_++]; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

constexpr int kWorksheetKeys[] = {WorksheetKeyUp, WorksheetKeyDown, WorksheetKeyTab};
constexpr std::size_t kLongestTypedText = 40;
// Cells a pair-taking sheet may grow to before the input stops pressing Down.
constexpr std::size_t kMostCells = 400;

void CheckCells(const Worksheet& sheet)
{
    for (const WorksheetCell& cell : sheet.Cells()) {
        if (cell.Text().size() > kCellTextLimit) {
            std::abort();
        }
        (void)cell.ShownText();
    }
    const int highlighted = sheet.HighlightedCell();
    if (highlighted < -1 || highlighted >= static_cast<int>(sheet.Cells().size())) {
        std::abort();
    }
}

void Play(Worksheet& sheet, Input& input)
{
    while (!input.Empty()) {
        switch (input.Next() % 5) {
        case 0:
            sheet.TapCell(input.Next() % static_cast<int>(sheet.Cells().size()));
            break;
        case 1: {
            std::wstring text;
            for (std::size_t length = input.Next() % kLongestTypedText; length > 0; --length) {
                text += static_cast<wchar_t>(input.Next());
            }
            sheet.TakeDisplayText(text);
            sheet.CommitCell();
            break;
        }
        case 2:
            sheet.Calculate();
            break;
        case 3:
            if (sheet.Cells().size() < kMostCells) {
                sheet.KeyUp(kWorksheetKeys[input.Next() % std::size(kWorksheetKeys)]);
            }
            break;
        default:
            sheet.Reset();
            break;
        }
        CheckCells(sheet);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    MemoryRegistry registry;
    FixedClock clock(DateTime{2009, 6, 15});
    PlatformServices services = Platform();
    services.registry = &registry;
    services.clock = &clock;
    const ScopedPlatform platform(services);

    Input input(data, size);
    const auto catalog = WorksheetCatalog();
    const WorksheetEntry& entry = catalog[input.Next() % catalog.size()];
    const WorksheetOptions options{input.Next() % 2 == 1, input.Next() % 12};
    {
        const auto sheet = entry.create(options);
        sheet->BuildCells();
        Play(*sheet, input);
    }
    // What the first sheet stored must open again.
    const auto reopened = entry.create(options);
    reopened->BuildCells();
    CheckCells(*reopened);
    return 0;
}
