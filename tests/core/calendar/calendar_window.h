#pragma once

#include "core/calendar/calendar.h"
#include "core/doses/doses_form.h"
#include "core/soil/soil_form.h"
#include "support/bare_window.h"

namespace bulbicalc::test {

// The calendar over the controls of the soil analysis and of the doses.
struct CalendarWindow : BareWindow {
    CalendarWindow()
    {
        addSoilControls(window);
        addDosesControls(window);
        addCalendarControls(window);
        registerCalendarHandlers(window);
        writeNitrogenSplitDefaults(window);
        writeCalendarHeadings(window);
    }
};

} // namespace bulbicalc::test
