#pragma once

#include "core/app/platform.h"

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace bulbicalc {

// A desktop without a window, for the scenario runner and the tests: messages
// queue up in order, documents are recorded instead of opened, and the
// open-file dialog answers what was set beforehand; previewed pages are kept.
class RecordingPlatform : public Platform {
public:
    std::deque<std::string> messages;
    std::vector<std::filesystem::path> openedDocuments;
    std::optional<std::filesystem::path> fileToOpen;
    std::filesystem::path openedFrom; // the folder the last open-file dialog started in
    Date todayDate{2021, 9, 25};
    std::vector<PrintedPage> previewedPages;

    void showMessage(const std::string& text) override { messages.push_back(text); }
    void openDocument(const std::filesystem::path& path) override { openedDocuments.push_back(path); }
    std::optional<std::filesystem::path> chooseFileToOpen(const std::filesystem::path& folder) override
    {
        openedFrom = folder;
        return fileToOpen;
    }
    Date today() override { return todayDate; }
    void previewPage(const PrintedPage& page) override { previewedPages.push_back(page); }
};

} // namespace bulbicalc
