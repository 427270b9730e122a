#include <charconv>
#include <optional>
#include <ostream>
#include <string>

#include "app/cli/cli_command.h"
#include "keypad/keypad_layouts.h"
#include "keypad/layout_listing.h"
#include "keypad/skin_catalogue.h"
#include "platform/wide_text.h"

namespace tallyx::cli {
namespace {

struct LayoutRequest {
    std::int32_t index = -1;
    std::int32_t skin = 0;
    bool rpn = false;
    bool advancedMemory = false;
};

std::optional<std::int32_t> ParseIndex(const std::string& text, std::int32_t limit)
{
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < 0 || value >= limit) {
        return std::nullopt;
    }
    return value;
}

// Fills the request; on bad input says why on the error stream.
bool ParseRequest(const Arguments& arguments, LayoutRequest& request, std::ostream& error)
{
    bool haveIndex = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--rpn") {
            request.rpn = true;
        } else if (argument == "--advmem") {
            request.advancedMemory = true;
        } else if (argument == "--skin") {
            const auto skin = i + 1 < arguments.size() ? ParseIndex(arguments[++i], kSkinCount) : std::nullopt;
            if (!skin) {
                error << "tallyx-cli layout: --skin takes a skin number from 0 to " << kSkinCount - 1 << "\n";
                return false;
            }
            request.skin = *skin;
        } else if (!haveIndex && !argument.starts_with("-")) {
            const auto index = ParseIndex(argument, kLayoutCount);
            if (!index) {
                error << "tallyx-cli layout: '" << argument << "' is not a layout index from 0 to "
                      << kLayoutCount - 1 << "\n";
                return false;
            }
            request.index = *index;
            haveIndex = true;
        } else {
            error << "tallyx-cli layout: unexpected argument '" << argument << "'\n";
            return false;
        }
    }
    if (!haveIndex) {
        error << "tallyx-cli layout: which layout? give an index from 0 to " << kLayoutCount - 1 << "\n";
    }
    return haveIndex;
}

int Run(const Arguments& arguments, std::ostream& out, std::ostream& error)
{
    LayoutRequest request;
    if (!ParseRequest(arguments, request, error)) {
        return kExitUsage;
    }
    KeypadLayouts layouts;
    layouts.SetAdvancedMemory(request.advancedMemory);
    layouts.SetRpnKeys(request.rpn);
    layouts.SetSkin(request.skin, true);
    // In RPN entry the Scientific type shows a layout of its own, as the window does.
    const std::int32_t index = request.rpn ? LayoutIndexForEntry(request.index, true) : request.index;
    if (layouts.SetCurrentLayout(index) != StatusOk) {
        error << "tallyx-cli layout: layout " << index << " cannot be built with skin " << request.skin
              << (request.skin == kCustomSkin ? " (is there a custom.ini in the program data folder?)" : "")
              << "\n";
        return kExitFailure;
    }
    out << NarrowUtf8(LayoutListing(*layouts.CurrentLayout(), layouts.Colors()));
    return kExitOk;
}

}  // namespace

const Command kLayoutCommand = {"layout", "layout INDEX [--skin N] [--rpn] [--advmem]", Run};

}  // namespace tallyx::cli
