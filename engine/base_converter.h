#pragma once

#include <string_view>

#include "engine/general_text.h"
#include "engine/text_writer.h"

namespace tallyx {

// Number texts in bases 2..36 and in BCD digit groups, and the word size that
// results are wrapped into.
class BaseConverter {
public:
    static constexpr int kMinBase = 2;
    static constexpr int kMaxBase = 36;
    static constexpr int kMinWordSize = 4;
    static constexpr int kMaxWordSize = 64;
    static constexpr int kDefaultWordSize = 32;

    // 4..64; returns false and changes nothing otherwise.
    bool SetWordSize(int bits);
    int GetWordSize() const { return wordSize_; }

    // Copies text with each run of digits "0"-"9", "A"-"Z", read in base,
    // replaced by its decimal text.
    static void ToDecimal(std::wstring_view text, int base, TextWriter& out);
    // The value truncated and wrapped into the word, written in base.
    ShortText FromValue(double value, int base) const;

    // Four-bit groups of 0..999999 ("0100 0101"); false outside that range.
    static bool ToBcd(double value, ShortText& text);
    // Copies text with its groups of four bits replaced by their decimal
    // values; blanks are skipped.
    static void FromBcd(std::wstring_view text, TextWriter& out);

private:
    int wordSize_ = kDefaultWordSize;
};

}  // namespace tallyx
