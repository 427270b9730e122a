#pragma once

#include <cstdint>
#include <memory>

namespace tallyx {

// The "Play sounds" setting.
enum SoundMode : std::int32_t {
    SoundOff = 0,
    SoundTick = 1,
    SoundQuiet = 2,
};

// The tick of a pressed key. Playing never waits for the sound and stays
// silent where there is no sound device.
class KeySound {
public:
    KeySound();
    ~KeySound();
    KeySound(const KeySound&) = delete;
    KeySound& operator=(const KeySound&) = delete;

    // Starts the tick of that mode; nothing for SoundOff or an unknown mode.
    void Play(std::int32_t mode);

private:
    struct Effects;
    std::unique_ptr<Effects> effects_;
};

}  // namespace tallyx
