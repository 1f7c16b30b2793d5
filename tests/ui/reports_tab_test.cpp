// The tab "Relatórios" and the analysis file buttons: the recommendations
// text in its memo, the text report written into the working directory, the
// spreadsheet report, "&Salvar Laudo" / "&Abrir Laudo" through the window,
// the open-file dialog included, and the PDF report: "Relatório *.&pdf" opens
// the maximised modal preview, which exports the page as PDF. The exported
// page is read back by an independent reader (pdftotext -bbox): every fixed
// text at its position within 0,5 mm, the values in their boxes; a
// recommendations text too tall for its box is cut at the box. The desktop's
// viewer is observed through a URL handler.
#include "ui_test_support.h"

#include "ui/app/event_boundary.h"

#include "core/app/window_state.h"
#include "core/reports/pdf_report.h"
#include "ui/reports/report_preview.h"

#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QToolBar>
#include <QUrl>
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

class DocumentViewer : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
    Q_INVOKABLE void open(const QUrl& url) { opened << url; }
};

// Answers the next dialog of type T that is shown. The answer is posted as
// the dialog shows, and posted events run before any timer when its event
// loop starts, so the fixture's watchdog never takes it for an unexpected one.
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

// A recommendation with a value in every kind of box: the producer, the
// analysis, the liming, the split N dose in the table by parcela, both
// summaries of the workbench (written as a recalculation writes them), the
// recommendations text and the technician.
void enterRecommendation(WindowState& w)
{
    w.type("EdNomeProdutor", "João da Silva");
    w.type("mkEdCPF", "123.456.789-09");
    w.select("CbUF", 1);
    w.type("CBMuni", "Ituporanga");
    w.type("EdMatricula", "4512");
    w.type("EdCTC", "11,45");
    w.type("EdMO", "3,2");
    w.leave("EdMO");
    w.type("EdArea", "2,5");
    w.type("Edit10", "13,5");
    w.type("Edit11", "75");
    w.click("BitBtn9");
    w.type("Edit18", "230");
    w.click("BitBtn29");
    w.type("Edit21", "Eng. Agr. Maria Souza CREA-SC 12345");
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

QString canonical(const QString& path)
{
    return QFileInfo(path).canonicalFilePath();
}

} // namespace

class ReportsTabTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bulbicalc::ui::test::prepareApplication(); }
    void init()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &viewer_, "open");
        viewer_.opened.clear();
        previousDir_ = QDir::currentPath();
        work_ = std::make_unique<QTemporaryDir>();
        QVERIFY(work_->isValid());
        QDir::setCurrent(work_->path());
        fixture_ = std::make_unique<WindowFixture>();
        QVERIFY(fixture_->activate("TabSheet6"));
    }
    void cleanup()
    {
        QCOMPARE(fixture_->boxes().errors, QStringList());
        QCOMPARE(fixture_->boxes().messages, QStringList());
        QCOMPARE(fixture_->unexpectedDialogs(), 0);
        fixture_.reset();
        QDir::setCurrent(previousDir_);
        work_.reset();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    }

    void theButtonsStandInTheirOrder();
    void generalRecommendationsAppendToTheMemoAndClearEmptiesIt();
    void typingInTheMemoKeepsTheBreaksInsideItsLines();
    void theTextReportIsWrittenAndShown();
    void aTextReportThatCannotBeWrittenShowsTheErrorBox();
    void theSpreadsheetOpensAFilledCopyAndLeavesTheTemplateAlone();
    void aMissingTemplateShowsTheErrorBoxAndOpensNothing();
    void savingAndOpeningAnAnalysisThroughTheDialog();
    void aCancelledOpenChangesNothing();
    void thePreviewIsMaximisedModalAndOffersPrintZoomAndExport();
    void everyFixedTextStandsAtItsPlace_data();
    void everyFixedTextStandsAtItsPlace();
    void theValuesStandInTheirBoxes();
    void pricesHiddenLeaveThePriceColumnsBlank();
    void aRecommendationsTextTallerThanItsBoxIsCutAtTheBox();
    void theExportProposesRecomendacaoAndReplacesWithoutAsking();
    void aPdfThatCannotBeWrittenShowsTheErrorAndLeavesNoFile();

private:
    DocumentViewer viewer_;
    std::unique_ptr<QTemporaryDir> work_;
    QString previousDir_;
    std::unique_ptr<WindowFixture> fixture_;

    void click(const char* button)
    {
        auto* b = fixture_->find<QPushButton>(button);
        QVERIFY2(b, button);
        QTest::mouseClick(b, Qt::LeftButton);
        fixture_->settle();
    }

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
        const QString path = work_->filePath(name);
        bool written = false;
        preview([&](ReportPreview* dialog) { written = dialog->exportTo(path); });
        if (const QString keep = qEnvironmentVariable("BULBICALC_KEEP_REPORTS"); written && !keep.isEmpty()) {
            QFile::remove(keep + QLatin1Char('/') + name);
            QFile::copy(path, keep + QLatin1Char('/') + name);
        }
        return written ? path : QString();
    }
    QStringList memoLines()
    {
        auto* memo = fixture_->find<QPlainTextEdit>("Memo3");
        return memo ? memo->toPlainText().split(QLatin1Char('\n')) : QStringList();
    }
};

void ReportsTabTest::theButtonsStandInTheirOrder()
{
    const char* const buttons[] = {"BitBtn12", "BitBtn11", "BitBtn80", "BitBtn105", "BitBtn108"};
    const char* const captions[] = {"&Recomendações gerais", "&Limpar", "Relatório *.&txt",
                                    "Relatório *.&pdf", "Relatório *.&xls"};
    int previousX = -1;
    for (int i = 0; i < 5; ++i) {
        auto* b = fixture_->find<QPushButton>(buttons[i]);
        QVERIFY2(b, buttons[i]);
        QCOMPARE(b->text(), str(captions[i]));
        QVERIFY(b->isVisible());
        QVERIFY2(b->x() > previousX, buttons[i]);
        previousX = b->x();
    }
    QCOMPARE(memoLines(), QStringList{str("Recomendações")});
    auto* technician = fixture_->find<QLineEdit>("Edit21");
    QVERIFY(technician);
    QCOMPARE(bulbicalc::ui::test::buddyLabel(fixture_->find<QWidget>("TabSheet6"), technician)->text(),
             str("Nome do técnico responsável/CREA"));
}

void ReportsTabTest::generalRecommendationsAppendToTheMemoAndClearEmptiesIt()
{
    click("BitBtn12");
    const QStringList lines = memoLines();
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines[0], str("Recomendações"));
    QCOMPARE(lines[2], str("Sobre a adubação de Fósforo : "));
    QCOMPARE(lines[6], str("Sobre a adubação de Manganes: "));
    click("BitBtn11");
    QCOMPARE(fixture_->find<QPlainTextEdit>("Memo3")->toPlainText(), QString());
    QVERIFY(fixture_->window().core().control("Memo3").items.empty());
}

void ReportsTabTest::typingInTheMemoKeepsTheBreaksInsideItsLines()
{
    // An advice text carries its own line break: it stays one line of the
    // recommendations however the memo is edited.
    fixture_->window().boundary().run([&] {
        core().typeLines("Memo3", {"Recomendações", "Dividir a dose\r metade a lanço", "Fim"});
    });
    auto* memo = fixture_->find<QPlainTextEdit>("Memo3");
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    QTest::keyClicks(memo, QStringLiteral("!"));
    fixture_->settle();
    QCOMPARE(core().control("Memo3").items,
             (std::vector<std::string>{"Recomendações", "Dividir a dose\r metade a lanço", "Fim!"}));
    // Emptied by hand, it has no lines at all.
    memo->selectAll();
    QTest::keyClick(memo, Qt::Key_Delete);
    fixture_->settle();
    QVERIFY(core().control("Memo3").items.empty());
}

void ReportsTabTest::theTextReportIsWrittenAndShown()
{
    auto* technician = fixture_->find<QLineEdit>("Edit21");
    technician->setFocus();
    QTest::keyClicks(technician, QStringLiteral("Fulano"));
    click("BitBtn80");
    const QString report = work_->path() + QStringLiteral("/RelBulbicalc.txt");
    QFile file(report);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("Bulbicalc -vers\xE3o 1.0\r\n"));
    QVERIFY(bytes.endsWith("\r\nRecomenda\xE7\xF5"
                           "es\r\n"));
    QCOMPARE(viewer_.opened.size(), 1);
    QCOMPARE(canonical(viewer_.opened.front().toLocalFile()), canonical(report));
}

void ReportsTabTest::aTextReportThatCannotBeWrittenShowsTheErrorBox()
{
    QVERIFY(QDir(work_->path()).mkdir(QStringLiteral("RelBulbicalc.txt")));
    click("BitBtn80");
    QCOMPARE(fixture_->boxes().errors, QStringList{QStringLiteral("File access denied")});
    QCOMPARE(viewer_.opened, QList<QUrl>());
    fixture_->boxes().errors.clear();
}

void ReportsTabTest::theSpreadsheetOpensAFilledCopyAndLeavesTheTemplateAlone()
{
    const QString templatePath = fixture_->dataDir() + QStringLiteral("/Auxiliares/ModeloRelatorio.xlsx");
    QFile templateFile(templatePath);
    QVERIFY(templateFile.open(QIODevice::ReadOnly));
    const QByteArray before = templateFile.readAll();
    templateFile.close();
    auto* technician = fixture_->find<QLineEdit>("Edit21");
    technician->setFocus();
    QTest::keyClicks(technician, QStringLiteral("Fulano"));
    click("BitBtn108");
    QCOMPARE(viewer_.opened.size(), 1);
    const QFileInfo copy(viewer_.opened.front().toLocalFile());
    QCOMPARE(copy.fileName(), QStringLiteral("ModeloRelatorio.xlsx"));
    QVERIFY(copy.exists());
    QVERIFY(copy.absolutePath() != QFileInfo(templatePath).absolutePath());
    QVERIFY(templateFile.open(QIODevice::ReadOnly));
    QCOMPARE(templateFile.readAll(), before);
    QVERIFY(QDir(copy.absolutePath()).removeRecursively());
}

void ReportsTabTest::aMissingTemplateShowsTheErrorBoxAndOpensNothing()
{
    QVERIFY(QFile::remove(fixture_->dataDir() + QStringLiteral("/Auxiliares/ModeloRelatorio.xlsx")));
    click("BitBtn108");
    QCOMPARE(fixture_->boxes().errors, QStringList{QStringLiteral("File not found")});
    QCOMPARE(viewer_.opened, QList<QUrl>());
    fixture_->boxes().errors.clear();
}

void ReportsTabTest::savingAndOpeningAnAnalysisThroughTheDialog()
{
    QVERIFY(fixture_->activate("TabSheet1"));
    auto* producer = fixture_->find<QLineEdit>("EdNomeProdutor");
    auto* clay = fixture_->find<QLineEdit>("EdArgila");
    producer->setFocus();
    QTest::keyClicks(producer, QStringLiteral("Jose Silva"));
    clay->setFocus();
    QTest::keyClicks(clay, QStringLiteral("35"));
    click("BitBtn13");
    const QString laudo = fixture_->dataDir() + QStringLiteral("/Laudos/Laudo.txt");
    QVERIFY(QFile::exists(laudo));
    QCOMPARE(viewer_.opened.size(), 1);
    QCOMPARE(canonical(viewer_.opened.front().toLocalFile()), canonical(laudo));

    // Another producer, then the saved analysis back through the dialog.
    producer->setFocus();
    producer->selectAll();
    QTest::keyClicks(producer, QStringLiteral("Outro"));
    clay->setFocus();
    clay->selectAll();
    QTest::keyClicks(clay, QStringLiteral("70"));
    answerDialog<QFileDialog>([laudo](QFileDialog* dialog) {
        dialog->selectFile(laudo);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    click("BitBtn42");
    QCOMPARE(producer->text(), QStringLiteral("Jose Silva"));
    QCOMPARE(clay->text(), QStringLiteral("35,00"));
    QCOMPARE(fixture_->find<QLineEdit>("EdClasseArgila")->text(), QStringLiteral("Classe 3"));
    QCOMPARE(fixture_->find<QLineEdit>("EdArgila2")->text(), QStringLiteral("35,00"));
}

void ReportsTabTest::aCancelledOpenChangesNothing()
{
    QVERIFY(fixture_->activate("TabSheet1"));
    auto* producer = fixture_->find<QLineEdit>("EdNomeProdutor");
    producer->setFocus();
    QTest::keyClicks(producer, QStringLiteral("Fulano"));
    answerDialog<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    click("BitBtn42");
    QCOMPARE(producer->text(), QStringLiteral("Fulano"));
    QCOMPARE(fixture_->find<QLineEdit>("EdProducao")->text(), QStringLiteral("30"));
}

void ReportsTabTest::thePreviewIsMaximisedModalAndOffersPrintZoomAndExport()
{
    enterRecommendation(core());
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
        // With BULBICALC_KEEP_REPORTS set the preview is kept as a picture.
        if (const QString keep = qEnvironmentVariable("BULBICALC_KEEP_REPORTS"); !keep.isEmpty()) {
            dialog->resize(1324, 740);
            widget->fitInView();
            QApplication::processEvents();
            dialog->grab().save(keep + QStringLiteral("/preview.png"));
        }
    });
    QVERIFY(seen);
}

void ReportsTabTest::everyFixedTextStandsAtItsPlace_data()
{
    QTest::addColumn<bool>("filled");
    QTest::newRow("every variable empty") << false;
    QTest::newRow("a whole recommendation") << true;
}

void ReportsTabTest::everyFixedTextStandsAtItsPlace()
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

void ReportsTabTest::theValuesStandInTheirBoxes()
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
        {"45,000", 175.0, 71.8, 25.0},
        {"Plantio", 13.6, 90.7, 15.0},
        {"35", 30.8, 100.1, 11.0},
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

void ReportsTabTest::pricesHiddenLeaveThePriceColumnsBlank()
{
    enterRecommendation(core());
    core().click("RadioButton24");
    const QList<Word> words = pdfWords(exportPdf(QStringLiteral("hidden.pdf")));
    QVERIFY(offset(words, {"500,0", 64.1, 158.0, 15.0, true}).value_or(99) <= kTolerance);
    QVERIFY(offset(words, {"1250,0", 90.5, 158.0, 20.0, true}).value_or(99) <= kTolerance);
    QVERIFY(!offset(words, {"1400,00", 113.0, 158.0, 10.0, true}));
    QVERIFY(!offset(words, {"3500,00", 125.0, 158.0, 14.0, true}));
}

void ReportsTabTest::aRecommendationsTextTallerThanItsBoxIsCutAtTheBox()
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
                  QStringLiteral("-singlefile"), pdf, work_->filePath(QStringLiteral("tall"))});
    QVERIFY(render.waitForFinished(30000));
    const QImage page(work_->filePath(QStringLiteral("tall.png")));
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

void ReportsTabTest::theExportProposesRecomendacaoAndReplacesWithoutAsking()
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

    const QString path = work_->filePath(QStringLiteral("Recomendacao.pdf"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    bool written = false;
    preview([&](ReportPreview* dialog) {
        written = dialog->exportTo(work_->filePath(QStringLiteral("Recomendacao")));
    });
    QVERIFY(written);
    QFile replaced(path);
    QVERIFY(replaced.open(QIODevice::ReadOnly));
    QVERIFY(replaced.readAll().startsWith("%PDF-"));
    QCOMPARE(fixture_->boxes().errors, QStringList());
}

void ReportsTabTest::aPdfThatCannotBeWrittenShowsTheErrorAndLeavesNoFile()
{
    const QString folder = work_->filePath(QStringLiteral("no-such-folder"));
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

QTEST_MAIN(ReportsTabTest)
#include "reports_tab_test.moc"
