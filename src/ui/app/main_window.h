#pragma once

#include "ui/app/dialogs.h"
#include "ui/app/qt_platform.h"

#include <QMainWindow>

#include <filesystem>
#include <memory>

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
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `dataDir` is the folder beside the executable (Auxiliares, Laudos, Ajuda).
    explicit MainWindow(const std::filesystem::path& dataDir, QWidget* parent = nullptr);
    ~MainWindow() override;

    WindowState& core() { return *core_; }
    EventBoundary& boundary() { return *boundary_; }
    Binding& binding() { return *binding_; }
    QTabWidget& tabs() { return *tabs_; }

    // Replaces the boxes the window shows (tests record them instead).
    void setDialogPresenter(DialogPresenter* presenter);

    void centreOnScreen();

private:
    MessageBoxPresenter messageBoxes_;
    EventBoundary* boundary_;
    QtPlatform platform_;
    std::unique_ptr<WindowState> core_;
    QTabWidget* tabs_ = nullptr;
    Binding* binding_ = nullptr;

    QWidget* createBottomBar();
    void bindGridMenus();
};

} // namespace bulbicalc::ui
