#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"

namespace tallyx {

// The library of named constants and the user's favourites among them.
//
// The library is one 8-bit text (Windows-1252, CR LF): a line "*GROUP*" opens
// a group of level 0 and the next line names it; "**GROUP**" opens a group of
// level 1 inside it, and so on down to level 3. A group without sub-groups
// holds pairs of lines, a constant's name and then its value as number text.
// The text is borrowed and read one level at a time, straight from its bytes:
// each group remembers the byte range it spans.
//
// Favourites are kept in the registry under the "Constants" sub-key, most
// recent first; with none stored, a built-in dozen is installed.
class ConstantsDb {
public:
    static constexpr int kLevelCount = 4;
    static constexpr std::size_t kMaxFavourites = 12;

    // Loads the favourites, or installs and saves the built-in ones.
    ConstantsDb();

    // Maps the built-in library; without it every level stays empty.
    Status MapResourceText();
    // Maps a library text that the caller keeps alive as long as this object.
    void MapText(std::string_view text);

    int GetCount(int level) const;
    std::wstring GetName(int level, int index) const;
    bool IsConstant(int level, int index) const;
    // Makes the entry its level's selection and reads the level inside it.
    Status Select(int level, int index);
    std::wstring GetSelectedName(int level) const;
    // The constant's value text, making it the current constant; nothing for a
    // group or an index outside the level.
    std::optional<std::wstring> GetValue(int level, int index);

    // Adds the current constant to the front of the favourites and saves them.
    Status AddFavourite();
    int GetFavouriteCount() const;
    std::wstring GetFavouriteName(int index) const;
    // The names of the groups above the favourite, joined with "->".
    std::wstring GetFavouritePath(int index) const;
    std::wstring GetFavouriteValue(int index) const;

private:
    struct Entry {
        std::wstring name;
        std::wstring value;
        bool isGroup = false;
        // For a group: the bytes it spans, behind its name line.
        std::size_t begin = 0;
        std::size_t end = 0;
    };

    struct Favourite {
        std::wstring name;
        std::wstring path;
        std::wstring value;
    };

    struct Position {
        int level;
        int index;
    };

    const Entry* Find(int level, int index) const;
    void ReadLevel(int level);
    bool ReadGroups(int level, std::size_t begin, std::size_t end);
    void ReadConstants(int level, std::size_t begin, std::size_t end);
    std::optional<std::wstring> PathAbove(int level) const;

    void LoadFavourites();
    Status SaveFavourites() const;

    std::string_view text_;
    std::array<std::vector<Entry>, kLevelCount> levels_;
    std::array<int, kLevelCount> selected_;
    std::optional<Position> current_;
    std::vector<Favourite> favourites_;
};

}  // namespace tallyx
