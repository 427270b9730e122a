#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "convert/rate_text.h"
#include "platform/status.h"

namespace tallyx {

// Turns a central bank's daily reference rates, euro-based XML of the form
//   <Cube time="2025-06-30"><Cube currency="USD" rate="1.1720"/>...</Cube>
// into a rate text based on the US dollar, US dollar first and euro second.
// Names and symbols come from known currencies where they list the code, else
// the code stands for both. The rates carry no spread, so bid and ask are the
// rate. A currency whose rate in dollars is too large or too small to hold
// is left out. StatusInvalidArgument when the XML holds no usable dollar
// rate, or one so extreme that the euro cannot be expressed in it.
// With MissingCurrencies::Kept, the known currencies the XML lacks follow
// with their own rates, so that an update drops none of them.
enum class MissingCurrencies { Dropped, Kept };
Status ReferenceRatesToRateText(std::string_view xml, const std::vector<CurrencyEntry>& known, std::string& rateText,
                                MissingCurrencies missing = MissingCurrencies::Dropped);

// True for a whole reference-rate document: its root element is an Envelope
// (of any namespace prefix) and the document ends with that element's end tag,
// so an HTML page, another XML document or a cut-off download is not one.
bool IsReferenceRateDocument(std::string_view document);

}  // namespace tallyx
