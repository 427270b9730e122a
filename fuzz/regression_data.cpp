// Any bytes as a regression data file: decoding must not crash, every text
// must fit a cell, and what decoding gives must survive a save and a reload.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "worksheets/regression_data_file.h"
#include "worksheets/worksheet_cell.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto texts = tallyx::DecodeRegressionData(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const auto& text : texts) {
        if (text.empty() || text.size() > tallyx::kCellTextLimit) {
            std::abort();
        }
    }
    if (tallyx::DecodeRegressionData(tallyx::EncodeRegressionData(texts)) != texts) {
        std::abort();
    }
    return 0;
}
