#pragma once

#include "core/app/platform.h"
#include "core/app/window_state.h"

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

namespace bulbicalc::test {

// The desktop as core tests see it: messages and opened documents are recorded.
class TestPlatform : public Platform {
public:
    std::deque<std::string> messages;
    std::vector<std::filesystem::path> openedDocuments;
    std::optional<std::filesystem::path> fileToOpen;
    Date todayDate{2021, 9, 25};

    void showMessage(const std::string& text) override { messages.push_back(text); }
    void openDocument(const std::filesystem::path& path) override { openedDocuments.push_back(path); }
    std::optional<std::filesystem::path> chooseFileToOpen() override { return fileToOpen; }
    Date today() override { return todayDate; }
};

// A window state right after start-up, over the program's own data folders
// (or over `dataDir`).
struct TestWindow {
    explicit TestWindow(std::filesystem::path dataDir = BULBICALC_TEST_DATA_DIR) : window(platform, std::move(dataDir)) {}

    TestPlatform platform;
    WindowState window;
};

} // namespace bulbicalc::test
