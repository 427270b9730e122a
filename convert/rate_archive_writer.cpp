#include "convert/rate_archive.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <zip.h>
#include <zlib.h>

#include "convert/zip_cipher.h"

namespace tallyx {
namespace {

constexpr int kMemoryLevel = 8;
constexpr unsigned long kEncryptedFlag = 1;

zip_fileinfo EntryInfo()
{
    zip_fileinfo info{};
    info.tmz_date.tm_mday = 1;
    info.tmz_date.tm_year = 1980;
    return info;
}

bool Deflate(std::string_view text, std::vector<std::uint8_t>& out)
{
    z_stream stream{};
    if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, kMemoryLevel, Z_DEFAULT_STRATEGY) !=
        Z_OK) {
        return false;
    }
    const std::size_t start = out.size();
    out.resize(start + deflateBound(&stream, static_cast<uLong>(text.size())));
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    stream.avail_in = static_cast<uInt>(text.size());
    stream.next_out = out.data() + start;
    stream.avail_out = static_cast<uInt>(out.size() - start);
    const bool finished = deflate(&stream, Z_FINISH) == Z_STREAM_END;
    out.resize(start + stream.total_out);
    deflateEnd(&stream);
    return finished;
}

// The cipher header: random bytes, then the checksum's two high bytes, the last
// of which a reader compares to find out whether its password is right.
std::vector<std::uint8_t> CipherHeader(uLong checksum)
{
    std::random_device random;
    std::vector<std::uint8_t> header(ZipCipher::kHeaderSize);
    for (std::size_t i = 0; i + 2 < header.size(); ++i) {
        header[i] = static_cast<std::uint8_t>(random());
    }
    header[header.size() - 2] = static_cast<std::uint8_t>(checksum >> 16);
    header[header.size() - 1] = static_cast<std::uint8_t>(checksum >> 24);
    return header;
}

Status WriteEntry(zipFile archive, std::string_view text, const RateArchiveEntry& entry)
{
    const auto checksum = crc32(0, reinterpret_cast<const Bytef*>(text.data()), static_cast<uInt>(text.size()));
    const bool encrypted = !entry.password.empty();
    std::vector<std::uint8_t> payload = encrypted ? CipherHeader(checksum) : std::vector<std::uint8_t>();
    if (!Deflate(text, payload)) {
        return StatusFail;
    }
    if (encrypted) {
        ZipCipher(entry.password).Encrypt(payload);
    }
    const std::string name(entry.name);
    const zip_fileinfo info = EntryInfo();
    if (zipOpenNewFileInZip4(archive, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                             Z_DEFAULT_COMPRESSION, 1, -MAX_WBITS, kMemoryLevel, Z_DEFAULT_STRATEGY, nullptr, 0, 0,
                             encrypted ? kEncryptedFlag : 0) != ZIP_OK) {
        return StatusFail;
    }
    const bool written = zipWriteInFileInZip(archive, payload.data(), static_cast<unsigned>(payload.size())) == ZIP_OK;
    const bool closed = zipCloseFileInZipRaw(archive, static_cast<uLong>(text.size()), checksum) == ZIP_OK;
    return written && closed ? StatusOk : StatusFail;
}

}  // namespace

Status WriteRateArchive(const std::filesystem::path& archive, std::string_view text, RateArchiveEntry entry)
{
    if (text.size() > kRateTextLimit) {
        return StatusInvalidArgument;
    }
    zipFile file = zipOpen64(archive.c_str(), APPEND_STATUS_CREATE);
    if (!file) {
        return StatusFail;
    }
    const Status status = WriteEntry(file, text, entry);
    const bool closed = zipClose(file, nullptr) == ZIP_OK;
    return status == StatusOk && !closed ? StatusFail : status;
}

}  // namespace tallyx
