#pragma once

#include "core/app/data_folders.h"
#include "core/app/platform.h"
#include "core/app/window_state.h"

#include <filesystem>
#include <memory>

namespace bulbicalc {

// The composition root: the one place that knows every subsystem.
//
// Builds the state of the main window over the data folders beside the
// executable (`dataDir`): the controls of every tab, the handlers of every
// subsystem with the triggers that cross from one subsystem to another, then
// the start-up routine. A failure of the start-up routine skips its remaining
// steps and is kept in startupError(). The window, the scenario runner and
// the tests all build their state here.
std::unique_ptr<WindowState> createWindowState(Platform& platform, const DataFolders& folders);
// Reading and writing in the same folder.
std::unique_ptr<WindowState> createWindowState(Platform& platform, std::filesystem::path dataDir);

// The start-up routine, its steps in order; a failure (an Error) skips the
// remaining steps.
void formCreate(WindowState& window);

} // namespace bulbicalc
