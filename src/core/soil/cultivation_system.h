#pragma once

namespace bulbicalc {

class WindowState;

// The cultivation system of the analysis record. The doses and the calendar
// both depend on it.
enum class CultivationSystem { Transplant, DirectSeeding, ConsolidatedNoTill };

// The system whose radio button (RadioButton10, RadioButton11, RadioButton20)
// is selected.
CultivationSystem cultivationSystem(const WindowState& window);

} // namespace bulbicalc
