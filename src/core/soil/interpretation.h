#pragma once

#include <functional>

namespace bulbicalc {

class WindowState;

// What leaving an analysis field starts in the subsystems above the soil
// analysis. The composition root fills it in.
struct InterpretationTriggers {
    // Step 3 of leaving EdCTC, after the K saturation: the K class and dose.
    std::function<void(WindowState&)> classifyPotassium;
};

// Leave handlers of the soil analysis fields. Each step runs only when the
// fields it needs are given (not empty); a step that cannot run is skipped and
// the next one still runs. A text that does not parse, or a zero divisor,
// aborts the handler where it occurs; what was written before stays.
void EdArgilaExit(WindowState& window);
void EdSMPExit(WindowState& window);
void EdALExit(WindowState& window);
void EdCaExit(WindowState& window);
void EdMgExit(WindowState& window);
void EdHAlExit(WindowState& window);
void EdCTCExit(WindowState& window, const InterpretationTriggers& triggers);
void EdSatBasesExit(WindowState& window);
void EdPm3Exit(WindowState& window);
void EdKm3Exit(WindowState& window);

// The CTC class of EdCTC into EdClasseCTC. EdCTC is parsed without testing
// for empty text (the conversion error reports an empty field).
void ClasseCTC(WindowState& window);

// Registers the handlers above, and the CTC class that Enter in EdCTC
// computes once more after the focus has moved on.
void registerInterpretationHandlers(WindowState& window, InterpretationTriggers triggers);

} // namespace bulbicalc
