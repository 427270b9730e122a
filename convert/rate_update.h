#pragma once

#include <string_view>

#include "convert/http_client.h"
#include "convert/message_sink.h"
#include "platform/status.h"

namespace tallyx {

// The whole update in one call, for the console: fetches the rate archive
// from url into the download file and installs it when it reads back.
// progress receives every transfer code; StatusOk when the new rates are in
// place, and otherwise the old rate file is left as it was.
Status UpdateRates(std::wstring_view url, MessageSink& progress, const HttpTimeouts& timeouts = {});

}  // namespace tallyx
