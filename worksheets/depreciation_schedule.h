#pragma once

#include "worksheets/schedule_table.h"

namespace tallyx {

class DepreciationModel;

// A line per calendar year from the start year to the last part-year of the
// life: the year's depreciation, the depreciation accumulated by its end and
// the book value left; the depreciation adds up to cost less salvage. No
// lines without a life.
ScheduleTable DepreciationSchedule(const DepreciationModel& model);

}  // namespace tallyx
