#pragma once

#include <cstdint>

namespace tallyx {

// Integers 0..32767 from a linear congruential sequence, the range the
// "rand" function scales.
class RandomGenerator {
public:
    static constexpr int kMax = 32767;

    explicit RandomGenerator(std::uint32_t seed = 1) : state_(seed) {}
    void Seed(std::uint32_t seed) { state_ = seed; }
    int Next();

private:
    std::uint32_t state_;
};

// The seed of a new evaluator: milliseconds in the high half, seconds in the low half.
std::uint32_t TimeSeed();

}  // namespace tallyx
