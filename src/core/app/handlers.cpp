#include "core/app/handlers.h"

#include "core/app/help.h"
#include "core/calendar/calendar.h"
#include "core/doses/dose_handlers.h"

namespace bulbicalc {

void registerHandlers(WindowState& window)
{
    registerShellHandlers(window);
    registerDoseHandlers(window);
    registerCalendarHandlers(window);
}

} // namespace bulbicalc
