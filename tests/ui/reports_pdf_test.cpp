// The PDF report through the window: "Relatório *.&pdf" opens the maximised
// modal preview of the page, which exports it as PDF. The exported page is
// read back by an independent reader (pdftotext -bbox): every fixed text of
// the page at its position within 0,5 mm, the values in their boxes; a
// recommendations text too tall for its box is cut at the box.
#include "ui_test_support.h"

#include "core/app/window_state.h"
#include "core/reports/pdf_report.h"
#include "ui/reports/report_preview.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include <cmath>
#include <functional>
#include <memory>
#include <optional>

using bulbicalc::WindowState;
using bulbicalc::ui::ReportPreview;
using bulbicalc::ui::test::str;
using bulbicalc::ui::test::WindowFixture;

namespace {

// Answers the next dialog of type T that is shown; the answer is posted as it
// shows, so it runs before the fixture's watchdog can take the dialog.
template <typename T> class DialogAnswer : public QObject {
public:
    explicit DialogAnswer(std::function<void(T*)> answer) : answer_(std::move(answer))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<T*>(watched);
        if (event->type() == QEvent::Show && dialog) {
            qApp->removeEventFilter(this);
            QMetaObject::invokeMethod(
                dialog,
                [dialog, answer = answer_, self = this] {
                    answer(dialog);
                    self->deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void(T*)> answer_;
};

template <typename T> void answerDialog(std::function<void(T*)> answer)
{
    new DialogAnswer<T>(std::move(answer));
}

struct Word {
    QString text;
    double xMin, yMin, xMax, yMax; // millimetres from the paper's top-left corner
};

// The words of the first page as pdftotext -bbox finds them.
QList<Word> pdfWords(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    const QString xhtml = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<Word> words;
    const double mm = 25.4 / 72;
    for (auto it = word.globalMatch(xhtml); it.hasNext();) {
        const auto m = it.next();
        QString text = m.captured(5);
        text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        words << Word{text, m.captured(1).toDouble() * mm, m.captured(2).toDouble() * mm,
                      m.captured(3).toDouble() * mm, m.captured(4).toDouble() * mm};
    }
    return words;
}

// A text of the page: where its box stands in the printable area (10 mm in
// from the paper's edges) and how it is aligned.
struct PlacedText {
    const char* text;
    double x;
    double y;
    double width;
    bool right = false;
};

// Every fixed text of the page.
const PlacedText kFixedTexts[] = {
    {"Programa Bulbicalc - Versão 1.0 {em Testes}", 40.0, 1.0, 81.0},
    {"Indicação de calagem a adubação para a cultura da cebola", 47.0, 8.0, 122.0},
    {"Produtor:", 6.0, 24.2, 25.0},
    {"CPF:", 134.0, 24.2, 10.0},
    {"Localidade:", 6.0, 31.2, 21.0},
    {"Município:", 104.0, 31.2, 20.0},
    {"UF:", 171.0, 31.2, 9.0},
    {"Análise do solo   laudo nº:", 3.0, 37.2, 47.0},
    {"Matrícula:", 133.0, 37.0, 19.0},
    {"Argila", 1.9, 42.6, 11.0},
    {"pH", 14.2, 42.6, 9.0},
    {"SMP", 23.5, 42.6, 10.0},
    {"P", 35.4, 42.6, 11.0},
    {"K", 46.5, 42.6, 10.0},
    {"MO", 57.7, 42.6, 9.0},
    {"Al", 68.9, 42.6, 8.0},
    {"Ca", 80.0, 42.6, 10.0},
    {"Mg", 91.2, 42.6, 10.0},
    {"CTC", 102.4, 42.6, 12.0},
    {"V", 113.5, 42.6, 10.0},
    {"S", 124.7, 42.6, 10.0},
    {"Mn", 135.9, 42.6, 10.0},
    {"Zn", 147.0, 42.6, 10.0},
    {"B", 158.2, 42.6, 10.0},
    {"Cu", 169.4, 42.6, 10.0},
    {"Fe", 180.5, 42.6, 10.0},
    {"%", 5.0, 47.6, 5.0},
    {"-----mg/dm³-------", 38.0, 47.6, 25.0},
    {"%", 64.0, 47.6, 5.0},
    {"----------------- Cmolc/dm³------------------", 80.0, 47.8, 43.0},
    {"%", 114.0, 47.8, 5.0},
    {"-------------------mg/dm³-----------------------", 127.0, 46.6, 61.0},
    {"Sistema de Cultivo:", 2.0, 60.5, 36.0},
    {"Rendimento esperado (t/ha): ", 92.0, 60.3, 50.0},
    {"Área (ha): ", 159.0, 60.8, 50.0},
    {"Recomendação de Calagem:", 2.0, 67.0, 51.0},
    {"Dose:", 2.0, 72.2, 13.0},
    {"t/ha", 32.0, 72.2, 8.0},
    {"PRTN (%)", 49.0, 72.2, 18.0},
    {"Comercial (t/ha)", 83.0, 72.2, 29.0},
    {"Total na área (t):", 140.0, 71.8, 29.0},
    {"Recomendação de Adubação (kg/ha)", 2.0, 79.7, 71.0},
    {"Parc.", 2.0, 85.4, 15.0},
    {"Epoca", 14.0, 85.4, 15.0},
    {"N", 31.0, 85.4, 11.0},
    {"P205", 43.9, 85.4, 11.0},
    {"K2O", 56.1, 86.4, 11.0},
    {"S", 69.2, 85.4, 11.0},
    {"Adubos usados:", 100.0, 78.7, 51.0},
    {"Quantidade", 161.1, 77.8, 21.0},
    {"Parcela", 100.5, 82.3, 15.0},
    {"Adubo", 116.7, 82.8, 35.0},
    {"kg/ha", 160.0, 83.0, 11.0, true},
    {"kg", 177.0, 82.0, 11.0, true},
    {"Quantitativos", 2.0, 147.0, 51.0},
    {"Item", 3.0, 153.1, 9.0},
    {"Tipo", 19.0, 153.1, 15.0},
    {"kg/ha", 68.1, 152.1, 11.0, true},
    {"Kg", 98.5, 153.1, 11.0, true},
    {"R$/ha", 115.0, 153.0, 11.0},
    {"R$", 131.0, 153.0, 11.0},
};

constexpr double kMargin = 10;
constexpr double kTolerance = 0.5;

// How far the text stands from its place: the first word's left (or the
// last word's right) edge and top; nullopt when the page does not have it.
std::optional<double> offset(const QList<Word>& words, const PlacedText& placed)
{
    const QStringList parts = str(placed.text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::optional<double> best;
    for (int i = 0; i + parts.size() <= words.size(); ++i) {
        bool same = true;
        for (int k = 0; k < parts.size() && same; ++k)
            same = words[i + k].text == parts[k];
        if (!same)
            continue;
        const Word& first = words[i];
        const Word& last = words[i + parts.size() - 1];
        const double dx = placed.right ? last.xMax - (kMargin + placed.x + placed.width)
                                       : first.xMin - (kMargin + placed.x);
        const double dy = first.yMin - (kMargin + placed.y);
        const double distance = std::max(std::fabs(dx), std::fabs(dy));
        if (!best || distance < *best)
            best = distance;
    }
    return best;
}

void enterRecommendation(WindowState& w)
{
    w.type("EdNomeProdutor", "João da Silva");
    w.type("mkEdCPF", "123.456.789-09");
    w.type("EdLocal", "Linha Bela Vista");
    w.select("CbUF", 1);
    w.type("CBMuni", "Ituporanga");
    w.type("EdMatricula", "4512");
    const std::pair<const char*, const char*> fields[] = {
        {"EdDenomina", "Lavoura 2"},
        {"EdLaudo", "2024/0815"},
        {"EdArgila", "35"},
        {"EdPH", "5,4"},
        {"EdSMP", "5,6"},
        {"EdP", "8,5"},
        {"EdK", "96"},
        {"EdMO", "3,2"},
        {"EdAL", "0,4"},
        {"EdCa", "4,1"},
        {"EdMg", "1,6"},
        {"EdHAl", "5,5"},
        {"EdCTC", "11,45"},
        {"EdSatBases", "52"},
        {"EdS", "6,5"},
        {"EdMn", "12"},
        {"EdZn", "1,2"},
        {"EdB", "0,3"},
        {"EdCu", "0,8"},
        {"EdFe", "45"},
        {"EdProducao", "40"},
        {"EdArea", "2,5"},
    };
    for (const auto& [field, text] : fields) {
        w.type(field, text);
        w.leave(field);
    }
    w.click("BitBtn5");
    w.type("Edit11", "75");
    w.click("BitBtn9");
    w.click("BitBtn29");
    w.click("BitBtn10");
    w.click("BitBtn12");
    w.type("Edit21", "Eng. Agr. Maria Souza CREA-SC 12345");
    // The workbench's summaries as a recalculation writes them.
    bulbicalc::Grid& perParcela = w.grid("RstgaResumoParcela");
    perParcela.setRowCount(3);
    const char* const rows[][4] = {{"1", "Superfosfato triplo", "500,0", "1250,0"},
                                   {"2", "Ureia", "77,8", "194,5"}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 4; ++c)
            perParcela.setCell(c, r + 1, rows[r][c]);
    bulbicalc::Grid& total = w.grid("rstgaResumoTotal");
    total.setRowCount(2);
    const char* const item[] = {"1", "Superfosfato triplo", "500,0", "1400,00", "1250,0", "3500,00"};
    for (int c = 0; c < 6; ++c)
        total.setCell(c, 1, item[c]);
}

} // namespace

class ReportsPdfTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bulbicalc::ui::test::prepareApplication(); }
    void init()
    {
        QVERIFY(temp_.isValid());
        fixture_ = std::make_unique<WindowFixture>();
        QVERIFY(fixture_->activate("TabSheet6"));
    }
    void cleanup()
    {
        QCOMPARE(fixture_->boxes().messages, QStringList());
        QCOMPARE(fixture_->unexpectedDialogs(), 0);
        fixture_.reset();
    }

    void thePreviewIsMaximisedModalAndOffersPrintZoomAndExport();
    void everyFixedTextStandsAtItsPlace_data();
    void everyFixedTextStandsAtItsPlace();
    void theValuesStandInTheirBoxes();
    void pricesHiddenLeaveThePriceColumnsBlank();
    void aRecommendationsTextTallerThanItsBoxIsCutAtTheBox();
    void theExportProposesRecomendacaoAndReplacesWithoutAsking();
    void aPdfThatCannotBeWrittenShowsTheErrorAndLeavesNoFile();

private:
    QTemporaryDir temp_;
    std::unique_ptr<WindowFixture> fixture_;

    WindowState& core() { return fixture_->window().core(); }

    // Presses "Relatório *.&pdf" and runs `inPreview` in the preview, which
    // is closed afterwards.
    void preview(const std::function<void(ReportPreview*)>& inPreview)
    {
        answerDialog<ReportPreview>([inPreview](ReportPreview* dialog) {
            inPreview(dialog);
            dialog->reject();
        });
        auto* button = fixture_->find<QPushButton>("BitBtn105");
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        fixture_->settle();
    }

    // The page exported from the preview, as a PDF file. With
    // BULBICALC_KEEP_REPORTS set to a folder a copy stays there, to look at.
    QString exportPdf(const QString& name)
    {
        const QString path = temp_.filePath(name);
        bool written = false;
        preview([&](ReportPreview* dialog) { written = dialog->exportTo(path); });
        if (const QString keep = qEnvironmentVariable("BULBICALC_KEEP_REPORTS"); written && !keep.isEmpty()) {
            QFile::remove(keep + QLatin1Char('/') + name);
            QFile::copy(path, keep + QLatin1Char('/') + name);
        }
        return written ? path : QString();
    }
};

void ReportsPdfTest::thePreviewIsMaximisedModalAndOffersPrintZoomAndExport()
{
    bool seen = false;
    preview([&](ReportPreview* dialog) {
        seen = true;
        QVERIFY(dialog->isModal());
        QVERIFY(dialog->windowState() & Qt::WindowMaximized);
        for (const char* action : {"print", "exportPdf", "zoomIn", "zoomOut", "fitWidth", "fitPage", "close"})
            QVERIFY2(dialog->findChild<QAction*>(QString::fromLatin1(action)), action);
        QPrintPreviewWidget* widget = dialog->previewWidget();
        QCOMPARE(widget->pageCount(), 1);
        const qreal before = widget->zoomFactor();
        dialog->findChild<QAction*>(QStringLiteral("zoomIn"))->trigger();
        QVERIFY(widget->zoomFactor() > before);
    });
    QVERIFY(seen);
}

void ReportsPdfTest::everyFixedTextStandsAtItsPlace_data()
{
    QTest::addColumn<bool>("filled");
    QTest::newRow("every variable empty") << false;
    QTest::newRow("a whole recommendation") << true;
}

void ReportsPdfTest::everyFixedTextStandsAtItsPlace()
{
    QFETCH(bool, filled);
    if (filled)
        enterRecommendation(core());
    const QString pdf = exportPdf(QStringLiteral("page.pdf"));
    QVERIFY(!pdf.isEmpty());
    const QList<Word> words = pdfWords(pdf);
    QVERIFY(!words.isEmpty());
    for (const PlacedText& placed : kFixedTexts) {
        const auto distance = offset(words, placed);
        QVERIFY2(distance.has_value(), placed.text);
        QVERIFY2(*distance <= kTolerance,
                 qPrintable(str(placed.text) + QStringLiteral(" is %1 mm away").arg(*distance)));
    }
}

void ReportsPdfTest::theValuesStandInTheirBoxes()
{
    enterRecommendation(core());
    const QList<Word> words = pdfWords(exportPdf(QStringLiteral("values.pdf")));
    const PlacedText values[] = {
        {"João da Silva", 34.0, 24.2, 25.0},
        {"123.456.789-09", 146.0, 24.2, 45.0},
        {"Ituporanga", 123.0, 31.2, 47.0},
        {"SC", 180.7, 31.2, 8.0},
        {"4512", 154.0, 37.0, 35.0},
        {"11,45", 102.4, 53.2, 11.0},
        {"Sistema de transplante", 39.0, 60.4, 52.0},
        {"18,000", 175.0, 71.8, 25.0},
        {"Plantio", 13.6, 90.7, 15.0},
        {"49", 30.8, 100.1, 11.0},
        {"230", 43.4, 90.7, 11.0},
        {"Ureia", 113.3, 93.3, 46.0},
        {"194,5", 174.2, 93.3, 14.0, true},
        {"1400,00", 113.0, 158.0, 10.0, true},
        {"Recomendações", 2.0, 197.0, 184.0},
        {"Eng. Agr. Maria Souza CREA-SC 12345", 11.0, 265.0, 68.0},
        {"", 148.0, 265.0, 25.0}, // today, below
    };
    const QByteArray today = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")).toUtf8();
    for (PlacedText placed : values) {
        if (!*placed.text)
            placed.text = today.constData();
        const auto distance = offset(words, placed);
        QVERIFY2(distance && *distance <= kTolerance, placed.text);
    }
}

void ReportsPdfTest::pricesHiddenLeaveThePriceColumnsBlank()
{
    enterRecommendation(core());
    core().click("RadioButton24");
    const QList<Word> words = pdfWords(exportPdf(QStringLiteral("hidden.pdf")));
    QVERIFY(offset(words, {"500,0", 64.1, 158.0, 15.0, true}).value_or(99) <= kTolerance);
    QVERIFY(offset(words, {"1250,0", 90.5, 158.0, 20.0, true}).value_or(99) <= kTolerance);
    QVERIFY(!offset(words, {"1400,00", 113.0, 158.0, 10.0, true}));
    QVERIFY(!offset(words, {"3500,00", 125.0, 158.0, 14.0, true}));
}

void ReportsPdfTest::aRecommendationsTextTallerThanItsBoxIsCutAtTheBox()
{
    std::vector<std::string> lines;
    for (int i = 1; i <= 40; ++i)
        lines.push_back("Linha " + std::to_string(i) + " da recomendação");
    core().typeLines("Memo3", lines);
    core().type("Edit21", "Eng. Agr. Maria Souza");
    const QString pdf = exportPdf(QStringLiteral("tall.pdf"));
    // Rendered at 100 dpi: between the bottom of the 59 mm box (paper y 266
    // mm) and the rule under it (268 mm) nothing is drawn, and the lines shown
    // are whole ones.
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"),
                  QStringLiteral("-singlefile"), pdf, temp_.filePath(QStringLiteral("tall"))});
    QVERIFY(render.waitForFinished(30000));
    const QImage page(temp_.filePath(QStringLiteral("tall.png")));
    QVERIFY(!page.isNull());
    const double dots = 100 / 25.4;
    for (int y = int(266.2 * dots); y < int(267.8 * dots); ++y)
        for (int x = int(12 * dots); x < int(196 * dots); ++x)
            QVERIFY2(qGray(page.pixel(x, y)) > 200, qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
    const QList<Word> words = pdfWords(pdf);
    int lastLine = 0;
    for (int i = 0; i + 1 < words.size(); ++i)
        if (words[i].text == QStringLiteral("Linha"))
            lastLine = std::max(lastLine, words[i + 1].text.toInt());
    // The box holds 14 whole lines of Arial 10 pt; the page still shows the
    // signature section below.
    QVERIFY2(lastLine >= 13 && lastLine <= 15, qPrintable(QString::number(lastLine)));
    QVERIFY(offset(words, {"Eng.", 11.0, 265.0, 68.0}).value_or(99) <= kTolerance);
}

void ReportsPdfTest::theExportProposesRecomendacaoAndReplacesWithoutAsking()
{
    // The save dialog proposes "Recomendacao.pdf" and asks nothing before
    // replacing a file; cancelled, it writes nothing.
    // The preview is built here, not run: the fixture's watchdog would take
    // a running preview for an unexpected dialog while the save dialog is
    // being built.
    QString proposed;
    bool noQuestion = false;
    QStringList errors;
    ReportPreview built(
        bulbicalc::pdfReportPage(bulbicalc::pdfReportVariables(core(), bulbicalc::Date{2021, 9, 25}), {}),
        [&](const QString& error) { errors << error; }, &fixture_->window());
    answerDialog<QFileDialog>([&](QFileDialog* files) {
        proposed = files->selectedFiles().value(0);
        noQuestion = files->testOption(QFileDialog::DontConfirmOverwrite);
        files->reject();
    });
    built.findChild<QAction*>(QStringLiteral("exportPdf"))->trigger();
    QCOMPARE(errors, QStringList());
    QCOMPARE(QFileInfo(proposed).fileName(), QStringLiteral("Recomendacao.pdf"));
    QVERIFY(noQuestion);
    QVERIFY(!QFile::exists(proposed));

    const QString path = temp_.filePath(QStringLiteral("Recomendacao.pdf"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    bool written = false;
    preview([&](ReportPreview* dialog) {
        written = dialog->exportTo(temp_.filePath(QStringLiteral("Recomendacao")));
    });
    QVERIFY(written);
    QFile replaced(path);
    QVERIFY(replaced.open(QIODevice::ReadOnly));
    QVERIFY(replaced.readAll().startsWith("%PDF-"));
    QCOMPARE(fixture_->boxes().errors, QStringList());
}

void ReportsPdfTest::aPdfThatCannotBeWrittenShowsTheErrorAndLeavesNoFile()
{
    const QString folder = temp_.filePath(QStringLiteral("no-such-folder"));
    const QString path = folder + QStringLiteral("/Recomendacao.pdf");
    bool written = true;
    preview([&](ReportPreview* dialog) { written = dialog->exportTo(path); });
    fixture_->settle();
    QVERIFY(!written);
    QCOMPARE(fixture_->boxes().errors, QStringList{QStringLiteral("File access denied")});
    QVERIFY(!QFile::exists(path));
    QVERIFY(!QDir(folder).exists());
    fixture_->boxes().errors.clear();
}

QTEST_MAIN(ReportsPdfTest)
#include "reports_pdf_test.moc"
