#pragma once

#include "core/app/recording_platform.h"
#include "core/app/window_state.h"

#include <filesystem>

namespace bulbicalc::test {

using TestPlatform = RecordingPlatform;

// A window state right after start-up, over the program's own data folders
// (or over `dataDir`).
struct TestWindow {
    explicit TestWindow(std::filesystem::path dataDir = BULBICALC_TEST_DATA_DIR)
        : window(platform, std::move(dataDir))
    {
    }

    TestPlatform platform;
    WindowState window;
};

} // namespace bulbicalc::test
