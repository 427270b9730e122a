#pragma once

#include <string>

#include <gtest/gtest.h>

namespace tallyx {

// Names table-driven cases by their row, so CTest names stay stable.
struct CaseName {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const
    {
        return "Row" + std::to_string(info.index);
    }
};

}  // namespace tallyx
