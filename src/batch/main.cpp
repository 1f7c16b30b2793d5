// bulbicalc-lote: the recommendation of many analysis files at once, without
// a window. See batchUsage() for the options.
#include "batch/batch_options.h"
#include "batch/batch_run.h"
#include "core/app/data_folders.h"
#include "ui/reports/page_painter.h"

#include <QGuiApplication>
#include <QString>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <optional>
#include <thread>

#ifdef _WIN32
#include <io.h>
#define BULBICALC_ISATTY(fd) _isatty(fd)
#else
#include <unistd.h>
#define BULBICALC_ISATTY(fd) isatty(fd)
#endif

namespace {

std::optional<std::filesystem::path> environmentPath(const char* name)
{
    const char* value = std::getenv(name);
    if (!value)
        return std::nullopt;
    return std::filesystem::path(value);
}

bulbicalc::Date localToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return bulbicalc::Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const bulbicalc::CommandLine line = bulbicalc::readCommandLine(arguments);
    if (line.kind == bulbicalc::CommandLine::Kind::Print) {
        std::cout << line.text;
        return 0;
    }
    if (line.kind == bulbicalc::CommandLine::Kind::UsageError) {
        std::cerr << line.text;
        return 2;
    }
    const bulbicalc::BatchOptions& options = line.options;
    if (options.catalogueDir && !std::filesystem::is_directory(*options.catalogueDir)) {
        std::cerr << "bulbicalc-lote: a pasta de catálogos " << options.catalogueDir->string()
                  << " não existe\nUse bulbicalc-lote --ajuda para ver as opções.\n";
        return 2;
    }
    if (options.outputDir && !bulbicalc::canWriteInto(*options.outputDir)) {
        std::cerr << "bulbicalc-lote: não é possível escrever na pasta de saída "
                  << options.outputDir->string() << '\n';
        return 1;
    }

    // The PDF report is drawn with Qt, which needs a platform: the offscreen
    // one, since the batch has no window and may run where there is no display.
    // Qt's own notices (a missing runtime folder, say) are not the user's
    // business; only its critical failures are shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::cerr << "bulbicalc-lote: " << message.toStdString() << '\n';
    });
    QGuiApplication app(argc, argv);

    bulbicalc::BatchEnvironment environment;
    environment.folders =
        bulbicalc::findDataFolders(QCoreApplication::applicationDirPath().toStdString(),
                                   environmentPath("XDG_DATA_HOME"), environmentPath("HOME"));
    environment.today = localToday();
    environment.workers = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));

    // Pages are drawn one at a time, sharing the decoded logo; everything
    // else runs in parallel.
    std::mutex drawing;
    bulbicalc::ui::PagePictures pictures;
    const auto writePdf = [&](const bulbicalc::PrintedPage& page, const std::filesystem::path& path) {
        const std::lock_guard lock(drawing);
        return bulbicalc::ui::writePdf(page, QString::fromStdString(path.string()), pictures);
    };
    const bool progress = BULBICALC_ISATTY(2) != 0;
    return bulbicalc::runBatch(options, environment, writePdf, std::cerr, progress);
}
