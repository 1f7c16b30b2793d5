#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bulbicalc {

class WindowState;

// The states of the state box CbUF, by item index: "RS", "SC", "PR", "outro".
inline constexpr int kStateCount = 4;

// The municipality names of the state with item index `state` of CbUF, in the
// order the municipality box lists them and exactly as stored: the RS names
// (all but the first) end with one blank, and São Tome of PR starts with one.
// "outro" and any index outside the four have no names.
std::span<const std::string_view> municipalitiesOf(int state);

// The list CBMuni holds before any state is chosen: the SC names with
// "Abdon Batista" and "Abelardo Luz" in front, and "Herval D'Oeste" spelled
// with its apostrophe.
std::vector<std::string> startupMunicipalities();

// A change of the state box by the user: the municipality box gets the list
// of the chosen state and an empty text. A typed text that is none of the
// four states changes nothing.
void CbUFChange(WindowState& window);

void registerMunicipalityHandlers(WindowState& window);

} // namespace bulbicalc
