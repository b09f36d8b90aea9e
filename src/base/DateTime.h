#pragma once

#include <optional>

// Date-times are doubles: days since 1899-12-30 (day 0), the fraction being
// the time of day. Every file format of the program stores them this way.
using DateTime = double;

struct CalendarDateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

bool IsValidDate(int year, int month, int day);

// Days since 1899-12-30 for a calendar date and time; nothing when the date
// or time is out of range.
std::optional<DateTime> EncodeDateTime(const CalendarDateTime& parts);

// Calendar parts of a date-time, rounded to the nearest millisecond.
CalendarDateTime DecodeDateTime(DateTime value);

// The local time now.
DateTime NowDateTime();
