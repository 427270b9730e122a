#pragma once

#include <cstdint>

namespace tallyx {

// The proleptic Gregorian calendar: leap years are divisible by 4 and not by
// 100, or by 400.
bool IsLeapYear(int year);
// Days of the month in that year; 0 for a month number outside 1 to 12.
int DaysInMonth(int year, int month);
// Days from 1970-01-01 to the date (negative before it).
std::int64_t DaysFromCivil(int year, int month, int day);
// The date that many days after 1970-01-01.
void CivilFromDays(std::int64_t days, int& year, int& month, int& day);

}  // namespace tallyx
