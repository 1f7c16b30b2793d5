#include "core/app/handlers.h"

#include "core/app/help.h"

namespace bulbicalc {

void registerHandlers(WindowState& window)
{
    registerShellHandlers(window);
}

} // namespace bulbicalc
