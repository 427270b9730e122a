#include "app/key_sound.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>

#include <gtest/gtest.h>

#include "platform/resources.h"

namespace tallyx {
namespace {

std::uint32_t Little32(std::string_view bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t index = 0; index < 4; ++index) {
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + index])) << (8 * index);
    }
    return value;
}

// The loudest sample of a 16-bit mono wave with a plain 44-byte header.
int Peak(std::string_view wave)
{
    int peak = 0;
    for (std::size_t at = 44; at + 1 < wave.size(); at += 2) {
        std::int16_t sample;
        std::memcpy(&sample, wave.data() + at, sizeof sample);
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    return peak;
}

TEST(KeySound, TicksAreShortPcmWavesAndTheQuietOneIsQuieter)
{
    EmbeddedResources resources;
    int previousPeak = 32768;
    for (const char* name : {"IDR_WAVE_TICK", "IDR_WAVE_TICKSOFT"}) {
        SCOPED_TRACE(name);
        const auto wave = resources.Wave(name);
        ASSERT_TRUE(wave);
        ASSERT_GT(wave->size(), 44u);
        EXPECT_EQ(wave->substr(0, 4), "RIFF");
        EXPECT_EQ(wave->substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(Little32(*wave, 4), wave->size() - 8);
        const std::uint32_t rate = Little32(*wave, 24);
        const std::uint32_t dataBytes = Little32(*wave, 40);
        EXPECT_EQ(dataBytes, wave->size() - 44);
        // Short enough never to run into the next key press.
        EXPECT_LT(1000 * dataBytes / 2 / rate, 50u);
        const int peak = Peak(*wave);
        EXPECT_GT(peak, 1000);
        EXPECT_LT(peak, previousPeak);
        previousPeak = peak;
    }
}

TEST(KeySound, PlayingLeavesTheWorkingFolderAlone)
{
    const std::filesystem::path before = std::filesystem::current_path();
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tallyx-key-sound-test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    {
        KeySound sound;
        for (const std::int32_t mode : std::initializer_list<std::int32_t>{SoundOff, SoundTick, SoundQuiet, 7, -1}) {
            sound.Play(mode);
        }
    }
    std::filesystem::current_path(before);
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tallyx
