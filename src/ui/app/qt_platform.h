#pragma once

#include "core/app/platform.h"

#include <QString>

#include <functional>

class QWidget;

namespace bulbicalc::ui {

// The desktop for the core: messages go to the window's queue of boxes (shown
// once the running event has finished), documents open with the desktop's
// application, files are chosen with the open-file dialog, report pages show
// in the report preview.
class QtPlatform : public Platform {
public:
    using MessageSink = std::function<void(const QString&)>;

    QtPlatform(QWidget* dialogParent, MessageSink messages);

    void showMessage(const std::string& text) override;
    void openDocument(const std::filesystem::path& path) override;
    std::optional<std::filesystem::path> chooseFileToOpen(const std::filesystem::path& folder) override;
    Date today() override;
    void previewPage(const PrintedPage& page) override;

private:
    QWidget* dialogParent_;
    MessageSink messages_;
};

} // namespace bulbicalc::ui
