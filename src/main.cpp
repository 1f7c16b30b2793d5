// Bulbicalc: liming and fertiliser recommendation for the onion crop.
#include "core/app/data_folders.h"
#include "ui/app/fonts.h"
#include "ui/app/main_window.h"

#include <QApplication>

#include <cstdlib>
#include <filesystem>
#include <optional>

namespace {

std::optional<std::filesystem::path> environmentPath(const char* name)
{
    const char* value = std::getenv(name);
    if (!value)
        return std::nullopt;
    return std::filesystem::path(value);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    bulbicalc::ui::installApplicationFont();
    // The data folders sit beside the executable in a build, and in
    // ../share/bulbicalc once installed.
    const std::filesystem::path executableDir = QCoreApplication::applicationDirPath().toStdString();
    const bulbicalc::DataFolders folders =
        bulbicalc::findDataFolders(executableDir, environmentPath("XDG_DATA_HOME"), environmentPath("HOME"));
    bulbicalc::ui::MainWindow window(folders);
    window.show();
    window.centreOnScreen();
    return app.exec();
}
