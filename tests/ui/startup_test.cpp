// The window as the user first sees it: the tab row, the caption, the size and
// font, every grid with its size, widths and headings, the controls of the
// workbench, calendar, reports, selection, photos and about tabs, and the
// pictures loaded from the data folder beside the executable.
#include "ui_test_support.h"

#include "core/app/window_state.h"
#include "ui/app/binding.h"
#include "ui/app/chart_view.h"
#include "ui/app/grid_model.h"
#include "ui/app/grid_view.h"
#include "ui/app/picture_frame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

#include <cmath>
#include <memory>
#include <set>
#include <string>

using bulbicalc::ControlKind;
using bulbicalc::ui::GridView;
using bulbicalc::ui::PictureFrame;
using bulbicalc::ui::test::groupPath;
using bulbicalc::ui::test::str;
using bulbicalc::ui::test::WindowFixture;

namespace {

QStringList strs(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list << str(text);
    return list;
}

const QLabel* labelOf(const QWidget* widget)
{
    const QWidget* page = widget->window();
    for (const QLabel* label : page->findChildren<QLabel*>())
        if (label->buddy() == widget)
            return label;
    return nullptr;
}

char alignmentLetter(const QVariant& alignment)
{
    const auto a = alignment.value<Qt::Alignment>();
    if (a & Qt::AlignHCenter)
        return 'C';
    if (a & Qt::AlignRight)
        return 'R';
    return 'L';
}

bool isWidgetOfKind(const QWidget* widget, ControlKind kind)
{
    switch (kind) {
    case ControlKind::Edit:
    case ControlKind::MaskEdit:
        return qobject_cast<const QLineEdit*>(widget) != nullptr;
    case ControlKind::Label:
        return qobject_cast<const QLabel*>(widget) != nullptr;
    case ControlKind::Button:
        // The word-wrapped advice captions are framed labels.
        return qobject_cast<const QPushButton*>(widget) != nullptr ||
               qobject_cast<const QLabel*>(widget) != nullptr;
    case ControlKind::RadioButton:
        return qobject_cast<const QRadioButton*>(widget) != nullptr;
    case ControlKind::CheckBox:
        return qobject_cast<const QCheckBox*>(widget) != nullptr;
    case ControlKind::SpinButton:
        return qobject_cast<const QSpinBox*>(widget) != nullptr;
    case ControlKind::Memo:
        return qobject_cast<const QPlainTextEdit*>(widget) != nullptr;
    case ControlKind::CheckListBox:
        return qobject_cast<const QListWidget*>(widget) != nullptr;
    case ControlKind::DatePicker:
        return qobject_cast<const QDateEdit*>(widget) != nullptr;
    case ControlKind::Image:
        return qobject_cast<const PictureFrame*>(widget) != nullptr;
    case ControlKind::RichEdit:
        return qobject_cast<const QTextEdit*>(widget) != nullptr;
    case ControlKind::ComboBox:
        return qobject_cast<const QComboBox*>(widget) != nullptr;
    }
    return false;
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bulbicalc::ui::test::prepareApplication(); }
    void init() { fixture_ = std::make_unique<WindowFixture>(); }
    void cleanup()
    {
        QCOMPARE(fixture_->boxes().errors, QStringList());
        QCOMPARE(fixture_->unexpectedDialogs(), 0);
        fixture_.reset();
    }

    void tabRowShowsNineTabsAndTheFirstIsActive();
    void windowCaptionSizeFontAndBottomBar();
    void gridsHaveTheirSizesWidthsAndHeadings_data();
    void gridsHaveTheirSizesWidthsAndHeadings();
    void fertiliserGridShowsItsRowZeroCellsOnceTheCatalogueIsTransferred();
    void nutrientGridsHoldTheirLabelsAndAppliedZeros();
    void everyControlOfTheWindowHasItsWidget();
    void captionsAndGroups_data();
    void captionsAndGroups();
    void differencePanelCoversTheAppliedPanel();
    void spinControlsDatePickerAndTexts();
    void drawingsLoadFromTheDataFolder();
    void missingPicturesLeaveEmptyFrames();
    void photosAreScaledKeepingTheirProportions();
    void theFirstPaintAlreadyKeepsTheProportions();

private:
    std::unique_ptr<WindowFixture> fixture_;

    GridView* gridView(const QString& name) { return fixture_->window().findChild<GridView*>(name); }

    // The tab sheet a widget sits on.
    QString pageOf(const QWidget* widget)
    {
        QTabWidget& tabs = fixture_->window().tabs();
        for (int i = 0; i < tabs.count(); ++i)
            if (tabs.widget(i)->isAncestorOf(widget))
                return tabs.widget(i)->objectName();
        return {};
    }
};

void StartupTest::tabRowShowsNineTabsAndTheFirstIsActive()
{
    QTabWidget& tabs = fixture_->window().tabs();
    QCOMPARE(tabs.currentIndex(), 0);
    QCOMPARE(tabs.currentWidget()->objectName(), QStringLiteral("TabSheet1"));
    QCOMPARE(QString::fromStdString(fixture_->window().core().activeTab()), QStringLiteral("TabSheet1"));

    QStringList shownCaptions;
    QStringList shownSheets;
    for (int i = 0; i < tabs.count(); ++i) {
        if (!tabs.isTabVisible(i))
            continue;
        shownCaptions << tabs.tabText(i);
        shownSheets << tabs.widget(i)->objectName();
    }
    QCOMPARE(shownCaptions,
             strs({"Entrada de dados", "Calagem", "Doses Macro e Micro", "Definição adubação ",
                   "Calendário de adubação", "Relatórios", "Selecionar Adubos", "Fotos", "Sobre"}));
    QCOMPARE(shownSheets, strs({"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet10", "TabSheet5", "TabSheet6",
                                "TabSheet9", "TabSheet8", "TabSheet7"}));

    // The hidden sheet exists (its grid lives for the whole run) but has no tab.
    auto* hidden = fixture_->find<QWidget>("TabSheet4");
    QVERIFY(hidden);
    const int index = tabs.indexOf(hidden);
    QCOMPARE(index, 3);
    QVERIFY(!tabs.isTabVisible(index));
    QCOMPARE(tabs.tabText(index), str("Definição da adubação"));
}

void StartupTest::windowCaptionSizeFontAndBottomBar()
{
    auto& window = fixture_->window();
    QCOMPARE(window.windowTitle(),
             str("Bulbicalc -Programa para recomendação de adubação da cultura da cebola -Versão 1.0 "));
    QCOMPARE(window.objectName(), QStringLiteral("F_BulbicalcPrincipal"));
    QCOMPARE(window.size(), QSize(1324, 661));
    QCOMPARE(window.font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(window.font().pointSize(), 9);

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint offset = window.frameGeometry().center() - screen.center();
    // Centred before the frame is known: off by no more than the frame's width.
    QVERIFY2(std::abs(offset.x()) <= 4 && std::abs(offset.y()) <= 4, "the window is centred on the screen");

    auto* bar = fixture_->find<QWidget>("Panel1");
    QVERIFY(bar);
    QCOMPARE(bar->height(), 41);
    QCOMPARE(bar->width(), window.width());
    QCOMPARE(bar->geometry().bottom(), window.centralWidget()->height() - 1);
    auto* close = fixture_->find<QPushButton>("BitBtn1");
    auto* help = fixture_->find<QPushButton>("BitBtn3");
    QVERIFY(close && help);
    QCOMPARE(close->text(), str("&Fechar"));
    QCOMPARE(help->text(), str("&Ajuda"));
    QCOMPARE(close->parentWidget(), bar);
    QCOMPARE(help->parentWidget(), bar);
    // The tab control fills the rest.
    QCOMPARE(window.tabs().geometry().bottom() + 1, bar->geometry().top());
}

void StartupTest::gridsHaveTheirSizesWidthsAndHeadings_data()
{
    QTest::addColumn<QString>("grid");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<int>("rowHeight"); // 0: not fixed by the window
    QTest::addColumn<QStringList>("headings");
    QTest::addColumn<bool>("editable");
    QTest::addColumn<QString>("bodyAlignment"); // per column: L, C, R; empty: not checked

    QTest::newRow("rstga1") << "rstga1" << 4 << 5 << QList<int>{75, 75, 75, 75} << 0
                            << strs({"Parcela", "Época", "Quant.(%)", "Quant.(kg)"}) << true << "";
    QTest::newRow("rstga2") << "rstga2" << 4 << 4 << QList<int>{70, 70, 70, 70} << 0
                            << strs({"Parcela", "Época", "Quant.(%)", "Quant.(kg)"}) << true << "";
    QTest::newRow("rstga3") << "rstga3" << 6 << 5 << QList<int>{50, 120, 80, 80, 80, 75} << 0
                            << strs({"Parcela", "Época", "N (kg/ha)", "P2O5 (kg/ha)", "K2O (kg/ha)",
                                     "S (kg/ha)"})
                            << true << "";
    // The shipped catalogue: 17 mineral and 5 organic fertilisers.
    QTest::newRow("StgaAdubos") << "StgaAdubos" << 6 << 23 << QList<int>{200, 64, 64, 64, 64, 64} << 0
                                << strs({"Adubo", "N(%)", "P2O5(%)", "K2O(%)", "S(%)", "R$"}) << true << "";
    QTest::newRow("rstgaRecomenda") << "rstgaRecomenda" << 5 << 5 << QList<int>{56, 48, 48, 48, 48} << 18
                                    << strs({"Nutriente", "Par. 1", "Par. 2", "Par. 3", "Par. 4"}) << true
                                    << "LCCCC";
    QTest::newRow("rstgaAplica") << "rstgaAplica" << 5 << 5 << QList<int>{60, 50, 50, 50, 50} << 18
                                 << strs({"Nutriente", "Par. 1", "Par. 2", "Par. 3", "Par. 4"}) << true
                                 << "LLLLL";
    QTest::newRow("RstgaFalta") << "RstgaFalta" << 5 << 5 << QList<int>{56, 48, 48, 48, 48} << 18
                                << strs({"Nutriente", "Par. 1", "Par. 2", "Par. 3", "Par. 4"}) << true
                                << "LCCCC";
    // The first eight fertilisers of the catalogue; the grid has lost its
    // fixed row, so its row-0 cells show.
    QTest::newRow("rStgaMeusAdubos") << "rStgaMeusAdubos" << 11 << 9
                                     << QList<int>{180, 30, 30, 30, 30, 50, 50, 50, 50, 50, 90} << 0
                                     << strs({"Adubo", "N", "P", "K", "S", "R$/Kg", "Par 1", "Par 2", "Par 3",
                                              "Par 4", ""})
                                     << true << "";
    QTest::newRow("RstgaResumoParcela")
        << "RstgaResumoParcela" << 4 << 5 << QList<int>{45, 180, 60, 80} << 20
        << strs({"Parcela", "Adubo", "Kg/ha", "total (Kg)"}) << false << "CLRR";
    QTest::newRow("rstgaResumoTotal")
        << "rstgaResumoTotal" << 6 << 5 << QList<int>{35, 180, 60, 80, 90, 90} << 20
        << strs({"Item", "Adubo", "kg/ha", "RS/ha", "Total (kg)", "Total (R$)"}) << false << "CLRRRR";
    QTest::newRow("stga1") << "stga1" << 3 << 5 << QList<int>{100, 100, 100} << 24
                           << strs({"Parcela", "Epoca (DAS)", "Data"}) << false << "";
}

void StartupTest::gridsHaveTheirSizesWidthsAndHeadings()
{
    QFETCH(QString, grid);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(QList<int>, widths);
    QFETCH(int, rowHeight);
    QFETCH(QStringList, headings);
    QFETCH(bool, editable);
    QFETCH(QString, bodyAlignment);

    GridView* view = gridView(grid);
    QVERIFY2(view, qPrintable(grid + " is shown by a grid view"));
    const auto* model = view->gridModel();
    QVERIFY(model);
    QCOMPARE(model->columnCount(), cols);
    QCOMPARE(model->rowCount(), rows);

    QList<int> shownWidths;
    QStringList shownHeadings;
    QString alignment;
    for (int col = 0; col < cols; ++col) {
        shownWidths << view->columnWidth(col);
        shownHeadings << model->data(model->index(0, col), Qt::DisplayRole).toString();
        alignment += QLatin1Char(alignmentLetter(model->data(model->index(1, col), Qt::TextAlignmentRole)));
    }
    QCOMPARE(shownWidths, widths);
    QCOMPARE(shownHeadings, headings);
    if (!bodyAlignment.isEmpty())
        QCOMPARE(alignment, bodyAlignment);
    if (rowHeight > 0)
        for (int row = 0; row < rows; ++row)
            QCOMPARE(view->rowHeight(row), rowHeight);

    // A heading row is never edited; the first body cell is when the grid allows editing.
    const auto& core = model->grid();
    const QModelIndex body = model->index(core.fixedRows(), core.fixedCols());
    QCOMPARE(bool(model->flags(body) & Qt::ItemIsEditable), editable);
    if (core.fixedRows() > 0)
        QVERIFY(!(model->flags(model->index(0, cols - 1)) & Qt::ItemIsEditable));
}

void StartupTest::fertiliserGridShowsItsRowZeroCellsOnceTheCatalogueIsTransferred()
{
    // Cutting the grid to its heading row for the transfer removed its fixed
    // row: the row-0 cells "R$/Kg" and "Par 3" show, not the column titles
    // "RS/kg" and "Parc 3".
    GridView* view = gridView(QStringLiteral("rStgaMeusAdubos"));
    QVERIFY(view);
    const auto* model = view->gridModel();
    QCOMPARE(model->grid().fixedRows(), 0);
    QCOMPARE(model->grid().fixedCols(), 1);
    QCOMPARE(model->data(model->index(0, 5), Qt::DisplayRole).toString(), QStringLiteral("R$/Kg"));
    QCOMPARE(model->data(model->index(0, 8), Qt::DisplayRole).toString(), QStringLiteral("Par 3"));
    QCOMPARE(model->data(model->index(0, 10), Qt::DisplayRole).toString(), QString());
    // Every body cell but the name column takes typing.
    QVERIFY(model->flags(model->index(1, 1)) & Qt::ItemIsEditable);
    QVERIFY(model->flags(model->index(4, 10)) & Qt::ItemIsEditable);
    QVERIFY(!(model->flags(model->index(1, 0)) & Qt::ItemIsEditable));
    // The popup menu of the closure commands belongs to it.
    QCOMPARE(view->contextMenuPolicy(), Qt::CustomContextMenu);
}

void StartupTest::nutrientGridsHoldTheirLabelsAndAppliedZeros()
{
    for (const char* name : {"rstgaRecomenda", "rstgaAplica", "RstgaFalta"}) {
        GridView* view = gridView(QString::fromLatin1(name));
        QVERIFY(view);
        const auto* model = view->gridModel();
        QStringList labels;
        for (int row = 1; row <= 4; ++row)
            labels << model->data(model->index(row, 0), Qt::DisplayRole).toString();
        QCOMPARE(labels, strs({"N", "P2O5", "K2O", "S"}));
    }
    const auto* applied = gridView(QStringLiteral("rstgaAplica"))->gridModel();
    const auto* recommended = gridView(QStringLiteral("rstgaRecomenda"))->gridModel();
    for (int col = 1; col <= 4; ++col)
        for (int row = 1; row <= 4; ++row) {
            QCOMPARE(applied->data(applied->index(row, col), Qt::DisplayRole).toString(),
                     QStringLiteral("0,0"));
            QCOMPARE(recommended->data(recommended->index(row, col), Qt::DisplayRole).toString(), QString());
        }
}

void StartupTest::everyControlOfTheWindowHasItsWidget()
{
    auto& window = fixture_->window();
    auto& core = window.core();
    std::set<std::string> spinEdits;
    for (const auto& [name, control] : core.controls().all())
        if (control.kind == ControlKind::SpinButton)
            spinEdits.insert(control.buddy);

    for (const auto& [name, control] : core.controls().all()) {
        const QString qname = QString::fromStdString(name);
        if (spinEdits.count(name)) {
            // The spin box's own edit carries the edit's name.
            auto* edit = window.findChild<QLineEdit*>(qname);
            QVERIFY2(edit, qPrintable(qname));
            QVERIFY2(qobject_cast<QSpinBox*>(edit->parentWidget()), qPrintable(qname));
            continue;
        }
        QWidget* widget = window.binding().widget(name);
        QVERIFY2(widget, qPrintable(qname + " is bound to a widget"));
        QVERIFY2(isWidgetOfKind(widget, control.kind), qPrintable(qname + " is a widget of its kind"));
        if (control.tab == "Panel1")
            QCOMPARE(widget->parentWidget(), fixture_->find<QWidget>("Panel1"));
        else
            QCOMPARE(pageOf(widget), QString::fromStdString(control.tab));
    }
    for (const auto& [name, grid] : core.grids())
        QVERIFY2(gridView(QString::fromStdString(name)), name.c_str());
    auto* chart = fixture_->find<bulbicalc::ui::ChartView>("Chart1");
    QVERIFY(chart);
    QVERIFY(chart->shown().has_value());
    QCOMPARE(QString::fromStdString(chart->shown()->title), str("Calendário de Adubação"));
}

void StartupTest::captionsAndGroups_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption"); // the widget's text, or its label's for a field
    QTest::addColumn<QString>("group");   // the titled group boxes around it

    // Workbench.
    QTest::newRow("rstgaRecomenda") << "rstgaRecomenda"
                                    << "" << str("Recomendação");
    QTest::newRow("rstgaAplica") << "rstgaAplica"
                                 << ""
                                 << "Aplicado";
    QTest::newRow("RstgaFalta") << "RstgaFalta"
                                << "" << str("Diferença");
    QTest::newRow("rStgaMeusAdubos") << "rStgaMeusAdubos"
                                     << ""
                                     << "Adubos Selecionados";
    QTest::newRow("UpDown4") << "UpDown4"
                             << ""
                             << "Adubos Selecionados";
    QTest::newRow("BitBtn97") << "BitBtn97"
                              << "&Limpar a parcela"
                              << "Adubos Selecionados";
    QTest::newRow("BitBtn111") << "BitBtn111"
                               << "&Limpar todas parcelas"
                               << "Adubos Selecionados";
    QTest::newRow("RstgaResumoParcela") << "RstgaResumoParcela"
                                        << ""
                                        << "Resumo por parcela";
    QTest::newRow("rstgaResumoTotal") << "rstgaResumoTotal"
                                      << ""
                                      << "Resumo total";
    QTest::newRow("Edit44") << "Edit44"
                            << "Custo por ha (R$)"
                            << "Resumo total";
    QTest::newRow("Edit45") << "Edit45" << str("Custo na área total (R$)") << "Resumo total";
    QTest::newRow("RadioButton23") << "RadioButton23"
                                   << "Exibir" << str("Preço do adubo");
    QTest::newRow("RadioButton24") << "RadioButton24"
                                   << "Ocultar" << str("Preço do adubo");
    // Calendar.
    QTest::newRow("DateTimePicker2") << "DateTimePicker2"
                                     << "Data de Plantio" << str("Opções do Gráfico");
    QTest::newRow("RadioButton18") << "RadioButton18" << str("Dias após plantio") << str("Opções do Gráfico");
    QTest::newRow("RadioButton19") << "RadioButton19"
                                   << "Data" << str("Opções do Gráfico");
    QTest::newRow("stga1") << "stga1"
                           << ""
                           << "";
    // Reports.
    QTest::newRow("Edit21") << "Edit21" << str("Nome do técnico responsável/CREA") << "";
    QTest::newRow("BitBtn12") << "BitBtn12" << str("&Recomendações gerais") << "";
    QTest::newRow("BitBtn11") << "BitBtn11"
                              << "&Limpar"
                              << "";
    QTest::newRow("BitBtn80") << "BitBtn80" << str("Relatório *.&txt") << "";
    QTest::newRow("BitBtn105") << "BitBtn105" << str("Relatório *.&pdf") << "";
    QTest::newRow("BitBtn108") << "BitBtn108" << str("Relatório *.&xls") << "";
    // Selection.
    QTest::newRow("rCheckListBox1")
        << "rCheckListBox1" << str("Selecione os adubos a serem usados na recomendação (ADUBO N P205 K20 S)")
        << "";
    QTest::newRow("StgaAdubos")
        << "StgaAdubos"
        << "Lista de adubos cadastrados nos arquivos AdubosMinerais.txt e AdubosOrganicos.txt"
        << "";
    // Photos.
    QTest::newRow("Label48") << "Label48"
                             << "Fotos 1/8"
                             << "";
    QTest::newRow("Label66") << "Label66" << str("Deficiência de Manganês") << "";
}

void StartupTest::captionsAndGroups()
{
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QFETCH(QString, group);

    auto* widget = fixture_->window().findChild<QWidget*>(control);
    QVERIFY(widget);
    // A tab lays out its widgets once it is shown.
    fixture_->window().tabs().setCurrentWidget(fixture_->find<QWidget>(qPrintable(pageOf(widget))));
    fixture_->settle();
    QCOMPARE(groupPath(widget), group);
    if (caption.isEmpty())
        return;
    QString shown;
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        shown = button->text();
    else if (auto* label = qobject_cast<QLabel*>(widget))
        shown = label->text();
    else if (const QLabel* label = labelOf(widget))
        shown = label->text();
    QCOMPARE(shown, caption);
    // A label or a button shows its whole caption.
    const QWidget* captioned =
        qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLabel*>(widget) ? widget : labelOf(widget);
    QVERIFY(captioned->width() >= captioned->sizeHint().width() ||
            captioned->width() >= captioned->minimumSizeHint().width());
}

void StartupTest::differencePanelCoversTheAppliedPanel()
{
    auto& tabs = fixture_->window().tabs();
    tabs.setCurrentWidget(fixture_->find<QWidget>("TabSheet10"));
    fixture_->settle();
    auto* applied = fixture_->find<GridView>("rstgaAplica");
    auto* difference = fixture_->find<GridView>("RstgaFalta");
    auto* recommended = fixture_->find<GridView>("rstgaRecomenda");
    QVERIFY(applied && difference && recommended);
    const QWidget* page = tabs.currentWidget();
    const QRect appliedBox(applied->parentWidget()->mapTo(page, QPoint(0, 0)),
                           applied->parentWidget()->size());
    const QRect differenceBox(difference->parentWidget()->mapTo(page, QPoint(0, 0)),
                              difference->parentWidget()->size());
    // "Diferença" lies over "Aplicado", leaving only a sliver of it.
    const QRect covered = appliedBox.intersected(differenceBox);
    const double share =
        double(covered.width()) * covered.height() / (double(appliedBox.width()) * appliedBox.height());
    QVERIFY2(share > 0.9 && share < 1.0, qPrintable(QString::number(share)));
    QVERIFY(difference->parentWidget()->autoFillBackground());
    // What the user sees at the applied grid's centre is the difference grid.
    const QPoint centre = applied->mapTo(page, applied->rect().center());
    QWidget* top = page->childAt(centre);
    QVERIFY(top);
    QVERIFY(top == difference || difference->isAncestorOf(top));
    // Recommendation and difference side by side.
    const QRect recommendedRect(recommended->mapTo(page, QPoint(0, 0)), recommended->size());
    const QRect differenceRect(difference->mapTo(page, QPoint(0, 0)), difference->size());
    QVERIFY(recommendedRect.right() < differenceRect.left());
    QCOMPARE(recommendedRect.top(), differenceRect.top());
}

void StartupTest::spinControlsDatePickerAndTexts()
{
    auto* parcela = fixture_->find<QSpinBox>("UpDown4");
    QVERIFY(parcela);
    QCOMPARE(parcela->minimum(), 1);
    QCOMPARE(parcela->value(), 1);
    QCOMPARE(fixture_->find<QLineEdit>("Edit31")->text(), QStringLiteral("1"));
    auto* photo = fixture_->find<QSpinBox>("UpDown3");
    QVERIFY(photo);
    QCOMPARE(photo->minimum(), 1);
    QCOMPARE(photo->maximum(), 8);
    QCOMPARE(fixture_->find<QLineEdit>("Edit27")->text(), QStringLiteral("1"));

    auto* date = fixture_->find<QDateEdit>("DateTimePicker2");
    QVERIFY(date);
    QCOMPARE(date->date(), QDate(2021, 6, 1));
    QVERIFY(date->calendarPopup());
    QCOMPARE(date->findChild<QLineEdit*>()->text(), QStringLiteral("01/06/2021"));

    auto* memo = fixture_->find<QPlainTextEdit>("Memo3");
    QVERIFY(memo);
    QCOMPARE(memo->toPlainText(), str("Recomendações"));
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(!memo->isReadOnly());
    QCOMPARE(fixture_->find<QLineEdit>("Edit21")->text(), QString());

    auto* about = fixture_->find<QTextEdit>("RichEdit2");
    QVERIFY(about);
    QVERIFY(!about->isReadOnly());
    QCOMPARE(about->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(about->font().pixelSize(), 13);
    QCOMPARE(about->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    const QStringList lines = about->toPlainText().split(QLatin1Char('\n'));
    QVERIFY(lines.size() > 20);
    QCOMPARE(lines.at(0), QStringLiteral("Programa Bulbicalc"));
    QCOMPARE(lines.at(1), QString(64, QLatin1Char('-')));
    QCOMPARE(lines.at(3), str("Versão 1.0 "));
    QCOMPARE(lines.at(4), str("Data da criação: 25/09/2021 "));
    QVERIFY(lines.contains(QStringLiteral("Contatos:")));
    QVERIFY(lines.contains(str("Referências:")));
    // The title is blue, bold and underlined.
    QTextCursor cursor(about->document());
    cursor.movePosition(QTextCursor::NextCharacter);
    const QTextCharFormat title = cursor.charFormat();
    QVERIFY(title.fontUnderline());
    QVERIFY(title.fontWeight() >= QFont::Bold);
    QCOMPARE(title.foreground().color(), QColor(0, 0, 255));

    // The check list names every fertiliser of the catalogue.
    auto* list = fixture_->find<QListWidget>("rCheckListBox1");
    QVERIFY(list);
    QCOMPARE(list->count(), fixture_->window().core().grid("StgaAdubos").rowCount() - 1);
}

void StartupTest::drawingsLoadFromTheDataFolder()
{
    auto* transplant = fixture_->find<PictureFrame>("Image1");
    auto* seeding = fixture_->find<PictureFrame>("Image2");
    QVERIFY(transplant && seeding);
    QVERIFY(!transplant->isHidden());
    QVERIFY(seeding->isHidden());
    // Both drawings ship in data/Imagens; each frame has its drawing's proportions.
    QVERIFY(transplant->hasPicture());
    QVERIFY(seeding->hasPicture());
    QCOMPARE(transplant->pictureSize(), QSize(1348, 464));
    QCOMPARE(seeding->pictureSize(), QSize(1534, 462));
    for (PictureFrame* frame : {transplant, seeding}) {
        const QSize picture = frame->pictureSize();
        const double frameRatio = double(frame->width()) / frame->height();
        const double pictureRatio = double(picture.width()) / picture.height();
        QVERIFY2(std::abs(frameRatio - pictureRatio) < 0.02, qPrintable(frame->objectName()));
    }
    // Only the first photo frame shows; the photographs are not delivered yet.
    for (int i = 3; i <= 10; ++i) {
        auto* frame = fixture_->window().findChild<PictureFrame*>(QStringLiteral("Image%1").arg(i));
        QVERIFY(frame);
        QCOMPARE(frame->isHidden(), i != 3);
        QVERIFY(frame->keepAspectRatio());
    }
}

void StartupTest::missingPicturesLeaveEmptyFrames()
{
    // A data folder without pictures (but with the catalogue): the window
    // opens without a box.
    QTemporaryDir empty;
    QVERIFY(bulbicalc::ui::test::copyTree(QStringLiteral(BULBICALC_TEST_DATA_DIR "/Auxiliares"),
                                          empty.path() + QStringLiteral("/Auxiliares")));
    bulbicalc::ui::test::RecordingPresenter boxes;
    bulbicalc::ui::MainWindow window(empty.path().toStdString());
    window.setDialogPresenter(&boxes);
    window.buildAllPages();
    window.show();
    QApplication::processEvents();
    QApplication::processEvents();
    for (int i = 1; i <= 10; ++i) {
        auto* frame = window.findChild<PictureFrame*>(QStringLiteral("Image%1").arg(i));
        QVERIFY(frame);
        QVERIFY(!frame->hasPicture());
        QVERIFY(frame->pictureRect().isEmpty());
    }
    QCOMPARE(boxes.errors, QStringList());
    QCOMPARE(boxes.messages, QStringList());
}

void StartupTest::photosAreScaledKeepingTheirProportions()
{
    QTemporaryDir data;
    QVERIFY(bulbicalc::ui::test::copyTree(QStringLiteral(BULBICALC_TEST_DATA_DIR "/Auxiliares"),
                                          data.path() + QStringLiteral("/Auxiliares")));
    QVERIFY(QDir().mkpath(data.path() + QStringLiteral("/Imagens/Fotos")));
    QImage wide(400, 100, QImage::Format_RGB32);
    wide.fill(Qt::darkGreen);
    QVERIFY(wide.save(data.path() + QStringLiteral("/Imagens/Fotos/foto1.jpg")));
    // A file that is not a picture leaves its frame empty.
    QFile junk(data.path() + QStringLiteral("/Imagens/Fotos/foto2.jpg"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a photograph");
    junk.close();

    bulbicalc::ui::test::RecordingPresenter boxes;
    bulbicalc::ui::MainWindow window(data.path().toStdString());
    window.setDialogPresenter(&boxes);
    window.show();
    window.tabs().setCurrentWidget(window.findChild<QWidget*>(QStringLiteral("TabSheet8")));
    QApplication::processEvents();

    auto* first = window.findChild<PictureFrame*>(QStringLiteral("Image3"));
    auto* second = window.findChild<PictureFrame*>(QStringLiteral("Image4"));
    QVERIFY(first && second);
    QVERIFY(first->hasPicture());
    QCOMPARE(first->pictureSize(), QSize(400, 100));
    const QRect shown = first->pictureRect();
    QVERIFY(first->contentsRect().contains(shown));
    QCOMPARE(shown.width(), first->contentsRect().width());
    QVERIFY(std::abs(double(shown.width()) / shown.height() - 4.0) < 0.05);
    QVERIFY(!second->hasPicture());
    QCOMPARE(boxes.errors, QStringList());
}

void StartupTest::theFirstPaintAlreadyKeepsTheProportions()
{
    // The picture is decoded at the first paint; that paint draws it in its
    // proportions already, not stretched over the whole frame.
    QTemporaryDir dir;
    QImage wide(400, 100, QImage::Format_RGB32);
    wide.fill(Qt::darkGreen);
    const QString file = dir.path() + QStringLiteral("/wide.png");
    QVERIFY(wide.save(file));
    PictureFrame frame;
    frame.setKeepAspectRatio(true);
    frame.resize(200, 200);
    QVERIFY(frame.load(file.toStdString()));
    QVERIFY(!frame.isDecoded());
    // Before the decoding the frame knows the proportions from the header.
    QCOMPARE(frame.pictureRect().size(), QSize(200, 50));
    const QImage shown = frame.grab().toImage();
    QVERIFY(frame.isDecoded());
    QCOMPARE(frame.pictureRect(), QRect(0, 75, 200, 50));
    QCOMPARE(QColor(shown.pixel(100, 100)), QColor(Qt::darkGreen));
    QVERIFY(QColor(shown.pixel(100, 20)) != QColor(Qt::darkGreen));
    QVERIFY(QColor(shown.pixel(100, 180)) != QColor(Qt::darkGreen));
}

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
