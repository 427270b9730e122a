#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace tallyx {

// A folder of folders and files made for one test and removed after it.
class FileTree {
public:
    FileTree()
        : root_(std::filesystem::temp_directory_path() / ("tallyx-files-" + std::to_string(std::random_device()())))
    {
        std::filesystem::create_directories(root_);
        root_ = std::filesystem::canonical(root_);
    }
    ~FileTree()
    {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    FileTree(const FileTree&) = delete;
    FileTree& operator=(const FileTree&) = delete;

    const std::filesystem::path& Root() const { return root_; }
    std::filesystem::path AddFolder(const std::string& relative) const
    {
        std::filesystem::create_directories(root_ / relative);
        return root_ / relative;
    }
    std::filesystem::path AddFile(const std::string& relative, const std::string& content = "data") const
    {
        std::filesystem::create_directories((root_ / relative).parent_path());
        std::ofstream(root_ / relative) << content;
        return root_ / relative;
    }
    std::string Read(const std::string& relative) const
    {
        std::ifstream file(root_ / relative);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

private:
    std::filesystem::path root_;
};

}  // namespace tallyx
