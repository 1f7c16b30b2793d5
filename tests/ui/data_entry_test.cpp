// The tab "Entrada de dados": its controls and captions, the defaults, the CPF
// mask, the key rules, the Enter chain, the Tab order and the municipality box.
#include "ui_test_support.h"

#include "core/app/window_state.h"
#include "ui/app/binding.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include <memory>

using bulbicalc::ui::test::buddyLabel;
using bulbicalc::ui::test::groupPath;
using bulbicalc::ui::test::str;
using bulbicalc::ui::test::WindowFixture;

namespace {

// The caption of the group box that holds `widget` most closely.
QString groupOf(const QWidget* widget)
{
    for (const QWidget* w = widget->parentWidget(); w; w = w->parentWidget())
        if (const auto* group = qobject_cast<const QGroupBox*>(w))
            return group->title();
    return {};
}

// The text of the label whose buddy is `widget`.
QString labelText(const QWidget* page, const QWidget* widget)
{
    const QLabel* label = buddyLabel(page, widget);
    return label ? label->text() : QString();
}

} // namespace

class DataEntryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bulbicalc::ui::test::prepareApplication(); }
    void init()
    {
        fixture_ = std::make_unique<WindowFixture>();
        QVERIFY(fixture_->activate());
    }
    void cleanup() { fixture_.reset(); }

    void fieldsHaveTheirLabelsAndGroups_data();
    void fieldsHaveTheirLabelsAndGroups();
    void buttonsAndRadioButtonsHaveTheirCaptions();
    void startsWithTheDefaults();
    void cpfKeepsBlanksWhereNoDigitWasTyped_data();
    void cpfKeepsBlanksWhereNoDigitWasTyped();
    void cpfTakesDigitsWhenReachedByEnter();
    void cpfSetByTheProgramShowsItsBlanksInPlace_data();
    void cpfSetByTheProgramShowsItsBlanksInPlace();
    void decimalFieldsTypeTheComma_data();
    void decimalFieldsTypeTheComma();
    void enterFollowsTheEnterChain();
    void tabFollowsTheTabOrder();
    void municipalityListFollowsTheChosenState();
    void changingTheStateEmptiesTheMunicipality();
    void aTypedTextThatIsNoStateKeepsTheList();

private:
    std::unique_ptr<WindowFixture> fixture_;

    QWidget* page() { return fixture_->find<QWidget>("TabSheet1"); }
    bulbicalc::WindowState& core() { return fixture_->window().core(); }
    QWidget* focusAfterKey(QWidget* from, Qt::Key key);
};

QWidget* DataEntryTest::focusAfterKey(QWidget* from, Qt::Key key)
{
    QTest::keyClick(from, key);
    fixture_->settle();
    return QApplication::focusWidget();
}

void DataEntryTest::fieldsHaveTheirLabelsAndGroups_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("group");
    const QString producer = str("Dados do produtor");
    const QString analysis = str("Dados da análise do solo");
    const QString production = str("Dados da produção");
    const QString mehlich = str("Método alternativo Mehlich-3");
    const struct {
        const char* field;
        const char* label;
        const QString& group;
    } rows[] = {
        {"EdNomeProdutor", "Nome", producer},
        {"mkEdCPF", "CPF", producer},
        {"EdLocal", "Localidade", producer},
        {"CBMuni", "Município", producer},
        {"EdMatricula", "Matrícula", producer},
        {"EdDenomina", "Denominação", analysis},
        {"EdLaudo", "N° do laudo", analysis},
        {"EdArgila", " Argila (%)", analysis},
        {"EdPH", "pH-Água", analysis},
        {"EdSMP", "Índice SMP", analysis},
        {"EdP", "P (mg/dm³)", analysis},
        {"EdK", "K (mg/dm³)", analysis},
        {"EdMO", "MO (%)", analysis},
        {"EdAL", "Al (cmol/dm³)", analysis},
        {"EdCa", "Ca (cmol/dm³)", analysis},
        {"EdMg", "Mg (cmol/dm³)", analysis},
        {"EdHAl", "H+Al (cmol/dm³)", analysis},
        {"EdCTC", "CTC (cmol/dm³)", analysis},
        {"EdSatBases", "V -Sat Bases (%)", analysis},
        {"EdS", "S (mg/dm³)", analysis},
        {"EdMn", "Mn (mg/dm³)", analysis},
        {"EdZn", "Zn (mg/dm³)", analysis},
        {"EdB", "B (mg/dm³)", analysis},
        {"EdCu", "Cu (mg/dm³)", analysis},
        {"EdFe", "Fe (mg/dm³)", analysis},
        {"EdProducao", "Expectativa de produção (t/ha)", production},
        {"EdArea", "Área (ha)", production},
        {"EdArgila2", "Argila (%)", mehlich},
        {"EdPm3", "P (mg/dm³)", mehlich},
        {"EdKm3", "K(mg/dm³)", mehlich},
    };
    for (const auto& row : rows)
        QTest::newRow(row.field) << QString::fromLatin1(row.field) << str(row.label) << row.group;
    // The class outputs and the state box sit beside their fields, unlabelled.
    for (const char* field : {"EdClasseArgila", "EdClasseP", "EdClasseK", "EdClasseCTC"})
        QTest::newRow(field) << QString::fromLatin1(field) << QString() << analysis;
    QTest::newRow("CbUF") << QStringLiteral("CbUF") << QString() << producer;
}

void DataEntryTest::fieldsHaveTheirLabelsAndGroups()
{
    QFETCH(QString, field);
    QFETCH(QString, label);
    QFETCH(QString, group);
    auto* widget = page()->findChild<QWidget*>(field);
    QVERIFY2(widget, qPrintable(field));
    QVERIFY(qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget));
    QCOMPARE(labelText(page(), widget), label);
    QCOMPARE(groupOf(widget), group);
    QVERIFY(widget->isVisible());
}

void DataEntryTest::buttonsAndRadioButtonsHaveTheirCaptions()
{
    const struct {
        const char* name;
        const char* caption;
        const char* group;
    } buttons[] = {
        {"RadioButton10", "Sistema de Transplante", "Sistema de cultivo"},
        {"RadioButton11", "Sistema de Semeadura Direta", "Sistema de cultivo"},
        {"RadioButton20", "Sistema de  Plantio Direto consolidado (>4 anos)", "Sistema de cultivo"},
        {"BitBtn42", "&Abrir Laudo", "Arquivos"},
        {"BitBtn13", "&Salvar Laudo", "Arquivos"},
        {"BtObs1", "Obs: Converte automaticamente para \no método  Mehlich-1",
         "Método alternativo Mehlich-3"},
    };
    for (const auto& b : buttons) {
        auto* button = page()->findChild<QAbstractButton*>(QString::fromLatin1(b.name));
        QVERIFY2(button, b.name);
        QCOMPARE(button->text(), str(b.caption));
        QCOMPARE(groupOf(button), str(b.group));
    }
    QVERIFY(qobject_cast<QRadioButton*>(fixture_->find<QWidget>("RadioButton20")));
    QVERIFY(fixture_->find<QWidget>("Chart3"));
    QCOMPARE(groupOf(fixture_->find<QWidget>("Chart3")), QString());
}

void DataEntryTest::startsWithTheDefaults()
{
    auto& tabs = fixture_->window().tabs();
    QCOMPARE(tabs.currentWidget()->objectName(), QStringLiteral("TabSheet1"));
    QCOMPARE(fixture_->find<QLineEdit>("EdProducao")->text(), QStringLiteral("30"));
    QCOMPARE(fixture_->find<QLineEdit>("EdArea")->text(), QStringLiteral("1,0"));
    auto* uf = fixture_->find<QComboBox>("CbUF");
    QCOMPARE(uf->currentText(), QStringLiteral("SC"));
    QCOMPARE(uf->count(), 4);
    QCOMPARE(uf->itemText(3), QStringLiteral("outro"));
    QVERIFY(fixture_->find<QRadioButton>("RadioButton10")->isChecked());
    QVERIFY(!fixture_->find<QRadioButton>("RadioButton11")->isChecked());
    QVERIFY(!fixture_->find<QRadioButton>("RadioButton20")->isChecked());
    // The CPF shows only its punctuation; what is stored has blanks.
    auto* cpf = fixture_->find<QLineEdit>("mkEdCPF");
    QCOMPARE(cpf->displayText(), QStringLiteral("___.___.___-__"));
    QCOMPARE(core().text("mkEdCPF"), std::string("   .   .   -  "));
    QCOMPARE(cpf->maxLength(), 14);
    auto* muni = fixture_->find<QComboBox>("CBMuni");
    QCOMPARE(muni->count(), 295);
    QCOMPARE(muni->currentText(), QString());
    QVERIFY(muni->isEditable());
    QVERIFY(fixture_->boxes().errors.isEmpty());
}

void DataEntryTest::cpfKeepsBlanksWhereNoDigitWasTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored");
    QTest::newRow("four digits") << "1234"
                                 << "123.4__.___-__"
                                 << "123.4  .   -  ";
    QTest::newRow("every digit") << "12345678901"
                                 << "123.456.789-01"
                                 << "123.456.789-01";
    QTest::newRow("letters are refused") << "12a3"
                                         << "123.___.___-__"
                                         << "123.   .   -  ";
    QTest::newRow("no twelfth digit") << "123456789012"
                                      << "123.456.789-01"
                                      << "123.456.789-01";
}

void DataEntryTest::cpfKeepsBlanksWhereNoDigitWasTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    auto* name = fixture_->find<QLineEdit>("EdNomeProdutor");
    name->setFocus(Qt::MouseFocusReason);
    QWidget* cpf = focusAfterKey(name, Qt::Key_Tab);
    QCOMPARE(cpf->objectName(), QStringLiteral("mkEdCPF"));
    QTest::keyClicks(cpf, typed);
    fixture_->settle();
    QCOMPARE(static_cast<QLineEdit*>(cpf)->displayText(), shown);
    QCOMPARE(QString::fromStdString(core().text("mkEdCPF")), stored);
    // Leaving the field keeps the text as stored.
    focusAfterKey(cpf, Qt::Key_Tab);
    QCOMPARE(QString::fromStdString(core().text("mkEdCPF")), stored);
    QCOMPARE(static_cast<QLineEdit*>(cpf)->displayText(), shown);
}

void DataEntryTest::cpfTakesDigitsWhenReachedByEnter()
{
    auto* name = fixture_->find<QLineEdit>("EdNomeProdutor");
    name->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(name, QStringLiteral("Ana"));
    QWidget* cpf = focusAfterKey(name, Qt::Key_Return);
    QCOMPARE(cpf->objectName(), QStringLiteral("mkEdCPF"));
    QTest::keyClicks(cpf, QStringLiteral("98765"));
    fixture_->settle();
    QCOMPARE(core().text("mkEdCPF"), std::string("987.65 .   -  "));
    QCOMPARE(core().text("EdNomeProdutor"), std::string("Ana"));
}

void DataEntryTest::cpfSetByTheProgramShowsItsBlanksInPlace_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("complete") << "123.456.789-01"
                              << "123.456.789-01";
    QTest::newRow("gap inside a group") << "1 3.4 6.  9- 1"
                                        << "1_3.4_6.__9-_1";
    QTest::newRow("leading gap") << " 23.   .   -  "
                                 << "_23.___.___-__";
    QTest::newRow("untouched") << "   .   .   -  "
                               << "___.___.___-__";
}

// An opened analysis file writes the CPF as stored; every digit stays at its
// position.
void DataEntryTest::cpfSetByTheProgramShowsItsBlanksInPlace()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    core().setText("mkEdCPF", stored.toStdString());
    fixture_->window().binding().refresh();
    auto* cpf = fixture_->find<QLineEdit>("mkEdCPF");
    QCOMPARE(cpf->displayText(), shown);
    // The shown text maps back to the stored one unchanged.
    cpf->setFocus(Qt::TabFocusReason);
    QTest::keyClick(cpf, Qt::Key_Tab);
    fixture_->settle();
    QCOMPARE(QString::fromStdString(core().text("mkEdCPF")), stored);
}

void DataEntryTest::decimalFieldsTypeTheComma_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("point in SMP") << "EdSMP"
                                  << "4.5"
                                  << "4,5";
    QTest::newRow("comma in SMP") << "EdSMP"
                                  << "4,5"
                                  << "4,5";
    QTest::newRow("point in clay") << "EdArgila"
                                   << "35.25"
                                   << "35,25";
    QTest::newRow("letters pass") << "EdCa"
                                  << "a.b"
                                  << "a,b";
    QTest::newRow("area") << "EdArea"
                          << "2.5"
                          << "1,02,5";
    // Text fields keep the point.
    QTest::newRow("text field") << "EdLaudo"
                                << "12.3"
                                << "12.3";
}

void DataEntryTest::decimalFieldsTypeTheComma()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    auto* edit = page()->findChild<QLineEdit*>(field);
    QVERIFY(edit);
    edit->setFocus(Qt::MouseFocusReason);
    edit->end(false);
    QTest::keyClicks(edit, typed);
    fixture_->settle();
    QCOMPARE(edit->text(), shown);
    QCOMPARE(QString::fromStdString(core().text(field.toStdString())), shown);
}

void DataEntryTest::enterFollowsTheEnterChain()
{
    const QStringList chain = {
        "EdNomeProdutor", "mkEdCPF", "EdLocal", "CBMuni", "EdMatricula", "EdDenomina", "EdLaudo",
        "EdArgila",       "EdPH",    "EdSMP",   "EdP",    "EdK",         "EdMO",       "EdAL",
        "EdCa",           "EdMg",    "EdHAl",   "EdCTC",  "EdSatBases",  "EdS",        "EdMn",
        "EdZn",           "EdB",     "EdCu",    "EdFe",   "EdProducao",  "EdArea",     "EdDenomina",
    };
    // Enter in EdCTC computes the CTC class, which needs a CTC.
    fixture_->find<QLineEdit>("EdCTC")->setText(QStringLiteral("10"));
    core().type("EdCTC", "10");
    QWidget* current = fixture_->find<QWidget>("EdNomeProdutor");
    current->setFocus(Qt::MouseFocusReason);
    for (int i = 1; i < chain.size(); ++i) {
        current = focusAfterKey(current, Qt::Key_Return);
        QVERIFY(current);
        QCOMPARE(current->objectName(), chain[i]);
        QCOMPARE(QString::fromStdString(core().focused()), chain[i]);
    }
    const QStringList mehlich = {"EdArgila2", "EdPm3", "EdKm3", "EdMO"};
    current = fixture_->find<QWidget>("EdArgila2");
    current->setFocus(Qt::MouseFocusReason);
    for (int i = 1; i < mehlich.size(); ++i) {
        current = focusAfterKey(current, Qt::Key_Return);
        QCOMPARE(current->objectName(), mehlich[i]);
    }
    QCOMPARE(fixture_->boxes().errors, QStringList());
}

void DataEntryTest::tabFollowsTheTabOrder()
{
    const QStringList order = {
        "EdNomeProdutor",
        "mkEdCPF",
        "EdLocal",
        "CbUF",
        "CBMuni",
        "EdMatricula",
        "EdDenomina",
        "EdLaudo",
        "EdArgila",
        "EdPH",
        "EdSMP",
        "EdP",
        "EdK",
        "EdMO",
        "EdAL",
        "EdCa",
        "EdMg",
        "EdCTC",
        "EdSatBases",
        "EdS",
        "EdMn",
        "EdZn",
        "EdB",
        "EdCu",
        "EdFe",
        "EdClasseP",
        "EdClasseK",
        "EdClasseArgila",
        "EdClasseCTC",
        "EdHAl",
        "EdProducao",
        "EdArea",
        // Tab enters the cultivation system at its selected button.
        "RadioButton10",
        "EdArgila2",
        "EdPm3",
        "EdKm3",
        "BtObs1",
        "BitBtn13",
        "BitBtn42",
    };
    QWidget* current = fixture_->find<QWidget>("EdNomeProdutor");
    current->setFocus(Qt::MouseFocusReason);
    for (int i = 1; i < order.size(); ++i) {
        current = focusAfterKey(current, Qt::Key_Tab);
        QVERIFY(current);
        QCOMPARE(current->objectName(), order[i]);
    }
    // Back-tab walks the same order the other way.
    for (int i = order.size() - 2; i >= 0; --i) {
        current = focusAfterKey(current, Qt::Key_Backtab);
        QCOMPARE(current->objectName(), order[i]);
    }
}

void DataEntryTest::municipalityListFollowsTheChosenState()
{
    auto* uf = fixture_->find<QComboBox>("CbUF");
    auto* muni = fixture_->find<QComboBox>("CBMuni");
    QCOMPARE(muni->itemText(0), QStringLiteral("Abdon Batista"));
    QVERIFY(muni->findText(QStringLiteral("Herval D'Oeste")) >= 0);
    uf->setFocus(Qt::MouseFocusReason);

    QTest::keyClick(uf, Qt::Key_Up); // SC -> RS
    fixture_->settle();
    QCOMPARE(uf->currentText(), QStringLiteral("RS"));
    QCOMPARE(muni->count(), 499);
    QCOMPARE(muni->itemText(0), QStringLiteral("Acegua"));
    QCOMPARE(muni->itemText(2), QStringLiteral("Agudo "));
    QCOMPARE(muni->itemText(498), QStringLiteral("Xangri-La "));

    QTest::keyClick(uf, Qt::Key_Down); // SC
    fixture_->settle();
    QCOMPARE(muni->count(), 293);
    QCOMPARE(muni->findText(QStringLiteral("Abdon Batista")), -1);
    QVERIFY(muni->findText(QStringLiteral("Herval DOeste")) >= 0);

    QTest::keyClick(uf, Qt::Key_Down); // PR
    fixture_->settle();
    QCOMPARE(muni->count(), 399);
    QVERIFY(muni->findText(str(" São Tome")) >= 0);
    QCOMPARE(muni->findText(str("São Tome")), -1);

    QTest::keyClick(uf, Qt::Key_Down); // outro
    fixture_->settle();
    QCOMPARE(uf->currentText(), QStringLiteral("outro"));
    QCOMPARE(muni->count(), 0);
    QCOMPARE(fixture_->boxes().errors, QStringList());
}

void DataEntryTest::changingTheStateEmptiesTheMunicipality()
{
    auto* muni = fixture_->find<QComboBox>("CBMuni");
    muni->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(muni, QStringLiteral("Lages"));
    fixture_->settle();
    QCOMPARE(core().text("CBMuni"), std::string("Lages"));

    auto* uf = fixture_->find<QComboBox>("CbUF");
    uf->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(uf, Qt::Key_Up); // RS
    fixture_->settle();
    QCOMPARE(core().text("CBMuni"), std::string());
    QCOMPARE(muni->currentText(), QString());
    QCOMPARE(muni->currentIndex(), -1);

    // A picked name keeps its stored blank.
    muni->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(muni, Qt::Key_Down);
    QTest::keyClick(muni, Qt::Key_Down);
    fixture_->settle();
    QCOMPARE(muni->currentText(), QStringLiteral("Agua Santa "));
    QCOMPARE(core().text("CBMuni"), std::string("Agua Santa "));
}

void DataEntryTest::aTypedTextThatIsNoStateKeepsTheList()
{
    auto* uf = fixture_->find<QComboBox>("CbUF");
    auto* muni = fixture_->find<QComboBox>("CBMuni");
    muni->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(muni, QStringLiteral("Blumenau"));
    uf->setFocus(Qt::MouseFocusReason);
    uf->lineEdit()->selectAll();
    QTest::keyClicks(uf, QStringLiteral("Paraguai"));
    fixture_->settle();
    QCOMPARE(core().text("CbUF"), std::string("Paraguai"));
    QCOMPARE(muni->count(), 295);
    QCOMPARE(core().text("CBMuni"), std::string("Blumenau"));
}

QTEST_MAIN(DataEntryTest)
#include "data_entry_test.moc"
