// Runs a fuzz target over every file of its corpus folder (and over a few
// fixed inputs), so the corpus is replayed as an ordinary test.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void RunOne(const std::string& bytes)
{
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv)
{
    RunOne("");
    RunOne(std::string(4096, '('));
    std::size_t count = 2;
    for (int i = 1; i < argc; ++i) {
        if (!std::filesystem::is_directory(argv[i])) {
            continue;
        }
        for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[i])) {
            if (!entry.is_regular_file()) {
                continue;
            }
            std::ifstream file(entry.path(), std::ios::binary);
            RunOne(std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>()));
            ++count;
        }
    }
    std::printf("replayed %zu inputs\n", count);
    return 0;
}
