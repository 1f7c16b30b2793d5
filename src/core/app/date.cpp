#include "core/app/date.h"

#include "core/app/errors.h"

#include <cstdio>

namespace bulbicalc {
namespace {

constexpr const char* kDateRangeError = "Invalid argument to date encode";

bool isLeap(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : days[month - 1];
}

} // namespace

bool isValidDate(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

// Civil-from-days and days-from-civil after H. Hinnant's public-domain algorithms.
long long toSerial(const Date& date)
{
    const long long y = date.month <= 2 ? date.year - 1 : date.year;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long m = date.month;
    const long long doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + date.day - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

Date fromSerial(long long serial)
{
    const long long z = serial + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long d = doy - (153 * mp + 2) / 5 + 1;
    const long long m = mp < 10 ? mp + 3 : mp - 9;
    const long long y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    return Date{static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

Date addDays(const Date& date, long long days)
{
    static const long long first = toSerial(Date{1, 1, 1});
    static const long long last = toSerial(Date{9999, 12, 31});
    const long long serial = toSerial(date);
    if (days > last - serial || days < first - serial)
        throw Error(kDateRangeError);
    return fromSerial(serial + days);
}

std::string shortDateText(const Date& date)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", date.day, date.month, date.year);
    return buffer;
}

Date parseShortDate(std::string_view text)
{
    int parts[3] = {0, 0, 0};
    int index = 0;
    int digits = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            if (++digits > 4)
                throw Error("'" + std::string(text) + "' is not a valid date");
            parts[index] = parts[index] * 10 + (c - '0');
        } else if (c == '/' && index < 2 && digits > 0) {
            ++index;
            digits = 0;
        } else {
            throw Error("'" + std::string(text) + "' is not a valid date");
        }
    }
    if (index != 2 || digits == 0 || !isValidDate(parts[2], parts[1], parts[0]))
        throw Error("'" + std::string(text) + "' is not a valid date");
    return Date{parts[2], parts[1], parts[0]};
}

} // namespace bulbicalc
