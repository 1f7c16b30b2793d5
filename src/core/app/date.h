#pragma once

#include <string>
#include <string_view>

namespace bulbicalc {

// A calendar date (proleptic Gregorian), years 1 to 9999 like the dates the
// user can pick.
struct Date {
    int year = 1;
    int month = 1;
    int day = 1;

    friend bool operator==(const Date&, const Date&) = default;
};

bool isValidDate(int year, int month, int day);

// Days since 1 January 1970; the inverse of fromSerial.
long long toSerial(const Date& date);
Date fromSerial(long long serial);

// The date `days` later (earlier when negative). Throws Error when the result
// falls outside years 1 to 9999.
Date addDays(const Date& date, long long days);

// "dd/mm/yyyy", the short date of a Brazilian Portuguese system.
std::string shortDateText(const Date& date);

// Parses "dd/mm/yyyy" (one or two digit day and month); throws Error otherwise.
Date parseShortDate(std::string_view text);

} // namespace bulbicalc
