#include "engine/random_generator.h"

#include "platform/services.h"

namespace tallyx {

int RandomGenerator::Next()
{
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & kMax);
}

std::uint32_t TimeSeed()
{
    const DateTime now = Platform().clock->LocalTime();
    return (static_cast<std::uint32_t>(now.milliseconds) << 16) | static_cast<std::uint32_t>(now.second);
}

}  // namespace tallyx
