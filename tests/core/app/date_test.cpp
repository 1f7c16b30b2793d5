#include "core/app/date.h"
#include "core/app/errors.h"

#include <gtest/gtest.h>

namespace bulbicalc {
namespace {

TEST(Date, AddingDaysRollsOverMonthsAndYears)
{
    EXPECT_EQ(shortDateText(addDays(Date{2021, 6, 1}, 35)), "06/07/2021");
    EXPECT_EQ(shortDateText(addDays(Date{2021, 6, 1}, 85)), "25/08/2021");
    EXPECT_EQ(shortDateText(addDays(Date{2021, 12, 31}, 35)), "04/02/2022");
    EXPECT_EQ(shortDateText(addDays(Date{2024, 2, 28}, 1)), "29/02/2024");
    EXPECT_EQ(shortDateText(addDays(Date{2021, 3, 1}, -1)), "28/02/2021");
}

TEST(Date, ResultsOutsideTheCalendarAreErrors)
{
    EXPECT_THROW(addDays(Date{2021, 6, 1}, 2147483647LL), Error);
    EXPECT_THROW(addDays(Date{2021, 6, 1}, -2147483647LL), Error);
    EXPECT_EQ(shortDateText(addDays(Date{9999, 12, 30}, 1)), "31/12/9999");
    EXPECT_THROW(addDays(Date{9999, 12, 31}, 1), Error);
}

TEST(Date, SerialNumbersRoundTrip)
{
    for (const Date d : {Date{1, 1, 1}, Date{1970, 1, 1}, Date{2000, 2, 29}, Date{9999, 12, 31}})
        EXPECT_EQ(fromSerial(toSerial(d)), d);
    EXPECT_EQ(toSerial(Date{1970, 1, 2}), 1);
}

TEST(Date, ShortDateTextParses)
{
    EXPECT_EQ(parseShortDate("31/12/2021"), (Date{2021, 12, 31}));
    EXPECT_EQ(parseShortDate("1/6/2021"), (Date{2021, 6, 1}));
    for (const char* bad :
         {"", "31/02/2021", "2021-06-01", "01/06", "01/06/2021/1", "aa/bb/cccc", "01/13/2021"})
        EXPECT_THROW(parseShortDate(bad), Error) << bad;
}

} // namespace
} // namespace bulbicalc
