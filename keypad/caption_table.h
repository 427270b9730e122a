#pragma once

#include <cstdint>

namespace tallyx {

// The text drawn on a key: a caption and, for powers, a small raised text after it.
struct ButtonCaption {
    const wchar_t* caption = L"";
    const wchar_t* raisedCaption = L"";
};

// The caption of a key by its type and id. Captions are fixed by the program,
// not by the skin; a pair outside the tables has none.
ButtonCaption CaptionFor(std::int32_t type, std::int32_t id);

}  // namespace tallyx
