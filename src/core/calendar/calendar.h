#pragma once

#include "core/app/chart_data.h"
#include "core/app/date.h"
#include "core/soil/cultivation_system.h"

#include <string>
#include <vector>

namespace bulbicalc {

class WindowState;

// The fertilisation calendar: the grid stga1 lists each parcela of the N
// split with its days after planting or sowing and its date, counted from the
// planting date of DateTimePicker2; the chart Chart1 shows them along the days.

// The date of an application `timing` days (a whole number as text) after
// planting, as a short date. Throws IntegerConversionError when the timing is
// not a whole number and Error when the date falls outside years 1 to 9999.
std::string applicationDate(const Date& planting, const std::string& timing);

// Writes the dates of stga1: the planting date for parcela 1, and for every
// later parcela with a timing the planting date plus its days. A parcela
// without timing keeps its date. Stops at the first timing that is not a
// whole number; dates of the rows before it are written.
void DefineData(WindowState& window);

// The parcelas as the calendar grid lists them (rows 1 ... n).
struct CalendarRow {
    std::string timing; // days after planting or sowing
    std::string date;
};

struct CalendarChartInput {
    std::vector<CalendarRow> rows;
    Date planting;
    bool dateView = false; // labelled with dates instead of along the days
    CultivationSystem system = CultivationSystem::Transplant;
};

// The calendar chart: a point for the planting at day 0, and for parcelas 2
// to 6 a rectangle 3 days wide from the parcela's day, over fixed axes.
// `chart` keeps its title and the kinds and colours of its six series.
// Throws IntegerConversionError on a timing that is not a whole number.
void fillCalendarChart(ChartData& chart, const CalendarChartInput& input);

// The calendar's part of "&Parcelar" of the N split: stga1 lists the n
// parcelas of the N split, parcela 1 at day 0, with the timing heading of the
// system (transplant and direct seeding; consolidated no-till keeps the
// heading of the system switch).
void listParcelas(WindowState& window, int parcelas);

// Redraws Chart1 from stga1, the planting date, the view and the system. On a
// failure the chart keeps what it showed.
void Grafico1(WindowState& window);

// The calendar's side of the system switch: the day view's caption, the
// timing heading of stga1 and which growth-stage picture is shown.
void showCultivationSystem(WindowState& window, CultivationSystem system);

// A new planting date: the dates, then the chart.
void DateTimePicker2Change(WindowState& window);

// Adds the controls of the tab and the calendar chart.
void addCalendarControls(WindowState& window);

// Start-up: the headings of stga1.
void writeCalendarHeadings(WindowState& window);

// Registers the planting date's change and the two views' clicks.
void registerCalendarHandlers(WindowState& window);

} // namespace bulbicalc
