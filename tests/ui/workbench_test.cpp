// The workbench tab "Definição adubação ": quantities typed into the
// fertiliser grid's editor and confirmed with Enter, the difference colours,
// the popup menu of the fertiliser grid with its five closure commands acting
// on the current cell, the parcela-number spin control and the clear buttons,
// the tab's default button, and the price display.
#include "ui_test_support.h"

#include "core/app/window_state.h"
#include "ui/app/binding.h"
#include "ui/app/grid_model.h"
#include "ui/app/grid_view.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

#include <memory>
#include <string>

using bulbicalc::WindowState;
using bulbicalc::ui::GridView;
using bulbicalc::ui::test::str;
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
    void enterInAQuantityCellRecalculatesTheParcela();
    void differencesAreRedWhenMissingBlueInExcess();
    void aQuantityThatIsNoNumberShowsTheErrorBox();
    void menuCommandsCloseTheCurrentQuantityCell();
    void spinControlWritesTheParcelaNumber();
    void enterPressesTheDefaultButton();
    void priceDisplayHidesAndShowsPricesAndCosts();

private:
    std::unique_ptr<WindowFixture> fixture_;

    GridView* grid(const char* name) { return fixture_->find<GridView>(name); }
    GridView* fertilisers() { return grid("rStgaMeusAdubos"); }
    QMenu* popup() { return fertilisers()->findChild<QMenu*>(QStringLiteral("PopupMenu1")); }
    WindowState& core() { return fixture_->window().core(); }

    // The text a grid view shows in a cell.
    QString shown(const char* name, int col, int row)
    {
        const auto* model = grid(name)->gridModel();
        return model->data(model->index(row, col), Qt::DisplayRole).toString();
    }

    // Types into the cell editor of a grid and presses Enter.
    void typeIntoCell(GridView* view, int col, int row, const QString& text)
    {
        const QModelIndex index = view->gridModel()->index(row, col);
        view->setFocus();
        view->setCurrentIndex(index);
        view->edit(index);
        fixture_->settle();
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor && view->viewport()->isAncestorOf(editor));
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        fixture_->settle();
    }

    void pressEnterOn(QWidget* widget)
    {
        widget->setFocus(Qt::OtherFocusReason);
        fixture_->settle();
        QTest::keyClick(widget, Qt::Key_Return);
        fixture_->settle();
    }

    QAction* command(const char* name) { return popup()->findChild<QAction*>(QString::fromLatin1(name)); }
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
        QVERIFY2(core().hasMenuCommand("rStgaMeusAdubos", action->text().toStdString()),
                 qPrintable(action->text()));
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
    GridView* view = fertilisers();
    const QPoint cell = view->visualRect(view->gridModel()->index(2, 7)).center();
    Q_EMIT view->customContextMenuRequested(cell);
    fixture_->settle();
    QCOMPARE(core().grid("rStgaMeusAdubos").currentCol(), 7);
    QCOMPARE(core().grid("rStgaMeusAdubos").currentRow(), 2);
    QVERIFY(popup()->isVisible());
    popup()->close();
}

void WorkbenchTest::enterInAQuantityCellRecalculatesTheParcela()
{
    // Row 1 of the shipped catalogue is urea, 45 % N, at 3,2000 R$/kg.
    QCOMPARE(shown("rStgaMeusAdubos", 0, 1), QStringLiteral(" Ureia"));
    typeIntoCell(fertilisers(), 6, 1, QStringLiteral("200"));
    QCOMPARE(shown("rstgaAplica", 1, 1), QStringLiteral("90,0"));
    QCOMPARE(shown("rstgaAplica", 1, 2), QStringLiteral("0"));
    QCOMPARE(shown("RstgaFalta", 1, 1), QStringLiteral("-90,0"));
    QCOMPARE(shown("RstgaResumoParcela", 1, 1), QStringLiteral(" Ureia"));
    QCOMPARE(shown("rstgaResumoTotal", 3, 1), QStringLiteral("640,00"));
    QCOMPARE(fixture_->find<QLineEdit>("Edit44")->text(), QStringLiteral("640,00"));
    // Enter moved down and the editor is open there; Enter is not typed into it.
    QCOMPARE(fertilisers()->currentIndex().row(), 2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor && fertilisers()->viewport()->isAncestorOf(editor));
    QCOMPARE(editor->text(), QString());

    // In a content column Enter only stores the cell.
    typeIntoCell(fertilisers(), 1, 1, QStringLiteral("46"));
    QCOMPARE(QString::fromStdString(core().grid("rStgaMeusAdubos").cell(1, 1)), QStringLiteral("46"));
    QCOMPARE(shown("rstgaAplica", 1, 1), QStringLiteral("90,0"));
}

void WorkbenchTest::differencesAreRedWhenMissingBlueInExcess()
{
    core().grid("rstgaRecomenda").setCell(1, 1, "100");
    typeIntoCell(fertilisers(), 6, 1, QStringLiteral("200"));
    typeIntoCell(fertilisers(), 7, 1, QStringLiteral("100"));
    typeIntoCell(fertilisers(), 8, 1, QStringLiteral("0"));
    const auto* model = grid("RstgaFalta")->gridModel();
    const auto colour = [&](int col, int row) {
        return model->data(model->index(row, col), Qt::ForegroundRole).value<QBrush>().color();
    };
    QCOMPARE(shown("RstgaFalta", 1, 1), QStringLiteral("10,0"));
    QCOMPARE(colour(1, 1), QColor(255, 0, 0));
    QCOMPARE(shown("RstgaFalta", 2, 1), QStringLiteral("-45,0"));
    QCOMPARE(colour(2, 1), QColor(0, 0, 255));
    QCOMPARE(shown("RstgaFalta", 3, 1), QStringLiteral("0,0"));
    QVERIFY(!model->data(model->index(1, 3), Qt::ForegroundRole).isValid());
}

void WorkbenchTest::aQuantityThatIsNoNumberShowsTheErrorBox()
{
    typeIntoCell(fertilisers(), 6, 1, QStringLiteral("100"));
    typeIntoCell(fertilisers(), 6, 2, QStringLiteral("? "));
    QCOMPARE(fixture_->boxes().errors,
             QStringList{QStringLiteral("'? ' is not a valid floating point value")});
    fixture_->boxes().errors.clear();
    QCOMPARE(shown("rstgaAplica", 1, 1), QStringLiteral("45,0"));
    QCOMPARE(shown("rStgaMeusAdubos", 6, 2), QStringLiteral("? "));
}

void WorkbenchTest::menuCommandsCloseTheCurrentQuantityCell()
{
    core().grid("rstgaRecomenda").setCell(1, 1, "55");
    typeIntoCell(fertilisers(), 6, 1, QStringLiteral("100"));
    QCOMPARE(shown("RstgaFalta", 1, 1), QStringLiteral("10,0"));
    GridView* view = fertilisers();
    view->setCurrentIndex(view->gridModel()->index(1, 6));
    command("FechaN")->trigger();
    fixture_->settle();
    QCOMPARE(shown("rStgaMeusAdubos", 6, 1), QStringLiteral("122,2"));
    QCOMPARE(shown("RstgaFalta", 1, 1), QStringLiteral("0,0"));

    // On a content cell a command does nothing.
    view->setCurrentIndex(view->gridModel()->index(1, 1));
    command("FecharMenorNPK")->trigger();
    fixture_->settle();
    QCOMPARE(shown("rStgaMeusAdubos", 1, 1), QStringLiteral("45"));
    QCOMPARE(shown("rStgaMeusAdubos", 6, 1), QStringLiteral("122,2"));
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
    const auto fill = [&] {
        for (int col = 6; col <= 9; ++col)
            core().grid("rStgaMeusAdubos").setCell(col, 1, "10");
        fixture_->window().binding().refresh();
    };
    const auto filled = [&](int col) { return !core().grid("rStgaMeusAdubos").cell(col, 1).empty(); };

    // The spin control: "&Limpar a parcela" empties parcela 1.
    fill();
    pressEnterOn(fixture_->find<QSpinBox>("UpDown4"));
    QVERIFY(!filled(6));
    QVERIFY(filled(7));
    QCOMPARE(shown("rstgaAplica", 1, 1), QStringLiteral("0"));

    // A radio button: the button is pressed, the radio button not chosen.
    fill();
    auto* hide = fixture_->find<QRadioButton>("RadioButton24");
    pressEnterOn(hide);
    QVERIFY(!filled(6));
    QVERIFY2(!hide->isChecked(), "Enter presses the default button, it does not choose the radio button");

    // An edit field of the tab, with another parcela in the spin control.
    fill();
    fixture_->find<QSpinBox>("UpDown4")->setValue(3);
    fixture_->settle();
    pressEnterOn(fixture_->find<QLineEdit>("Edit45"));
    QVERIFY(filled(6));
    QVERIFY(!filled(8));

    // On a button Enter presses that button.
    fill();
    pressEnterOn(fixture_->find<QPushButton>("BitBtn111"));
    for (int col = 6; col <= 9; ++col)
        QVERIFY(!filled(col));

    // A grid's cell editor keeps its Enter.
    fill();
    typeIntoCell(grid("RstgaFalta"), 1, 1, QStringLiteral("7"));
    QCOMPARE(core().grid("RstgaFalta").cell(1, 1), std::string("7"));
    QVERIFY(filled(6));
    QCOMPARE(fixture_->boxes().messages, QStringList());
}

void WorkbenchTest::priceDisplayHidesAndShowsPricesAndCosts()
{
    typeIntoCell(fertilisers(), 6, 1, QStringLiteral("100"));
    const QStringList costWidgets = {QStringLiteral("Edit44"), QStringLiteral("Edit45"),
                                     QStringLiteral("LabelCustoHa"), QStringLiteral("LabelCustoArea")};
    auto* costPerHectare = fixture_->find<QLabel>("LabelCustoHa");
    QVERIFY(costPerHectare);
    QCOMPARE(costPerHectare->text(), QStringLiteral("Custo por ha (R$)"));
    QCOMPARE(fixture_->find<QLabel>("LabelCustoArea")->text(), str("Custo na área total (R$)"));

    QTest::mouseClick(fixture_->find<QRadioButton>("RadioButton24"), Qt::LeftButton);
    fixture_->settle();
    for (const QString& name : costWidgets)
        QVERIFY2(fixture_->window().findChild<QWidget*>(name)->isHidden(), qPrintable(name));
    QCOMPARE(fertilisers()->columnWidth(5), 1);
    QCOMPARE(grid("rstgaResumoTotal")->columnWidth(3), 1);
    QCOMPARE(grid("rstgaResumoTotal")->columnWidth(5), 1);
    QCOMPARE(grid("rstgaResumoTotal")->columnWidth(4), 90);

    QTest::mouseClick(fixture_->find<QRadioButton>("RadioButton23"), Qt::LeftButton);
    fixture_->settle();
    for (const QString& name : costWidgets)
        QVERIFY2(fixture_->window().findChild<QWidget*>(name)->isVisible(), qPrintable(name));
    QCOMPARE(fertilisers()->columnWidth(5), 50);
    QCOMPARE(grid("rstgaResumoTotal")->columnWidth(3), 90);
    QCOMPARE(grid("rstgaResumoTotal")->columnWidth(5), 90);
    QCOMPARE(fixture_->find<QLineEdit>("Edit44")->text(), QStringLiteral("320,00"));
    QCOMPARE(shown("rstgaResumoTotal", 5, 1), QStringLiteral("320,00"));
}

QTEST_MAIN(WorkbenchTest)
#include "workbench_test.moc"
