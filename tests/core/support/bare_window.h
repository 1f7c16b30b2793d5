#pragma once

#include "core/app/recording_platform.h"
#include "core/app/window_state.h"

#include <filesystem>

namespace bulbicalc::test {

using TestPlatform = RecordingPlatform;

// An empty window state over the program's own data folders (or over
// `dataDir`): a subsystem's tests add the controls and handlers of that
// subsystem and of those below it, nothing above.
struct BareWindow {
    explicit BareWindow(std::filesystem::path dataDir = BULBICALC_TEST_DATA_DIR)
        : window(platform, std::move(dataDir))
    {
    }

    TestPlatform platform;
    WindowState window;
};

} // namespace bulbicalc::test
