#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"

namespace tallyx {

// The regression data file: every cell's text followed by ",", in cell order
// (X1, Y1, X2, Y2, ...), on one line of UTF-16LE code units without a byte
// order mark, labels or line end.
std::string EncodeRegressionData(const std::vector<std::wstring>& texts);

// The texts of a data file: each up to the next ","; reading stops at the
// first empty field or where no comma follows (a value without its comma is
// not read). A text ends at a NUL, so a field that starts with one is empty.
// An odd last byte is dropped; texts longer than a cell holds are cut.
std::vector<std::wstring> DecodeRegressionData(std::string_view bytes);

// StatusFail when the file cannot be written whole.
Status SaveRegressionData(const std::filesystem::path& path, const std::vector<std::wstring>& texts);
// StatusFail when the file cannot be read, StatusOutOfMemory when it is too
// large to hold; the texts are left alone then.
Status LoadRegressionData(const std::filesystem::path& path, std::vector<std::wstring>& texts);

}  // namespace tallyx
