#pragma once

// The user's home folder, which the file dialog takes as the device root,
// set for a test's time.
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace tallyx {

class ScopedHome {
public:
    explicit ScopedHome(const std::filesystem::path& home)
    {
        if (const char* old = std::getenv("HOME")) saved_ = old;
        setenv("HOME", home.c_str(), 1);
    }
    ~ScopedHome()
    {
        if (saved_) {
            setenv("HOME", saved_->c_str(), 1);
        } else {
            unsetenv("HOME");
        }
    }
    ScopedHome(const ScopedHome&) = delete;
    ScopedHome& operator=(const ScopedHome&) = delete;

private:
    std::optional<std::string> saved_;
};

}  // namespace tallyx
