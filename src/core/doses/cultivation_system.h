#pragma once

namespace bulbicalc {

class WindowState;

// The cultivation system chosen on the data-entry tab (RadioButton10,
// RadioButton11, RadioButton20).
enum class CultivationSystem { Transplant, DirectSeeding, ConsolidatedNoTill };

CultivationSystem cultivationSystem(const WindowState& window);

} // namespace bulbicalc
