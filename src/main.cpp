// Bulbicalc: liming and fertiliser recommendation for the onion crop.
#include "ui/app/fonts.h"
#include "ui/app/main_window.h"

#include <QApplication>

#include <filesystem>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    bulbicalc::ui::installApplicationFont();
    // The data folders (Auxiliares, Laudos, Ajuda) sit beside the executable.
    const std::filesystem::path dataDir = QCoreApplication::applicationDirPath().toStdString();
    bulbicalc::ui::MainWindow window(dataDir);
    window.show();
    window.centreOnScreen();
    return app.exec();
}
