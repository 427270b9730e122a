#include "convert/rate_archive.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <unzip.h>
#include <zlib.h>

#include "convert/zip_cipher.h"

namespace tallyx {
namespace {

constexpr std::size_t kReadBlock = 4096;
constexpr unsigned long kEncryptedFlag = 1;
constexpr unsigned long kDataDescriptorFlag = 8;
constexpr int kStored = 0;

// The entry's bytes as stored: cipher header and compressed data.
bool ReadStoredBytes(unzFile archive, const unz_file_info64& info, std::vector<std::uint8_t>& bytes)
{
    int method = 0;
    int level = 0;
    if (unzOpenCurrentFile3(archive, &method, &level, 1, nullptr) != UNZ_OK) {
        return false;
    }
    std::array<std::uint8_t, kReadBlock> block{};
    int read = 0;
    while ((read = unzReadCurrentFile(archive, block.data(), static_cast<unsigned>(block.size()))) > 0 &&
           bytes.size() <= info.compressed_size) {
        bytes.insert(bytes.end(), block.begin(), block.begin() + read);
    }
    const bool closed = unzCloseCurrentFile(archive) == UNZ_OK;
    return read == 0 && closed && bytes.size() == info.compressed_size;
}

// Decrypts in place and drops the cipher header; false for a wrong password.
bool Decrypt(const unz_file_info64& info, std::vector<std::uint8_t>& bytes)
{
    if (bytes.size() < ZipCipher::kHeaderSize) {
        return false;
    }
    const std::string password(kRateArchivePassword);
    ZipCipher(password).Decrypt(bytes);
    const auto check = (info.flag & kDataDescriptorFlag) ? info.dosDate >> 8 : info.crc >> 24;
    if (bytes[ZipCipher::kHeaderSize - 1] != static_cast<std::uint8_t>(check)) {
        return false;
    }
    bytes.erase(bytes.begin(), bytes.begin() + ZipCipher::kHeaderSize);
    return true;
}

bool Inflate(const std::vector<std::uint8_t>& compressed, std::size_t size, std::string& text)
{
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) {
        return false;
    }
    text.resize(size);
    stream.next_in = const_cast<Bytef*>(compressed.data());
    stream.avail_in = static_cast<uInt>(compressed.size());
    stream.next_out = reinterpret_cast<Bytef*>(text.data());
    stream.avail_out = static_cast<uInt>(text.size());
    const int result = inflate(&stream, Z_FINISH);
    const bool complete = result == Z_STREAM_END && stream.total_out == size;
    inflateEnd(&stream);
    return complete;
}

Status ReadCurrentEntry(unzFile archive, std::string& text)
{
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(archive, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK ||
        info.uncompressed_size > kRateTextLimit || info.compressed_size > 2 * kRateTextLimit ||
        (info.compression_method != kStored && info.compression_method != Z_DEFLATED)) {
        return StatusFail;
    }
    std::vector<std::uint8_t> bytes;
    if (!ReadStoredBytes(archive, info, bytes) || ((info.flag & kEncryptedFlag) && !Decrypt(info, bytes))) {
        return StatusFail;
    }
    const auto size = static_cast<std::size_t>(info.uncompressed_size);
    if (info.compression_method == kStored) {
        text.assign(bytes.begin(), bytes.end());
    } else if (!Inflate(bytes, size, text)) {
        return StatusFail;
    }
    const auto checksum = crc32(0, reinterpret_cast<const Bytef*>(text.data()), static_cast<uInt>(text.size()));
    return text.size() == size && checksum == info.crc ? StatusOk : StatusFail;
}

}  // namespace

Status ReadRateArchive(const std::filesystem::path& archive, std::string& text)
{
    text.clear();
    unzFile file = unzOpen64(archive.c_str());
    if (!file) {
        return StatusFail;
    }
    const Status status = unzGoToFirstFile(file) == UNZ_OK ? ReadCurrentEntry(file, text) : StatusFail;
    unzClose(file);
    if (status != StatusOk) {
        text.clear();
    }
    return status;
}

}  // namespace tallyx
