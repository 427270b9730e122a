#include "convert/zip_cipher.h"

#include <zlib.h>

namespace tallyx {
namespace {

constexpr std::array<std::uint32_t, 3> kInitialKeys = {0x12345678, 0x23456789, 0x34567890};
constexpr std::uint32_t kKeyMultiplier = 134775813;

std::uint32_t CrcStep(std::uint32_t crc, std::uint8_t byte)
{
    static const z_crc_t* const table = get_crc_table();
    return static_cast<std::uint32_t>(table[(crc ^ byte) & 0xFF]) ^ (crc >> 8);
}

}  // namespace

ZipCipher::ZipCipher(std::string_view password) : keys_(kInitialKeys)
{
    for (const char character : password) {
        UpdateKeys(static_cast<std::uint8_t>(character));
    }
}

std::uint8_t ZipCipher::KeyStream() const
{
    const std::uint32_t temp = (keys_[2] & 0xFFFF) | 2;
    return static_cast<std::uint8_t>((temp * (temp ^ 1)) >> 8);
}

void ZipCipher::UpdateKeys(std::uint8_t plain)
{
    keys_[0] = CrcStep(keys_[0], plain);
    keys_[1] = (keys_[1] + (keys_[0] & 0xFF)) * kKeyMultiplier + 1;
    keys_[2] = CrcStep(keys_[2], static_cast<std::uint8_t>(keys_[1] >> 24));
}

void ZipCipher::Encrypt(std::span<std::uint8_t> bytes)
{
    for (std::uint8_t& byte : bytes) {
        const std::uint8_t plain = byte;
        byte = plain ^ KeyStream();
        UpdateKeys(plain);
    }
}

void ZipCipher::Decrypt(std::span<std::uint8_t> bytes)
{
    for (std::uint8_t& byte : bytes) {
        byte ^= KeyStream();
        UpdateKeys(byte);
    }
}

}  // namespace tallyx
