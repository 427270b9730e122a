#pragma once

namespace tallyx {

enum AngleUnit : int {
    AngleUnitDeg = 0,
    AngleUnitRad = 1,
    AngleUnitGrad = 2,
};

// SetAngleUnit's request to step DEG -> RAD -> GRAD -> DEG.
constexpr int kNextAngleUnit = 3;

// Radians per unit, and units per radian, of each angle unit.
double RadiansPerUnit(AngleUnit unit);
double UnitsPerRadian(AngleUnit unit);

// "DEG", "RAD", "GRAD".
const wchar_t* AngleUnitName(AngleUnit unit);

}  // namespace tallyx
