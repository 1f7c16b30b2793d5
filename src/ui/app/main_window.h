#pragma once

#include "core/app/data_folders.h"
#include "ui/app/dialogs.h"
#include "ui/app/qt_platform.h"

#include <QMainWindow>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class QTabWidget;

namespace bulbicalc {
class WindowState;
}

namespace bulbicalc::ui {

class Binding;
class EventBoundary;

// TF_BulbicalcPrincipal: the tab sheets and the bottom bar over one core
// window state. The widgets only show the core's state and pass user events
// to it.
//
// Only the first tab's page is built with the window. Each other page is
// built when its tab is first activated, or in the idle turns after the first
// paint, whichever comes first, and is bound to the core when it is built:
// the core holds the state, so a page built late shows it as if it had been
// there all along.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `folders`: where the program reads (Auxiliares, Ajuda, Imagens) and writes (Laudos).
    explicit MainWindow(const DataFolders& folders, QWidget* parent = nullptr);
    // Reading and writing in one folder, beside the executable in a build.
    explicit MainWindow(const std::filesystem::path& dataDir, QWidget* parent = nullptr);
    ~MainWindow() override;

    WindowState& core() { return *core_; }
    EventBoundary& boundary() { return *boundary_; }
    Binding& binding() { return *binding_; }
    QTabWidget& tabs() { return *tabs_; }

    // Replaces the boxes the window shows (tests record them instead).
    void setDialogPresenter(DialogPresenter* presenter);

    // Builds every page not built yet, for whatever needs all widgets at once
    // (tests, the screenshot tool).
    void buildAllPages();
    bool isPageBuilt(int tabIndex) const;

    void centreOnScreen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Sheet {
        std::string name;
        QWidget* container = nullptr; // the tab's widget, named by the tab sheet
        bool built = false;
    };

    std::filesystem::path dataDir_;
    std::vector<Sheet> sheets_;
    bool idleBuildStarted_ = false;
    MessageBoxPresenter messageBoxes_;
    EventBoundary* boundary_;
    QtPlatform platform_;
    std::unique_ptr<WindowState> core_;
    QTabWidget* tabs_ = nullptr;
    Binding* binding_ = nullptr;

    QWidget* createBottomBar();
    void buildPage(Sheet& sheet);
    void buildNextPageWhenIdle();
    void bindGridMenus(QWidget* root);
};

} // namespace bulbicalc::ui
