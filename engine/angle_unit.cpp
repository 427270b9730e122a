#include "engine/angle_unit.h"

#include <array>

namespace tallyx {
namespace {

struct AngleUnitData {
    const wchar_t* name;
    double radiansPerUnit;
    double unitsPerRadian;
};

constexpr std::array<AngleUnitData, 3> kAngleUnits = {{
    {L"DEG", 0.017453292519943295, 57.29577951308232},
    {L"RAD", 1.0, 1.0},
    {L"GRAD", 0.015707963267948967, 63.66197723675814},
}};

}  // namespace

double RadiansPerUnit(AngleUnit unit)
{
    return kAngleUnits[unit].radiansPerUnit;
}

double UnitsPerRadian(AngleUnit unit)
{
    return kAngleUnits[unit].unitsPerRadian;
}

const wchar_t* AngleUnitName(AngleUnit unit)
{
    return kAngleUnits[unit].name;
}

}  // namespace tallyx
