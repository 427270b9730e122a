#include "worksheets/depreciation_schedule.h"

#include "platform/number_text.h"
#include "worksheets/depreciation_model.h"

namespace tallyx {

ScheduleTable DepreciationSchedule(const DepreciationModel& model)
{
    ScheduleTable table{{L"Year", L"Depreciation", L"Accumulated", L"Book value"}, {}, {L"Total", {}}};
    // A life that starts after January ends with a part-year in the year after it.
    const int years = model.Life() + (model.StartMonth() > 1 ? 1 : 0);
    if (model.Life() < 1 || years > kLongestSchedule || !IsScheduleAmount(model.cost) ||
        !IsScheduleAmount(model.salvage)) {
        return table;
    }
    const Cents cost = ShownCents(model.cost);
    Cents accumulated = 0;
    for (int year = 1; year <= years; ++year) {
        const Cents reached = ShownCents(model.Accumulated(year));
        table.lines.push_back({FormatInteger(model.StartYear() + year - 1),
                               {reached - accumulated, reached, cost - reached}});
        accumulated = reached;
    }
    table.totals.amounts = {accumulated, std::nullopt, std::nullopt};
    return table;
}

}  // namespace tallyx
