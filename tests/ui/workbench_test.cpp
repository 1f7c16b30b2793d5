// The workbench tab "Definição adubação ": the popup menu of the fertiliser
// grid with its five closure commands, which act on the grid's current cell,
// the parcela-number spin control, and the tab's default button "&Limpar a
// parcela" that Enter presses from a field, a spin control or a radio button.
#include "ui_test_support.h"

#include "core/app/window_state.h"
#include "ui/app/grid_model.h"
#include "ui/app/grid_view.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

using bulbicalc::WindowState;
using bulbicalc::ui::GridView;
using bulbicalc::ui::test::WindowFixture;

class WorkbenchTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bulbicalc::ui::test::prepareApplication(); }
    void init()
    {
        fixture_ = std::make_unique<WindowFixture>();
        QVERIFY(fixture_->activate("TabSheet10"));
    }
    void cleanup()
    {
        QCOMPARE(fixture_->boxes().errors, QStringList());
        QCOMPARE(fixture_->unexpectedDialogs(), 0);
        fixture_.reset();
    }

    void popupMenuListsTheFiveClosureCommands();
    void rightClickMakesTheCellUnderTheMouseCurrent();
    void menuCommandsActOnTheCurrentCell();
    void spinControlWritesTheParcelaNumber();
    void enterPressesTheDefaultButton();

private:
    std::unique_ptr<WindowFixture> fixture_;

    GridView* fertilisers() { return fixture_->find<GridView>("rStgaMeusAdubos"); }
    QMenu* popup() { return fertilisers()->findChild<QMenu*>(QStringLiteral("PopupMenu1")); }
    WindowState& core() { return fixture_->window().core(); }

    // Counts the presses of a button; null when the button has a handler of
    // its own already (then its own tests cover it).
    std::shared_ptr<int> countClicks(const char* button)
    {
        if (core().hasClickHandler(button))
            return nullptr;
        auto count = std::make_shared<int>(0);
        core().onClick(button, [count](WindowState&) { ++*count; });
        return count;
    }

    void pressEnterOn(QWidget* widget)
    {
        widget->setFocus(Qt::OtherFocusReason);
        fixture_->settle();
        QTest::keyClick(widget, Qt::Key_Return);
        fixture_->settle();
    }
};

void WorkbenchTest::popupMenuListsTheFiveClosureCommands()
{
    QVERIFY(fertilisers());
    QMenu* menu = popup();
    QVERIFY(menu);
    QCOMPARE(menu->parentWidget(), fertilisers());
    QCOMPARE(fertilisers()->contextMenuPolicy(), Qt::CustomContextMenu);
    QStringList captions;
    QStringList names;
    for (QAction* action : menu->actions()) {
        captions << action->text();
        names << action->objectName();
    }
    QCOMPARE(captions, QStringList({QStringLiteral("Fechar pelo menor NPK"), QStringLiteral("Fechar pelo N"),
                                    QStringLiteral("Fechar pelo P205"), QStringLiteral("Fechar pelo K2O"),
                                    QStringLiteral("Fechar pelo S")}));
    QCOMPARE(names, QStringList({QStringLiteral("FecharMenorNPK"), QStringLiteral("FechaN"),
                                 QStringLiteral("FecharpeloP"), QStringLiteral("FecharpeloK"),
                                 QStringLiteral("FecharpeloS")}));
}

void WorkbenchTest::rightClickMakesTheCellUnderTheMouseCurrent()
{
    GridView* grid = fertilisers();
    const QPoint cell = grid->visualRect(grid->gridModel()->index(2, 7)).center();
    Q_EMIT grid->customContextMenuRequested(cell);
    fixture_->settle();
    QCOMPARE(core().grid("rStgaMeusAdubos").currentCol(), 7);
    QCOMPARE(core().grid("rStgaMeusAdubos").currentRow(), 2);
    QVERIFY(popup()->isVisible());
    popup()->close();
}

void WorkbenchTest::menuCommandsActOnTheCurrentCell()
{
    GridView* grid = fertilisers();
    std::vector<std::tuple<std::string, int, int>> runs;
    int checked = 0;
    for (QAction* action : popup()->actions()) {
        const std::string command = action->text().toStdString();
        if (core().hasMenuCommand("rStgaMeusAdubos", command))
            continue; // its own tests cover the command
        // Without a command the action does nothing: no box, no cell changes.
        grid->setCurrentIndex(grid->gridModel()->index(3, 8));
        const std::string before = core().grid("rStgaMeusAdubos").cell(8, 3);
        action->trigger();
        fixture_->settle();
        QCOMPARE(fixture_->boxes().errors, QStringList());
        QCOMPARE(core().grid("rStgaMeusAdubos").cell(8, 3), before);

        core().onMenu("rStgaMeusAdubos", command, [&runs, command](WindowState& w) {
            const auto& g = w.grid("rStgaMeusAdubos");
            runs.emplace_back(command, g.currentCol(), g.currentRow());
        });
        grid->setCurrentIndex(grid->gridModel()->index(2 + checked % 3, 6 + checked));
        action->trigger();
        fixture_->settle();
        QCOMPARE(runs.size(), std::size_t(checked + 1));
        QCOMPARE(QString::fromStdString(std::get<0>(runs.back())), action->text());
        QCOMPARE(std::get<1>(runs.back()), 6 + checked);
        QCOMPARE(std::get<2>(runs.back()), 2 + checked % 3);
        ++checked;
    }
    if (checked == 0)
        QSKIP("every closure command has its handler");
}

void WorkbenchTest::spinControlWritesTheParcelaNumber()
{
    auto* spin = fixture_->find<QSpinBox>("UpDown4");
    QVERIFY(spin);
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_Up);
    QTest::keyClick(spin, Qt::Key_Up);
    fixture_->settle();
    QCOMPARE(spin->value(), 3);
    QCOMPARE(QString::fromStdString(core().text("Edit31")), QStringLiteral("3"));
    QCOMPARE(core().control("UpDown4").position, 3);
    // Never below 1.
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(spin, Qt::Key_Down);
    fixture_->settle();
    QCOMPARE(QString::fromStdString(core().text("Edit31")), QStringLiteral("1"));
}

void WorkbenchTest::enterPressesTheDefaultButton()
{
    const auto clear = countClicks("BitBtn97");
    const auto clearAll = countClicks("BitBtn111");
    if (!clear || !clearAll)
        QSKIP("the clear buttons have their own handlers; their tests cover Enter");

    pressEnterOn(fixture_->find<QSpinBox>("UpDown4"));
    QCOMPARE(*clear, 1);
    auto* hide = fixture_->find<QRadioButton>("RadioButton24");
    pressEnterOn(hide);
    QCOMPARE(*clear, 2);
    QVERIFY2(!hide->isChecked(), "Enter presses the default button, it does not choose the radio button");
    pressEnterOn(fixture_->find<QLineEdit>("Edit45"));
    QCOMPARE(*clear, 3);

    // On a button Enter presses that button.
    pressEnterOn(fixture_->find<QPushButton>("BitBtn111"));
    QCOMPARE(*clearAll, 1);
    QCOMPARE(*clear, 3);

    // A grid's cell editor keeps its Enter.
    GridView* difference = fixture_->find<GridView>("RstgaFalta");
    const QModelIndex index = difference->gridModel()->index(1, 1);
    difference->setFocus();
    difference->setCurrentIndex(index);
    difference->edit(index);
    fixture_->settle();
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor && difference->viewport()->isAncestorOf(editor));
    QTest::keyClicks(editor, QStringLiteral("7"));
    QTest::keyClick(editor, Qt::Key_Return);
    fixture_->settle();
    QCOMPARE(*clear, 3);
    QCOMPARE(core().grid("RstgaFalta").cell(1, 1), std::string("7"));
    QCOMPARE(fixture_->boxes().messages, QStringList());
}

QTEST_MAIN(WorkbenchTest)
#include "workbench_test.moc"
