// The tab "Selecionar Adubos": the check list of the catalogue's fertilisers
// and the catalogue grid, what ticking and unticking does to the workbench,
// and the window that opens when a catalogue file is missing.
#include "ui_test_support.h"

#include "core/app/window_state.h"
#include "ui/app/grid_model.h"
#include "ui/app/grid_view.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using bulbicalc::WindowState;
using bulbicalc::ui::GridView;
using bulbicalc::ui::test::str;
using bulbicalc::ui::test::WindowFixture;

class SelectionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bulbicalc::ui::test::prepareApplication(); }
    void init()
    {
        fixture_ = std::make_unique<WindowFixture>();
        QVERIFY(fixture_->activate("TabSheet9"));
    }
    void cleanup()
    {
        QCOMPARE(fixture_->boxes().errors, QStringList());
        QCOMPARE(fixture_->unexpectedDialogs(), 0);
        fixture_.reset();
    }

    void listShowsTheCatalogueWithTheFirstEightTicked();
    void tickingAndUntickingRebuildsTheWorkbenchList();
    void aMissingCatalogueLeavesTheWorkbenchWithoutHeadings();

private:
    std::unique_ptr<WindowFixture> fixture_;

    QListWidget* list() { return fixture_->find<QListWidget>("rCheckListBox1"); }
    WindowState& core() { return fixture_->window().core(); }

    QString shown(const char* grid, int col, int row)
    {
        const auto* model = fixture_->find<GridView>(grid)->gridModel();
        return model->data(model->index(row, col), Qt::DisplayRole).toString();
    }

    // A mouse click on the check box of an item, or on its text.
    void clickItem(int item, bool onCheckBox)
    {
        QListWidget* l = list();
        const QRect rect = l->visualItemRect(l->item(item));
        QStyleOptionViewItem option;
        option.initFrom(l);
        option.rect = rect;
        option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
        const QRect box = l->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, l);
        const QPoint at = onCheckBox ? box.center() : QPoint(rect.right() - 20, rect.center().y());
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, at);
        fixture_->settle();
    }
};

void SelectionTest::listShowsTheCatalogueWithTheFirstEightTicked()
{
    QListWidget* l = list();
    QVERIFY(l);
    const auto& catalogue = core().grid("StgaAdubos");
    QCOMPARE(l->count(), catalogue.rowCount() - 1);
    QVERIFY(l->count() > 8);
    for (int i = 0; i < l->count(); ++i) {
        QListWidgetItem* item = l->item(i);
        QCOMPARE(item->text(), QString::fromStdString(catalogue.cell(0, i + 1)));
        // Every item shows its check box, ticked or not.
        QVERIFY(item->flags() & Qt::ItemIsUserCheckable);
        QVERIFY(item->data(Qt::CheckStateRole).isValid());
        QCOMPARE(item->checkState(), i < 8 ? Qt::Checked : Qt::Unchecked);
    }
    QCOMPARE(shown("StgaAdubos", 0, 0), QStringLiteral("Adubo"));
    QCOMPARE(shown("StgaAdubos", 5, 1), QStringLiteral("3,2000"));
    QCOMPARE(fixture_->find<GridView>("StgaAdubos")->columnWidth(0), 200);
}

void SelectionTest::tickingAndUntickingRebuildsTheWorkbenchList()
{
    const auto& mine = core().grid("rStgaMeusAdubos");
    core().grid("rStgaMeusAdubos").setCell(6, 3, "111");
    core().grid("rStgaMeusAdubos").setCell(6, 4, "44");

    // Unticking the second fertiliser moves the ones below it up, each with
    // its own quantities.
    const QString second = list()->item(1)->text();
    clickItem(1, true);
    QCOMPARE(list()->item(1)->checkState(), Qt::Unchecked);
    QCOMPARE(mine.rowCount(), 8);
    QCOMPARE(shown("rStgaMeusAdubos", 0, 2), list()->item(2)->text());
    QCOMPARE(shown("rStgaMeusAdubos", 6, 2), QStringLiteral("111"));
    QCOMPARE(shown("rStgaMeusAdubos", 6, 3), QStringLiteral("44"));

    // A click on the text of an item only selects it: nothing moves.
    clickItem(5, false);
    QCOMPARE(list()->item(5)->checkState(), Qt::Checked);
    QCOMPARE(mine.rowCount(), 8);
    QCOMPARE(shown("rStgaMeusAdubos", 6, 2), QStringLiteral("111"));

    // A fertiliser further down the catalogue goes in in catalogue order.
    clickItem(10, true);
    QCOMPARE(list()->item(10)->checkState(), Qt::Checked);
    QCOMPARE(mine.rowCount(), 9);
    QCOMPARE(shown("rStgaMeusAdubos", 0, 8), list()->item(10)->text());
    QCOMPARE(shown("rStgaMeusAdubos", 6, 8), QString());
    clickItem(1, true);
    QCOMPARE(shown("rStgaMeusAdubos", 0, 2), second);
    QCOMPARE(shown("rStgaMeusAdubos", 6, 2), QString());
    QCOMPARE(shown("rStgaMeusAdubos", 6, 3), QStringLiteral("111"));
}

void SelectionTest::aMissingCatalogueLeavesTheWorkbenchWithoutHeadings()
{
    QTemporaryDir data;
    QVERIFY(QDir().mkpath(data.path() + QStringLiteral("/Auxiliares")));
    bulbicalc::ui::test::RecordingPresenter boxes;
    bulbicalc::ui::MainWindow window(data.path().toStdString());
    window.setDialogPresenter(&boxes);
    window.buildAllPages();
    window.show();
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    QCOMPARE(boxes.errors, QStringList{QStringLiteral("File not found")});
    QVERIFY(window.isVisible());

    const auto shownIn = [&](const char* name, int col, int row) {
        const auto* model = window.findChild<GridView*>(QString::fromLatin1(name))->gridModel();
        return model->data(model->index(row, col), Qt::DisplayRole).toString();
    };
    for (const char* name : {"rstgaRecomenda", "rstgaAplica", "RstgaFalta"}) {
        QCOMPARE(shownIn(name, 1, 0), QString());
        QCOMPARE(shownIn(name, 0, 1), QString());
    }
    QCOMPARE(shownIn("rstgaAplica", 1, 1), QString());
    // The fertiliser grid keeps its fixed row: its titles show.
    QCOMPARE(shownIn("rStgaMeusAdubos", 5, 0), QStringLiteral("RS/kg"));
    QCOMPARE(shownIn("rStgaMeusAdubos", 8, 0), QStringLiteral("Parc 3"));
    QCOMPARE(window.findChild<QListWidget*>(QStringLiteral("rCheckListBox1"))->count(), 0);
    QCOMPARE(shownIn("StgaAdubos", 1, 0), QStringLiteral("N(%)"));
}

QTEST_MAIN(SelectionTest)
#include "selection_test.moc"
