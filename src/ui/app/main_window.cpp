#include "ui/app/main_window.h"

#include "core/app/window_controls.h"
#include "core/app/window_state.h"
#include "ui/app/binding.h"
#include "ui/app/event_boundary.h"
#include "ui/app/qt_text.h"
#include "ui/app/tab_pages.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace bulbicalc::ui {

MainWindow::MainWindow(const std::filesystem::path& dataDir, QWidget* parent)
    : QMainWindow(parent), boundary_(new EventBoundary(this, &messageBoxes_, this)),
      platform_(this, [this](const QString& message) { boundary_->queueMessage(message); })
{
    setObjectName(QStringLiteral("F_BulbicalcPrincipal"));
    setWindowTitle(qt(kWindowCaption));
    core_ = std::make_unique<WindowState>(platform_, dataDir);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    tabs_ = new QTabWidget(central);
    tabs_->setObjectName(QStringLiteral("PageControl1"));
    for (const auto& sheet : kTabSheets) {
        const int index = tabs_->addTab(createTabPage(sheet.name, tabs_, dataDir), qt(sheet.caption));
        tabs_->setTabVisible(index, sheet.shown);
    }
    tabs_->setCurrentIndex(0);
    layout->addWidget(tabs_, 1);
    layout->addWidget(createBottomBar());
    setCentralWidget(central);

    binding_ = new Binding(*core_, *boundary_, this);
    binding_->bind(this);
    boundary_->setRefresh([this] { binding_->refresh(); });

    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        core_->setActiveTab(utf8(tabs_->widget(index)->objectName()));
    });
    resize(1324, 661);
    if (core_->startupError())
        boundary_->queueError(qt(*core_->startupError()));
}

MainWindow::~MainWindow() = default;

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
