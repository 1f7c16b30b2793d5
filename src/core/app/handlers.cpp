#include "core/app/handlers.h"

#include "core/app/help.h"
#include "core/soil/municipalities.h"

namespace bulbicalc {

void registerHandlers(WindowState& window)
{
    registerShellHandlers(window);
    registerMunicipalityHandlers(window);
}

} // namespace bulbicalc
