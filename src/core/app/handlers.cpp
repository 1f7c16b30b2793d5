#include "core/app/handlers.h"

#include "core/app/help.h"
#include "core/calendar/calendar.h"
#include "core/doses/dose_handlers.h"
#include "core/liming/liming.h"
#include "core/soil/interpretation.h"

namespace bulbicalc {

void registerHandlers(WindowState& window)
{
    registerShellHandlers(window);
    registerInterpretationHandlers(window);
    registerDoseHandlers(window);
    registerCalendarHandlers(window);
    registerLimingHandlers(window);
}

} // namespace bulbicalc
