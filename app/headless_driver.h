#pragma once

#include <iosfwd>

#include "app/start_options.h"

namespace tallyx {

class KeypadView;

// Builds the frame off screen over settings of its own, plays the given keys,
// taps and actions, then lists the layout or the open windows' state and
// writes a screenshot. Returns the exit status: 2 when an action cannot be done.
int RunHeadless(const StartOptions& options, std::ostream& out, std::ostream& errors);

// One line per display part, indicator, soft-key region and key.
void DumpLayout(const KeypadView& panel, std::ostream& out);

}  // namespace tallyx
