// The tab "Doses Macro e Micro" and the hidden recommendation tab: controls
// with their captions and groups, the spin controls with their edits, the split
// grids with their headings, rule D in the dose fields and the advice labels.
#include "ui_test_support.h"

#include "core/app/window_state.h"
#include "ui/app/binding.h"
#include "ui/app/grid_view.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextDocument>
#include <QtTest>

#include <memory>

using bulbicalc::ui::GridView;
using bulbicalc::ui::test::buddyLabel;
using bulbicalc::ui::test::groupPath;
using bulbicalc::ui::test::str;
using bulbicalc::ui::test::WindowFixture;

namespace {

QStringList shownRow(const GridView* grid, int row)
{
    QStringList texts;
    const QAbstractItemModel* model = grid->model();
    for (int col = 0; col < model->columnCount(); ++col)
        texts << model->data(model->index(row, col), Qt::DisplayRole).toString();
    return texts;
}

const char* const kNitrogen = "Adubação Nitrogenada";
const char* const kPhosphorus = "Adubação Fosfatada";
const char* const kPotassium = "Adubação Potássica";
const char* const kSulphur = "Adubação de S (Enxofre)";

} // namespace

class DosesTabTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bulbicalc::ui::test::prepareApplication(); }
    void init()
    {
        fixture_ = std::make_unique<WindowFixture>();
        QVERIFY(fixture_->activate("TabSheet3"));
    }
    void cleanup() { fixture_.reset(); }

    void fieldsHaveTheirLabelsAndGroups_data();
    void fieldsHaveTheirLabelsAndGroups();
    void buttonsHaveTheirCaptions();
    void spinControlsAreOneBoxWithTheirEdit();
    void splitGridsShowTheirHeadingsAndPlans();
    void adviceLabelsWrapAndBreakAtCarriageReturns();
    void doseFieldsTypeTheComma_data();
    void doseFieldsTypeTheComma();
    void enterInADoseFieldDoesNothingElse();
    void recommendationTableSitsOnTheHiddenTab();

private:
    std::unique_ptr<WindowFixture> fixture_;

    QWidget* page() { return fixture_->find<QWidget>("TabSheet3"); }
    bulbicalc::WindowState& core() { return fixture_->window().core(); }
};

void DosesTabTest::fieldsHaveTheirLabelsAndGroups_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("groups");
    QTest::addColumn<QString>("initial");
    QTest::newRow("Edit16") << "Edit16" << str("Dose de N (kg/ha)") << str(kNitrogen) << "120";
    QTest::newRow("UpDown1") << "UpDown1" << str("Nº de parcelas") << str(kNitrogen) << "4";
    QTest::newRow("Edit18") << "Edit18" << str("Dose P2O5 (kg/ha)") << str(kPhosphorus) << "80";
    QTest::newRow("Edit19") << "Edit19" << str("Dose K2O (kg/ha)") << str(kPotassium) << "60";
    QTest::newRow("UpDown2") << "UpDown2" << str("Nº de Parcelas") << str(kPotassium) << "3";
    QTest::newRow("Edit22") << "Edit22" << str("Dose S (kg/ha)") << str(kSulphur) << "80";
}

void DosesTabTest::fieldsHaveTheirLabelsAndGroups()
{
    QFETCH(QString, field);
    QFETCH(QString, label);
    QFETCH(QString, groups);
    QFETCH(QString, initial);
    QWidget* widget = page()->findChild<QWidget*>(field);
    QVERIFY2(widget, qPrintable(field));
    const QLabel* caption = buddyLabel(page(), widget);
    QVERIFY(caption);
    QCOMPARE(caption->text(), label);
    QVERIFY(caption->width() >= caption->sizeHint().width());
    QCOMPARE(groupPath(widget), groups);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        QCOMPARE(edit->text(), initial);
    else
        QCOMPARE(qobject_cast<QSpinBox*>(widget)->text(), initial);
}

void DosesTabTest::buttonsHaveTheirCaptions()
{
    const struct {
        const char* name;
        const char* caption;
        QString groups;
        bool checked;
    } rows[] = {
        {"BitBtn29", "&Parcelar", str(kNitrogen), false},
        {"BitBtn10", "&Parcelar", str(kPotassium) + str("/Parcelamento recomendado"), false},
        {"RadioButton21", "Cambissolos, Argissolos, demais solos arenosos", str(kSulphur), true},
        {"RadioButton22", "Latossolos, Nitossolos e demais solos argilosos", str(kSulphur), false},
    };
    for (const auto& row : rows) {
        auto* button = page()->findChild<QAbstractButton*>(QString::fromLatin1(row.name));
        QVERIFY2(button, row.name);
        QCOMPARE(button->text(), str(row.caption));
        QCOMPARE(groupPath(button), row.groups);
        QCOMPARE(button->isChecked(), row.checked);
        QVERIFY(button->width() >= button->sizeHint().width());
    }
    QVERIFY(qobject_cast<QRadioButton*>(fixture_->find<QWidget>("RadioButton22")));
}

void DosesTabTest::spinControlsAreOneBoxWithTheirEdit()
{
    const struct {
        const char* spin;
        const char* edit;
        int value;
    } rows[] = {{"UpDown1", "Edit17", 4}, {"UpDown2", "Edit20", 3}};
    for (const auto& row : rows) {
        auto* spin = fixture_->find<QSpinBox>(row.spin);
        QVERIFY2(spin, row.spin);
        QCOMPARE(spin->value(), row.value);
        QCOMPARE(spin->minimum(), 1);
        QCOMPARE(spin->maximum(), 100);
        auto* edit = fixture_->find<QLineEdit>(row.edit);
        QVERIFY2(edit, row.edit);
        QCOMPARE(edit->parentWidget(), spin);
        QCOMPARE(edit->text(), QString::number(row.value));
    }
    // A step of the spin control reaches the core's spin control and its edit.
    auto* spin = fixture_->find<QSpinBox>("UpDown1");
    spin->stepUp();
    fixture_->settle();
    QCOMPARE(core().control("UpDown1").position, 5);
    QCOMPARE(core().text("Edit17"), std::string("5"));
    QCOMPARE(fixture_->find<QLineEdit>("Edit17")->text(), QStringLiteral("5"));
}

void DosesTabTest::splitGridsShowTheirHeadingsAndPlans()
{
    auto* nitrogen = fixture_->find<GridView>("rstga1");
    QVERIFY(nitrogen);
    QCOMPARE(groupPath(nitrogen), str(kNitrogen));
    QCOMPARE(nitrogen->model()->rowCount(), 5);
    QCOMPARE(shownRow(nitrogen, 0), (QStringList{"Parcela", str("Época"), "Quant.(%)", "Quant.(kg)"}));
    QCOMPARE(shownRow(nitrogen, 1), (QStringList{"1", "Plantio", "15", ""}));
    QCOMPARE(shownRow(nitrogen, 4), (QStringList{"4", "85", "25", ""}));

    auto* potash = fixture_->find<GridView>("rstga2");
    QVERIFY(potash);
    QCOMPARE(groupPath(potash), str(kPotassium) + str("/Parcelamento recomendado"));
    QCOMPARE(potash->model()->rowCount(), 4);
    QCOMPARE(shownRow(potash, 0), (QStringList{"Parcela", str("Época"), "Quant.(%)", "Quant.(kg)"}));
    QCOMPARE(shownRow(potash, 3), (QStringList{"3", "85", "25", ""}));

    // Every column is wholly visible.
    for (const GridView* grid : {nitrogen, potash}) {
        const QAbstractItemModel* model = grid->model();
        const int last = model->columnCount() - 1;
        QVERIFY(grid->columnViewportPosition(last) + grid->columnWidth(last) <= grid->viewport()->width());
    }
}

void DosesTabTest::adviceLabelsWrapAndBreakAtCarriageReturns()
{
    const struct {
        const char* name;
        QString groups;
    } rows[] = {
        {"BtObsP", str(kPhosphorus)},
        {"BtObsK", str(kPotassium)},
        {"BTRZn", str("Recomendação de Zn (Zinco)")},
        {"BTRB", str("Recomendação de B (Boro)")},
        {"BTRMn", str("Recomendação de Mn (Manganês)")},
    };
    const std::string advice = std::string("50%  a lanço no transplante ou semeadura ") + '\r' +
                               "25 % em cobertura aos 85 dias após transplante ou 110 dias após semeadura "
                               "direta em campo";
    for (const auto& row : rows) {
        auto* label = fixture_->find<QLabel>(row.name);
        QVERIFY2(label, row.name);
        QCOMPARE(groupPath(label), row.groups);
        QCOMPARE(label->text(), QString());
        QVERIFY(label->wordWrap());
        core().setText(row.name, advice);
        fixture_->window().binding().refresh();
        QTextDocument shown;
        shown.setHtml(label->text());
        QCOMPARE(shown.toPlainText(),
                 str("50%  a lanço no transplante ou semeadura \n25 % em cobertura aos 85 dias "
                     "após transplante ou 110 dias após semeadura direta em campo"));
        // The whole text fits the label.
        QVERIFY(label->height() >= label->heightForWidth(label->width()));
    }
}

void DosesTabTest::doseFieldsTypeTheComma_data()
{
    QTest::addColumn<QString>("field");
    for (const char* field : {"Edit16", "Edit18", "Edit19", "Edit22"})
        QTest::newRow(field) << QString::fromLatin1(field);
}

void DosesTabTest::doseFieldsTypeTheComma()
{
    QFETCH(QString, field);
    auto* edit = page()->findChild<QLineEdit*>(field);
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("4.5"));
    fixture_->settle();
    QCOMPARE(edit->text(), QStringLiteral("4,5"));
    QCOMPARE(QString::fromStdString(core().text(field.toStdString())), QStringLiteral("4,5"));
}

void DosesTabTest::enterInADoseFieldDoesNothingElse()
{
    auto* edit = fixture_->find<QLineEdit>("Edit16");
    edit->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(edit, Qt::Key_Return);
    fixture_->settle();
    QCOMPARE(QApplication::focusWidget(), edit);
    QCOMPARE(edit->text(), QStringLiteral("120"));
    QCOMPARE(fixture_->boxes().errors, QStringList());
}

void DosesTabTest::recommendationTableSitsOnTheHiddenTab()
{
    auto& tabs = fixture_->window().tabs();
    QWidget* hidden = fixture_->find<QWidget>("TabSheet4");
    QVERIFY(hidden);
    QVERIFY(!tabs.isTabVisible(tabs.indexOf(hidden)));
    auto* table = hidden->findChild<GridView*>(QStringLiteral("rstga3"));
    QVERIFY(table);
    QCOMPARE(table->model()->columnCount(), 6);
    QCOMPARE(table->model()->rowCount(), 5);
    QCOMPARE(shownRow(table, 0),
             (QStringList{"Parcela", str("Época"), "N (kg/ha)", "P2O5 (kg/ha)", "K2O (kg/ha)", "S (kg/ha)"}));
    const int widths[] = {50, 120, 80, 80, 80, 75};
    for (int col = 0; col < 6; ++col)
        QCOMPARE(table->columnWidth(col), widths[col]);
}

QTEST_MAIN(DosesTabTest)
#include "doses_tab_test.moc"
