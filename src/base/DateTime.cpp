#include "base/DateTime.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace {

// Days from 1970-01-01 for a proleptic Gregorian date (H. Hinnant's algorithm).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(y + (month <= 2));
}

// 1899-12-30 counted from 1970-01-01.
const long long kEpochOffset = DaysFromCivil(1899, 12, 30);

} // namespace

bool IsValidDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    int length = lengths[month - 1] + (month == 2 && leap ? 1 : 0);
    return day <= length;
}

std::optional<DateTime> EncodeDateTime(const CalendarDateTime& p) {
    if (!IsValidDate(p.year, p.month, p.day))
        return std::nullopt;
    if (p.hour < 0 || p.hour > 23 || p.minute < 0 || p.minute > 59 || p.second < 0 ||
        p.second > 59 || p.millisecond < 0 || p.millisecond > 999)
        return std::nullopt;
    double days = static_cast<double>(
        DaysFromCivil(p.year, static_cast<unsigned>(p.month), static_cast<unsigned>(p.day)) -
        kEpochOffset);
    double ms = ((p.hour * 60.0 + p.minute) * 60.0 + p.second) * 1000.0 + p.millisecond;
    return days + ms / 86400000.0;
}

CalendarDateTime DecodeDateTime(DateTime value) {
    CalendarDateTime p;
    if (!std::isfinite(value) || std::fabs(value) > 3e6)
        return p;
    // Whole milliseconds from the epoch, so 0.999999 of a day does not show as 23:59:59.
    long long totalMs = std::llround(value * 86400000.0);
    long long days = totalMs / 86400000;
    long long msOfDay = totalMs % 86400000;
    if (msOfDay < 0) {
        msOfDay += 86400000;
        days -= 1;
    }
    CivilFromDays(days + kEpochOffset, p.year, p.month, p.day);
    p.hour = static_cast<int>(msOfDay / 3600000);
    p.minute = static_cast<int>(msOfDay / 60000 % 60);
    p.second = static_cast<int>(msOfDay / 1000 % 60);
    p.millisecond = static_cast<int>(msOfDay % 1000);
    return p;
}

DateTime NowDateTime() {
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    int ms = static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
    CalendarDateTime p{local.tm_year + 1900, local.tm_mon + 1,
                       local.tm_mday,        local.tm_hour,
                       local.tm_min,         local.tm_sec < 60 ? local.tm_sec : 59,
                       ms < 0 ? 0 : ms};
    return EncodeDateTime(p).value_or(0.0);
}
