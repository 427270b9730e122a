#pragma once

#include <cstdint>

namespace tallyx {

// Button types: a key is a (type, id) pair, and the type selects its handler.
// The ids of each type are named in engine/key_ids.h.
enum ButtonType : std::int32_t {
    ButtonTypeEntry = 0,         // ids 0-15 digits 0-9 and A-F, 16 the decimal point, 18 DecToDeg
    ButtonTypeOperator = 1,      // binary operators
    ButtonTypeFunction = 2,      // unary functions of the display value
    ButtonTypeBracket = 3,       // 0 open, 1 close
    ButtonTypeMemory = 4,        // id encodes operation and register
    ButtonTypeEquals = 5,        // 0 equals, 1 enter, 2 blank
    ButtonTypeRecall = 6,        // constants and values: 0 pi, 20 the variable X, 99 last answer
    ButtonTypeShift = 7,         // 0 2nd, 1 Hyp, 3 recall prefix, 4 store prefix, 8 constants
    ButtonTypeClear = 8,         // 0 clear, 1 clear all, 2 clear entry, 3 backspace, 4 reset, 5 clear X
    ButtonTypeClipboard = 9,     // 0 copy, 2 paste
    ButtonTypeBase = 10,         // id is the base 2-16, or 17 for BCD
    ButtonTypeStack = 11,        // RPN stack: 0 X<>Y, 1 roll up, 2 roll down, 3 drop
    ButtonTypeWorksheetKey = 12, // worksheet navigation and commands
    ButtonTypeWorksheet = 13,    // opens the worksheet named by the id
    ButtonTypeGraph = 16,        // 0 draw the graph, 1 the function list
};

// A key as the engine acts on it; the keypad adds its look.
struct ButtonKey {
    std::int32_t type = 0;
    std::int32_t id = 0;

    friend constexpr bool operator==(const ButtonKey&, const ButtonKey&) = default;
};

}  // namespace tallyx
