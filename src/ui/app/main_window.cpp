#include "ui/app/main_window.h"

#include "core/app/tab_sheets.h"
#include "core/app/window_state.h"
#include "core/program/program.h"
#include "ui/app/binding.h"
#include "ui/app/event_boundary.h"
#include "ui/app/grid_view.h"
#include "ui/app/qt_text.h"
#include "ui/app/tab_pages.h"

#include <QAction>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace bulbicalc::ui {

MainWindow::MainWindow(const std::filesystem::path& dataDir, QWidget* parent)
    : MainWindow(DataFolders{dataDir, dataDir}, parent)
{
}

MainWindow::MainWindow(const DataFolders& folders, QWidget* parent)
    : QMainWindow(parent), dataDir_(folders.data), boundary_(new EventBoundary(this, &messageBoxes_, this)),
      platform_(this, [this](const QString& message) { boundary_->queueMessage(message); })
{
    setObjectName(QStringLiteral("F_BulbicalcPrincipal"));
    setWindowTitle(qt(kWindowCaption));
    core_ = createWindowState(platform_, folders);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    tabs_ = new QTabWidget(central);
    tabs_->setObjectName(QStringLiteral("PageControl1"));
    for (const auto& info : kTabSheets) {
        auto* container = new QWidget(tabs_);
        container->setObjectName(qt(info.name));
        auto* sheetLayout = new QVBoxLayout(container);
        sheetLayout->setContentsMargins(0, 0, 0, 0);
        const int index = tabs_->addTab(container, qt(info.caption));
        // Every tab but the hidden one is visible already; hiding only that
        // one spares the tab bar a layout per tab.
        if (!info.shown)
            tabs_->setTabVisible(index, false);
        sheets_.push_back(Sheet{std::string(info.name), container, false});
    }
    tabs_->setCurrentIndex(0);
    layout->addWidget(tabs_, 1);
    layout->addWidget(createBottomBar());
    setCentralWidget(central);

    binding_ = new Binding(*core_, *boundary_, this);
    binding_->bind(this);
    buildPage(sheets_.front());
    boundary_->setRefresh([this] { binding_->refresh(); });
    // The other pages follow once the first paint is done.
    sheets_.front().container->installEventFilter(this);

    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        buildPage(sheets_[static_cast<std::size_t>(index)]);
        core_->setActiveTab(utf8(tabs_->widget(index)->objectName()));
    });
    // The client area at 96 dpi; the frame comes on top of it.
    resize(1324, 661);
    centreOnScreen();
    if (core_->startupError())
        boundary_->queueError(qt(*core_->startupError()));
}

MainWindow::~MainWindow()
{
    // The widgets refer to the core: an open cell editor still commits its
    // text while it is destroyed. So they go first, while the core is alive,
    // and no refresh runs once they are gone.
    boundary_->setRefresh({});
    delete takeCentralWidget();
}

QWidget* MainWindow::createBottomBar()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedHeight(41);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->addStretch(1);
    auto* help = new QPushButton(panel);
    help->setObjectName(QStringLiteral("BitBtn3"));
    auto* close = new QPushButton(panel);
    close->setObjectName(QStringLiteral("BitBtn1"));
    for (QPushButton* button : {help, close}) {
        button->setMinimumWidth(90);
        layout->addWidget(button);
    }
    // "&Fechar" closes at once: no question, nothing saved.
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    return panel;
}

void MainWindow::buildPage(Sheet& sheet)
{
    if (sheet.built)
        return;
    sheet.built = true;
    QWidget* page = createTabPage(sheet.name, sheet.container, dataDir_);
    sheet.container->layout()->addWidget(page);
    binding_->bind(page);
    bindGridMenus(page);
}

void MainWindow::buildAllPages()
{
    for (Sheet& sheet : sheets_)
        buildPage(sheet);
}

bool MainWindow::isPageBuilt(int tabIndex) const
{
    return sheets_.at(static_cast<std::size_t>(tabIndex)).built;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && watched == sheets_.front().container && !idleBuildStarted_) {
        idleBuildStarted_ = true;
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, &MainWindow::buildNextPageWhenIdle);
    }
    return QMainWindow::eventFilter(watched, event);
}

// One page per idle turn, so that the user's input is never kept waiting for
// more than one page.
void MainWindow::buildNextPageWhenIdle()
{
    for (Sheet& sheet : sheets_) {
        if (sheet.built)
            continue;
        buildPage(sheet);
        QTimer::singleShot(0, this, &MainWindow::buildNextPageWhenIdle);
        return;
    }
}

// A grid's popup menu is a QMenu child of its view; each action carries the
// caption of its command in its data. The command acts on the grid's current
// cell; an action whose command the core does not have does nothing.
void MainWindow::bindGridMenus(QWidget* root)
{
    for (GridView* view : root->findChildren<GridView*>()) {
        const std::string grid = utf8(view->objectName());
        if (!core_->hasGrid(grid))
            continue;
        for (QMenu* menu : view->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
            for (QAction* action : menu->actions()) {
                const std::string command = utf8(action->data().toString());
                connect(action, &QAction::triggered, this, [this, grid, command] {
                    if (!core_->hasMenuCommand(grid, command))
                        return;
                    const Grid& g = core_->grid(grid);
                    const int col = g.currentCol();
                    const int row = g.currentRow();
                    boundary_->run([&] { core_->menu(grid, col, row, command); });
                });
            }
        }
    }
}

void MainWindow::setDialogPresenter(DialogPresenter* presenter)
{
    boundary_->setPresenter(presenter ? presenter : &messageBoxes_);
}

void MainWindow::centreOnScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        QRect frame = frameGeometry();
        frame.moveCenter(available.center());
        move(frame.topLeft());
    }
}

} // namespace bulbicalc::ui
