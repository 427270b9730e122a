#pragma once

#include <cstdint>

namespace tallyx {

// Result codes of the utility layers, in the manner of the platform result
// codes the stored data and callers expect: 0 succeeds, anything else fails.
using Status = std::uint32_t;

constexpr Status StatusOk = 0;
constexpr Status StatusInvalidArgument = 0x80070057;  // missing argument, or a look-up found nothing
constexpr Status StatusOutOfMemory = 0x8007000E;
constexpr Status StatusFail = 0x80004005;

}  // namespace tallyx
