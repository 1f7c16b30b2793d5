// The help documents that the build writes into the folder Ajuda beside the
// executables: one per shown tab, under the name that "&Ajuda" opens, each a
// valid A4 PDF whose text (read back by poppler's pdftotext, an independent
// reader) holds the tab's title on its first page, page numbers, and the
// names of the tab's own fields; and "&Ajuda" of a window over that folder
// opens them. Run after the build, which writes them.
#include "ui_test_support.h"

#include "core/app/tab_sheets.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QUrl>
#include <QtTest>

namespace {

// The output of a poppler tool, or a null string when it failed.
QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Text with every run of white space as one blank: a name wrapped at the end
// of a line or of a table cell still reads as one. A line may also break
// right after a slash, where there is no blank.
QString flattened(const QString& text)
{
    return text.simplified().replace(QStringLiteral("/ "), QStringLiteral("/"));
}

QString str(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

// Stands in for the desktop's viewer of local files.
class DocumentViewer : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
    Q_INVOKABLE void open(const QUrl& url) { opened << url; }
};

struct Expected {
    const char* sheet;
    QStringList fields; // names of the tab's fields and buttons, as the window shows them
};

const Expected kExpected[] = {
    {"TabSheet1", {"Expectativa de produção (t/ha)", "Índice SMP", "Salvar Laudo", "Abrir Laudo"}},
    {"TabSheet2", {"Necessidade de calcário comercial (t/ha)", "V2- Saturação de bases desejada (%)"}},
    {"TabSheet3", {"Dose P2O5 (kg/ha)", "Nº de parcelas", "Parcelar"}},
    // The closure commands and their codes; the least-cost commands.
    {"TabSheet10",
     {"Custo na área total (R$)", "Limpar a parcela", "Fechar pelo menor NPK ?", "Fechar pelo N ?1",
      "Fechar pelo P205 ?2", "Fechar pelo K2O ?3", "Fechar pelo S ?4", "Otimizar a parcela",
      "Otimizar todas parcelas", "Arredondar para sacos inteiros"}},
    {"TabSheet5", {"Data de Plantio", "Época (DAT)"}},
    {"TabSheet6",
     {"Nome do técnico responsável/CREA", "Recomendações gerais", "RelBulbicalc.txt", "Relatório *.pdf",
      "Exportar PDF", "Relatório *.xls"}},
    {"TabSheet9",
     {"Selecione os adubos a serem usados na recomendação (ADUBO N P205 K20 S)", "AdubosMinerais.txt",
      "AdubosOrganicos.txt"}},
    {"TabSheet8", {"Deficiência de Manganês", "Deficiência de Zinco"}},
    {"TabSheet7", {"Programa Bulbicalc", "Fechar"}},
};

} // namespace

class HelpDocumentsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bulbicalc::ui::test::prepareApplication(); }
    void everyShownTabHasItsDocument_data();
    void everyShownTabHasItsDocument();
    void noHalfWrittenDocumentIsLeft();
    void helpOpensTheBuiltDocumentOfEveryTab();

private:
    static QString folder() { return QCoreApplication::applicationDirPath() + QStringLiteral("/Ajuda"); }
};

void HelpDocumentsTest::everyShownTabHasItsDocument_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("fields");
    int shown = 0;
    for (const auto& tab : bulbicalc::kTabSheets) {
        if (!tab.shown)
            continue;
        ++shown;
        QStringList fields;
        for (const Expected& expected : kExpected)
            if (tab.name == expected.sheet)
                fields = expected.fields;
        QVERIFY2(!fields.isEmpty(), tab.name.data());
        QTest::newRow(tab.name.data()) << str(tab.helpDocument) << str(tab.caption).trimmed() << fields;
    }
    QCOMPARE(shown, 9);
}

void HelpDocumentsTest::everyShownTabHasItsDocument()
{
    QFETCH(QString, document);
    QFETCH(QString, title);
    QFETCH(QStringList, fields);
    const QString path = folder() + QLatin1Char('/') + document;

    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path + QStringLiteral(" is missing")));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF-1."));
    QVERIFY(bytes.right(64).contains("%%EOF"));

    // pdfinfo parses the whole file: a valid PDF, A4, titled after the tab.
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    QVERIFY2(!info.isNull(), "pdfinfo cannot read the document");
    QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("Bulbicalc - Ajuda: ") + title), qPrintable(info));
    const QRegularExpressionMatch pagesMatch =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    QVERIFY(pagesMatch.hasMatch());
    const int pages = pagesMatch.captured(1).toInt();
    QVERIFY(pages >= 1);

    // The first page opens with the tab's title and carries its page number.
    const QString first = flattened(run(
        QStringLiteral("pdftotext"), {QStringLiteral("-raw"), QStringLiteral("-f"), QStringLiteral("1"),
                                      QStringLiteral("-l"), QStringLiteral("1"), path, QStringLiteral("-")}));
    QVERIFY2(first.contains(title), qPrintable(first.left(300)));
    QVERIFY2(first.contains(QStringLiteral("Página 1 de %1").arg(pages)), qPrintable(first.left(300)));

    const QString text =
        flattened(run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), path, QStringLiteral("-")}));
    for (const QString& field : fields)
        QVERIFY2(text.contains(field), qPrintable(QStringLiteral("no \"%1\" in %2").arg(field, document)));
    QVERIFY(text.contains(QStringLiteral("Página %1 de %1").arg(pages)));

    // Real text in the fonts the documents ask for, embedded.
    const QString fonts = run(QStringLiteral("pdffonts"), {path});
    QVERIFY2(fonts.contains(QStringLiteral("LiberationSans")) || fonts.contains(QStringLiteral("DejaVuSans")),
             qPrintable(fonts));
    // Below the heading rule, one font a line; its "emb" column is the fifth from the end.
    const QStringList lines = fonts.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(lines.size() > 2);
    for (const QString& line : lines.mid(2)) {
        const QStringList columns = line.simplified().split(QLatin1Char(' '));
        QVERIFY2(columns.size() >= 5 && columns[columns.size() - 5] == QLatin1String("yes"),
                 qPrintable(line));
    }
}

void HelpDocumentsTest::noHalfWrittenDocumentIsLeft()
{
    const QStringList partial = QDir(folder()).entryList({QStringLiteral("*.part")}, QDir::Files);
    QCOMPARE(partial, QStringList());
}

void HelpDocumentsTest::helpOpensTheBuiltDocumentOfEveryTab()
{
    DocumentViewer viewer;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &viewer, "open");
    bulbicalc::ui::test::RecordingPresenter boxes;
    bulbicalc::ui::MainWindow window(QCoreApplication::applicationDirPath().toStdString());
    window.setDialogPresenter(&boxes);
    window.show();
    auto* help = window.findChild<QPushButton*>(QStringLiteral("BitBtn3"));
    QVERIFY(help);
    for (const auto& tab : bulbicalc::kTabSheets) {
        if (!tab.shown)
            continue;
        window.tabs().setCurrentWidget(window.findChild<QWidget*>(str(tab.name)));
        QTest::mouseClick(help, Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY2(!viewer.opened.isEmpty(), tab.name.data());
        const QString opened = viewer.opened.takeLast().toLocalFile();
        QCOMPARE(QFileInfo(opened).canonicalFilePath(),
                 QFileInfo(folder() + QLatin1Char('/') + str(tab.helpDocument)).canonicalFilePath());
        QVERIFY(viewer.opened.isEmpty());
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(boxes.defects, QStringList());
}

QTEST_MAIN(HelpDocumentsTest)
#include "help_documents_test.moc"
