// bulbicalc-screenshots OUTDIR [SCENARIO...]
// Renders every shown tab of the main window to OUTDIR/NN-TabSheetX.png. The
// statements of each SCENARIO run first on the window's core, so a picture can
// show the window after an input; a scenario's own expectations are checked
// and reported too.
#include "core/app/tab_sheets.h"
#include "core/app/window_state.h"
#include "scenario/scenario_runner.h"
#include "ui/app/binding.h"
#include "ui/app/dialogs.h"
#include "ui/app/fonts.h"
#include "ui/app/main_window.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>

#include <cstdio>
#include <iostream>

namespace {

class PrintingPresenter : public bulbicalc::ui::DialogPresenter {
public:
    void showError(QWidget*, const QString& message) override
    {
        std::fprintf(stderr, "error box: %s\n", message.toUtf8().constData());
    }
    void showMessage(QWidget*, const QString& message) override
    {
        std::fprintf(stderr, "message: %s\n", message.toUtf8().constData());
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bulbicalc-screenshots OUTDIR [SCENARIO...]\n");
        return 2;
    }
    bulbicalc::ui::installApplicationFont();
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outDir);

    PrintingPresenter presenter;
    bulbicalc::ui::MainWindow window(QCoreApplication::applicationDirPath().toStdString());
    window.setDialogPresenter(&presenter);
    window.buildAllPages();
    window.show();
    QApplication::processEvents();

    int failures = 0;
    for (int i = 2; i < argc; ++i)
        failures += bulbicalc::runScenarioOn(window.core(), argv[i], std::cerr);
    window.binding().refresh();

    QTabWidget& tabs = window.tabs();
    int number = 0;
    for (int index = 0; index < tabs.count(); ++index) {
        if (!tabs.isTabVisible(index))
            continue;
        tabs.setCurrentIndex(index);
        for (int k = 0; k < 5; ++k)
            QApplication::processEvents();
        const QString file = QStringLiteral("%1/%2-%3.png")
                                 .arg(outDir)
                                 .arg(++number, 2, 10, QLatin1Char('0'))
                                 .arg(tabs.widget(index)->objectName());
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", file.toUtf8().constData());
            return 1;
        }
        std::printf("%s\n", file.toUtf8().constData());
    }
    return failures == 0 ? 0 : 1;
}
