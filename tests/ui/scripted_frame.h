#pragma once

// Driver actions played against a test's frame, and the listing the
// headless program would print after them.
#include <QCoreApplication>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/action_player.h"
#include "app/window_describers.h"
#include "frame_test_support.h"

namespace tallyx {

// The listing after the words, or the player's failure.
inline std::string PlayScript(FrameHarness& harness, const std::vector<std::string>& words)
{
    const ParsedDriverActions parsed = ParseDriverActions(words);
    if (!parsed.error.empty()) return "unparsed: " + parsed.error;
    const StateListing listing = DesktopStateListing(harness.Engine(), harness.Formatter());
    ActionPlayer player(parsed.actions, harness.Calculator().Layouts().SkinIndex(), listing);
    player.Start([](ActionPlayer::Outcome) { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    if (!player.Failure().empty()) return "failed: " + player.Failure();
    std::ostringstream out;
    listing.Write(out);
    return out.str();
}

// Whether the facts appear in the listing in this order.
inline ::testing::AssertionResult ListsInOrder(const std::string& listing, const std::vector<std::string>& facts)
{
    std::size_t after = 0;
    for (const std::string& fact : facts) {
        const std::size_t at = listing.find(fact, after);
        if (at == std::string::npos) return ::testing::AssertionFailure() << "no " << fact << " in\n" << listing;
        after = at;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace tallyx
