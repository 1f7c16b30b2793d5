#pragma once

#include "core/app/date.h"

#include <filesystem>
#include <optional>
#include <string>

namespace bulbicalc {

// What the core asks of the desktop. The window implements it with Qt; tests
// and the scenario runner replace it.
class Platform {
public:
    virtual ~Platform() = default;

    // A message that a handler shows and the user acknowledges.
    virtual void showMessage(const std::string& text) = 0;

    // Opens a document with the desktop's application for its type; a missing
    // file or no application does nothing.
    virtual void openDocument(const std::filesystem::path& path) = 0;

    // The open-file dialog; empty when the user cancels.
    virtual std::optional<std::filesystem::path> chooseFileToOpen() = 0;

    virtual Date today() = 0;
};

} // namespace bulbicalc
