#pragma once

#include <iosfwd>

#include "app/start_options.h"

namespace tallyx {

class KeypadView;

// Builds the frame off screen over settings of its own, plays the given keys
// and taps, then writes a screenshot or lists the layout. Returns the exit status.
int RunHeadless(const StartOptions& options, std::ostream& out, std::ostream& errors);

// One line per display part, indicator, soft-key region and key.
void DumpLayout(const KeypadView& panel, std::ostream& out);

}  // namespace tallyx
