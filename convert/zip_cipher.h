#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tallyx {

// The traditional PKWARE stream cipher of ZIP entries. Done here rather than by
// minizip, whose build on 64-bit Linux reads zlib's CRC table with the wrong
// element size and so writes and expects archives no other tool agrees with.
class ZipCipher {
public:
    // Bytes in front of every encrypted entry; the last checks the password.
    static constexpr std::size_t kHeaderSize = 12;

    explicit ZipCipher(std::string_view password);

    void Encrypt(std::span<std::uint8_t> bytes);
    void Decrypt(std::span<std::uint8_t> bytes);

private:
    std::uint8_t KeyStream() const;
    void UpdateKeys(std::uint8_t plain);

    std::array<std::uint32_t, 3> keys_;
};

}  // namespace tallyx
