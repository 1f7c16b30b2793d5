#pragma once

#include "core/app/recording_platform.h"
#include "core/app/window_state.h"
#include "core/program/program.h"

#include <filesystem>
#include <memory>

namespace bulbicalc::test {

using TestPlatform = RecordingPlatform;

// The whole program's window state right after start-up, over the program's
// own data folders (or over `dataDir`), as the composition root builds it.
struct TestWindow {
    explicit TestWindow(std::filesystem::path dataDir = BULBICALC_TEST_DATA_DIR)
        : owned(createWindowState(platform, std::move(dataDir))), window(*owned)
    {
    }

    TestPlatform platform;
    std::unique_ptr<WindowState> owned;
    WindowState& window;
};

} // namespace bulbicalc::test
