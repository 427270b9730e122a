#pragma once

#include "platform/clock.h"

namespace tallyx {

// The user's time zone, for showing and taking the UTC moments the date and
// time model keeps. Each conversion uses the zone's offset at that moment,
// summer time included. A moment the zone cannot convert comes back false.
bool LocalFromUniversal(const DateTime& universal, DateTime& local);
// A local time that a clock change skips or repeats takes the zone's reading.
bool UniversalFromLocal(const DateTime& local, DateTime& universal);

}  // namespace tallyx
