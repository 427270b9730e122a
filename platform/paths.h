#pragma once

#include <filesystem>

namespace tallyx {

// The folders Tallyx reads and writes.
class Paths {
public:
    virtual ~Paths() = default;
    // Per-user program folder ($XDG_DATA_HOME/tallyx, or TALLYX_DATA_DIR):
    // custom.ini, the currency rate files.
    virtual std::filesystem::path ProgramDataFolder() const = 0;
    // Where tape files go (the XDG documents folder).
    virtual std::filesystem::path DocumentsFolder() const = 0;
    // Where the settings store lives ($XDG_CONFIG_HOME/tallyx, or TALLYX_CONFIG_DIR).
    virtual std::filesystem::path ConfigFolder() const = 0;
};

// The folders of the XDG base directory conventions, with Tallyx's overrides.
class XdgPaths : public Paths {
public:
    std::filesystem::path ProgramDataFolder() const override;
    std::filesystem::path DocumentsFolder() const override;
    std::filesystem::path ConfigFolder() const override;
};

// All three folders below one root: for tests and portable use.
class FixedPaths : public Paths {
public:
    explicit FixedPaths(std::filesystem::path root) : root_(std::move(root)) {}
    std::filesystem::path ProgramDataFolder() const override { return root_ / "data"; }
    std::filesystem::path DocumentsFolder() const override { return root_ / "documents"; }
    std::filesystem::path ConfigFolder() const override { return root_ / "config"; }

private:
    std::filesystem::path root_;
};

}  // namespace tallyx
