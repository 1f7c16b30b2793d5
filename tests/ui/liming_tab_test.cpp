// The tab "Calagem": its controls with their captions and groups, and its
// default button: Enter on a field or radio button presses "&Calcular" of the
// base-saturation method, Enter on a button presses that button.
#include "ui_test_support.h"

#include "core/app/window_state.h"
#include "ui/app/binding.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include <map>
#include <memory>
#include <string>

using bulbicalc::ui::test::buddyLabel;
using bulbicalc::ui::test::groupPath;
using bulbicalc::ui::test::str;
using bulbicalc::ui::test::WindowFixture;

namespace {

const char* const kSmp = "Método SMP";
const char* const kPoorlyBuffered = "Critérios para solos pouco tamponados";
const char* const kSaturation = "Critério da saturação de bases";
const char* const kType = "Sobre o tipo de calcário";

} // namespace

class LimingTabTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bulbicalc::ui::test::prepareApplication(); }
    void init()
    {
        fixture_ = std::make_unique<WindowFixture>();
        QVERIFY(fixture_->activate("TabSheet2"));
    }
    void cleanup() { fixture_.reset(); }

    void fieldsHaveTheirLabelsAndGroups_data();
    void fieldsHaveTheirLabelsAndGroups();
    void buttonsHaveTheirCaptions_data();
    void buttonsHaveTheirCaptions();
    void formulasHintsAndChart();
    void enterPressesTheDefaultButton();

private:
    std::unique_ptr<WindowFixture> fixture_;

    QWidget* page() { return fixture_->find<QWidget>("TabSheet2"); }
    bulbicalc::WindowState& core() { return fixture_->window().core(); }
    void pressEnterOn(const char* name, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
};

void LimingTabTest::pressEnterOn(const char* name, Qt::KeyboardModifiers modifiers)
{
    QWidget* widget = fixture_->find<QWidget>(name);
    QVERIFY2(widget, name);
    widget->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(widget, Qt::Key_Return, modifiers);
    fixture_->settle();
}

void LimingTabTest::fieldsHaveTheirLabelsAndGroups_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("groups");
    QTest::addColumn<QString>("initial");
    const QString prnt = str("Correção PRNT");
    const struct {
        const char* field;
        const char* label;
        QString groups;
        const char* initial;
    } rows[] = {
        {"Edit1", "Índice SMP", str(kSmp), ""},
        {"Edit2", "NC (t/ha)", str(kSmp), ""},
        {"Edit3", "MO  (%)", str(kPoorlyBuffered), ""},
        {"Edit4", "Al (Cmol/dm³)", str(kPoorlyBuffered), ""},
        {"Edit5", "NC (t/ha)", str(kPoorlyBuffered), ""},
        {"Edit6", "CTC - Capacidade de troca de cations", str(kSaturation), ""},
        {"Edit7", "V1- Saturação de bases (%)", str(kSaturation), ""},
        {"Edit8", "V2- Saturação de bases desejada (%)", str(kSaturation), "75"},
        {"Edit9", "NC (t/ha)", str(kSaturation), ""},
        {"Edit10", "Necessidade de  calcário PRNT 100% (t/ha)", prnt + "/Dados", ""},
        {"Edit11", "PRNT  comercial  (%)", prnt + "/Dados", ""},
        {"Edit12", "Necessidade de calcário comercial (t/ha)", prnt + "/Resultados", ""},
        {"Edit26", "Total de calcário para área (t)", prnt + "/Resultados", ""},
        {"Edit15", "Observação:", str(kType), ""},
        {"Edit42", "K - Potássio ", str(kType) + str("/% Saturação na CTC"), ""},
        {"Edit43", "Al - Alumínio", str(kType) + str("/% Saturação na CTC"), ""},
        {"Edit14", "Ca -Cálcio ", str(kType) + str("/% Saturação na CTC"), ""},
        {"Edit46", "Mg -Magnésio", str(kType) + str("/% Saturação na CTC"), ""},
        {"Edit47", "H -Hidrogênio", str(kType) + str("/% Saturação na CTC"), ""},
        {"Edit13", "Relação Ca/Mg", str(kType) + str("/Relações"), ""},
        {"Edit32", "Relação Ca/K", str(kType) + str("/Relações"), ""},
        {"Edit41", "Relação Mg/K", str(kType) + str("/Relações"), ""},
    };
    for (const auto& row : rows)
        QTest::newRow(row.field) << QString::fromLatin1(row.field) << str(row.label) << row.groups
                                 << QString::fromLatin1(row.initial);
}

void LimingTabTest::fieldsHaveTheirLabelsAndGroups()
{
    QFETCH(QString, field);
    QFETCH(QString, label);
    QFETCH(QString, groups);
    QFETCH(QString, initial);
    auto* edit = page()->findChild<QLineEdit*>(field);
    QVERIFY2(edit, qPrintable(field));
    const QLabel* caption = buddyLabel(page(), edit);
    QVERIFY(caption);
    QCOMPARE(caption->text(), label);
    QCOMPARE(groupPath(edit), groups);
    QCOMPARE(edit->text(), initial);
    QVERIFY(edit->isVisible());
    // A user who reads the caption sees all of it.
    QVERIFY(caption->width() >= caption->sizeHint().width());
}

void LimingTabTest::buttonsHaveTheirCaptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("groups");
    QTest::addColumn<bool>("checked");
    const QString ph = str("/pH de referência");
    const struct {
        const char* name;
        const char* caption;
        QString groups;
        bool checked;
    } rows[] = {
        {"RadioButton1", "pH 5,5", str(kSmp) + ph, false},
        {"RadioButton2", "pH 6,0", str(kSmp) + ph, true},
        {"RadioButton3", "pH 6,5", str(kSmp) + ph, false},
        {"BitBtn5", "&Adotar", str(kSmp), false},
        {"RadioButton4", "pH 5,5", str(kPoorlyBuffered) + ph, false},
        {"RadioButton5", "pH 6,0", str(kPoorlyBuffered) + ph, true},
        {"RadioButton6", "pH 6,5", str(kPoorlyBuffered) + ph, false},
        {"BitBtn8", "&Calcular", str(kPoorlyBuffered), false},
        {"BitBtn84", "&Adotar", str(kPoorlyBuffered), false},
        {"RadioButton7", "pH 5,5", str(kSaturation) + ph, false},
        {"RadioButton8", "pH 6,0", str(kSaturation) + ph, true},
        {"RadioButton9", "pH 6,5", str(kSaturation) + ph, false},
        {"BitBtn6", "&Calcular", str(kSaturation), false},
        {"BitBtn7", "&Adotar", str(kSaturation), false},
        {"BitBtn9", "&Calcular", str("Correção PRNT"), false},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << QString::fromLatin1(row.name) << str(row.caption) << row.groups
                                << row.checked;
}

void LimingTabTest::buttonsHaveTheirCaptions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, groups);
    QFETCH(bool, checked);
    auto* button = page()->findChild<QAbstractButton*>(name);
    QVERIFY2(button, qPrintable(name));
    QCOMPARE(button->text(), caption);
    QCOMPARE(groupPath(button), groups);
    QCOMPARE(button->isChecked(), checked);
    QVERIFY(button->width() >= button->sizeHint().width());
}

void LimingTabTest::formulasHintsAndChart()
{
    auto* formula = fixture_->find<QLabel>("Label23");
    QVERIFY(formula);
    QCOMPARE(formula->text(), str("NC = -0,516 +0,805 MO + 2,435Al"));
    QCOMPARE(groupPath(formula), str(kPoorlyBuffered));
    QVERIFY(formula->font().pointSizeF() > QApplication::font().pointSizeF());
    QCOMPARE(formula->palette().color(QPalette::WindowText), QColor(0, 0, 255));

    bool saturationFormula = false;
    for (const QLabel* label : page()->findChildren<QLabel*>())
        if (label->text() == str("NC=CTC [(V2-V1)/100]"))
            saturationFormula = groupPath(label) == str(kSaturation);
    QVERIFY(saturationFormula);

    QCOMPARE(buddyLabel(page(), fixture_->find<QWidget>("Edit2"))->toolTip(), str("Necessidade de calcário"));
    QCOMPARE(buddyLabel(page(), fixture_->find<QWidget>("Edit9"))->toolTip(), str("Necessidade de calcário"));
    QGroupBox* poorlyBuffered = nullptr;
    for (QGroupBox* group : page()->findChildren<QGroupBox*>())
        if (group->title() == str(kPoorlyBuffered))
            poorlyBuffered = group;
    QVERIFY(poorlyBuffered);
    QCOMPARE(
        poorlyBuffered->toolTip(),
        str("\u201cA crit\u00e9rio do t\u00e9cnico: Adotar este m\u00e9todo para solos arenosos e/o pobres "
            "em mat\u00e9ria org\u00e2nica, geralmente com \u00edndice SMP > 6,3\u201d"));

    QWidget* chart = fixture_->find<QWidget>("Chart2");
    QVERIFY(chart);
    QCOMPARE(groupPath(chart), str(kType));
    QVERIFY(chart->isVisible());
}

// Enter on a field or radio button of "Calagem" presses "&Calcular" of the
// base-saturation method; on a button it presses that button.
void LimingTabTest::enterPressesTheDefaultButton()
{
    QVERIFY(core().isEmpty("Edit6"));
    pressEnterOn("Edit1");
    fixture_->settle();
    QCOMPARE(fixture_->boxes().errors, QStringList{str("'' is not a valid floating point value")});
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Edit1"));

    for (const auto& [field, text] : {std::pair{"Edit6", "10"}, std::pair{"Edit7", "40"}}) {
        auto* edit = fixture_->find<QLineEdit>(field);
        edit->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(edit, str(text));
    }
    pressEnterOn("Edit11");
    QCOMPARE(core().text("Edit9"), std::string("3,50"));
    pressEnterOn("RadioButton9");
    QCOMPARE(core().text("Edit9"), std::string("3,50"));
    // The radio button of pH 6,5 set V2 to 85; Enter on it recalculates.
    QTest::mouseClick(fixture_->find<QRadioButton>("RadioButton9"), Qt::LeftButton);
    pressEnterOn("RadioButton9");
    QCOMPARE(core().text("Edit9"), std::string("4,50"));

    // Enter on another button presses that button only.
    for (const auto& [field, text] : {std::pair{"Edit3", "2"}, std::pair{"Edit4", "0"}}) {
        auto* edit = fixture_->find<QLineEdit>(field);
        edit->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(edit, str(text));
    }
    core().setText("Edit9", "");
    pressEnterOn("BitBtn8");
    QCOMPARE(core().text("Edit5"), std::string("1,09"));
    QCOMPARE(core().text("Edit9"), std::string(""));
    // Shift+Enter is no default-button key.
    pressEnterOn("Edit1", Qt::ShiftModifier);
    QCOMPARE(core().text("Edit9"), std::string(""));
    fixture_->settle();
    QCOMPARE(fixture_->boxes().errors.size(), 1);
}

QTEST_MAIN(LimingTabTest)
#include "liming_tab_test.moc"
