// Packs a rate text into the password-protected rate archive: the shipped
// rates at build time, and test archives with another entry name or password.
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

#include "convert/rate_archive.h"

namespace {

constexpr std::string_view kUsage = "usage: rate_packer INPUT.ini OUTPUT [--entry NAME] [--password TEXT]\n";

bool ReadFile(const char* path, std::string& bytes)
{
    std::ifstream file(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad() && file.is_open();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc % 2 == 0) {
        std::cerr << kUsage;
        return 2;
    }
    tallyx::RateArchiveEntry entry;
    for (int option = 3; option + 1 < argc; option += 2) {
        const std::string_view name = argv[option];
        if (name == "--entry") {
            entry.name = argv[option + 1];
        } else if (name == "--password") {
            entry.password = argv[option + 1];
        } else {
            std::cerr << kUsage;
            return 2;
        }
    }
    std::string text;
    if (!ReadFile(argv[1], text)) {
        std::cerr << "rate_packer: cannot read " << argv[1] << '\n';
        return 1;
    }
    if (tallyx::WriteRateArchive(argv[2], text, entry) != tallyx::StatusOk) {
        std::cerr << "rate_packer: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
