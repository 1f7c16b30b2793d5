// bulbicalc-help-report-page DATADIR SCENARIO OUTFILE
//
// Draws the PDF report page of the worked example as a picture for the help
// documents: the scenario runs on a window state of its own over DATADIR,
// then the page that "Relatório *.&pdf" would preview is painted into
// OUTFILE (PNG) by the painter of the preview, the printer and the PDF
// export. The date on the page is the fixed date of the recording desktop,
// so the picture is the same in every build. The text report the scenario
// asks for is written into the working directory.
#include "core/app/recording_platform.h"
#include "core/app/window_state.h"
#include "core/program/program.h"
#include "core/reports/pdf_report.h"
#include "scenario/scenario_runner.h"
#include "ui/reports/page_painter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>

namespace {

// About 0,25 mm a pixel: the page fills a manual page's width at the
// resolution the help documents give screenshots, and 10 pt text stays
// readable there.
constexpr double kDotsPerInch = 103.0;

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: bulbicalc-help-report-page DATADIR SCENARIO OUTFILE\n");
        return 2;
    }
    const std::filesystem::path dataDir = argv[1];
    bulbicalc::RecordingPlatform platform;
    const auto window = bulbicalc::createWindowState(platform, dataDir);
    if (window->startupError()) {
        std::fprintf(stderr, "start-up failed: %s\n", window->startupError()->c_str());
        return 1;
    }
    if (bulbicalc::runScenarioOn(*window, argv[2], std::cerr) != 0)
        return 1;

    const auto variables = bulbicalc::pdfReportVariables(*window, platform.today());
    const auto page = bulbicalc::pdfReportPage(variables, dataDir / "Imagens" / "logo_bulbicalc.png");
    const double dotsPerMm = kDotsPerInch / 25.4;
    QImage image(int(std::lround(page.width * dotsPerMm)), int(std::lround(page.height * dotsPerMm)),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(int(std::lround(dotsPerMm * 1000)));
    image.setDotsPerMeterY(int(std::lround(dotsPerMm * 1000)));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        bulbicalc::ui::paintPage(page, painter);
    }
    if (!image.save(QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[3]);
        return 1;
    }
    std::printf("%s\n", argv[3]);
    return 0;
}
