// The bottom bar: "&Ajuda" opens the help document of the active tab from the
// folder Ajuda beside the executable with the desktop's viewer, and does
// nothing when the document is missing; "&Fechar" closes the window at once.
//
// The desktop is observed, not replaced: a URL handler for local files takes
// the place of the viewer, so the test sees exactly what the window asks the
// desktop to open.
#include "ui_test_support.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>
#include <QtTest>

#include <memory>

using bulbicalc::ui::test::WindowFixture;

namespace {

// Stands in for the desktop's viewer of local files.
class DocumentViewer : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
    Q_INVOKABLE void open(const QUrl& url) { opened << url; }
};

const char* const kDocuments[][2] = {
    {"TabSheet1", "ajuda_Entrada.pdf"},
    {"TabSheet2", "ajuda_Calagem.pdf"},
    {"TabSheet3", "ajuda_DosesMacroMicro.pdf"},
    {"TabSheet10", "ajuda_DefinicaoAdubacao.pdf"},
    {"TabSheet5", "ajuda_Calendario.pdf"},
    {"TabSheet6", "ajuda_Relatorios.pdf"},
    {"TabSheet9", "ajuda_SelecionarAdubos.pdf"},
    {"TabSheet8", "ajuda_Fotos.pdf"},
    {"TabSheet7", "ajuda_Sobre.pdf"},
};

} // namespace

class HelpTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bulbicalc::ui::test::prepareApplication(); }
    void init()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &viewer_, "open");
        viewer_.opened.clear();
        fixture_ = std::make_unique<WindowFixture>();
    }
    void cleanup()
    {
        QCOMPARE(fixture_->boxes().errors, QStringList());
        QCOMPARE(fixture_->boxes().messages, QStringList());
        QCOMPARE(fixture_->unexpectedDialogs(), 0);
        fixture_.reset();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    }

    void helpOpensTheDocumentOfTheActiveTab_data();
    void helpOpensTheDocumentOfTheActiveTab();
    void helpWithoutTheDocumentDoesNothing();
    void helpWithoutTheHelpFolderDoesNothing();
    void closeEndsAtOnceWhateverWasTyped();

private:
    DocumentViewer viewer_;
    std::unique_ptr<WindowFixture> fixture_;

    QString helpFolder() const { return fixture_->dataDir() + QStringLiteral("/Ajuda"); }

    void writeDocument(const QString& name)
    {
        QVERIFY(QDir().mkpath(helpFolder()));
        QFile file(helpFolder() + QLatin1Char('/') + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("%PDF-1.4\n");
    }

    void showTab(const QString& sheet)
    {
        QTabWidget& tabs = fixture_->window().tabs();
        QWidget* page = fixture_->window().findChild<QWidget*>(sheet);
        QVERIFY(page);
        tabs.setCurrentWidget(page);
        fixture_->settle();
    }

    void pressHelp()
    {
        auto* help = fixture_->find<QPushButton>("BitBtn3");
        QVERIFY(help);
        QTest::mouseClick(help, Qt::LeftButton);
        fixture_->settle();
    }
};

void HelpTest::helpOpensTheDocumentOfTheActiveTab_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("document");
    for (const auto& [sheet, document] : kDocuments)
        QTest::newRow(sheet) << QString::fromLatin1(sheet) << QString::fromLatin1(document);
}

void HelpTest::helpOpensTheDocumentOfTheActiveTab()
{
    QFETCH(QString, sheet);
    QFETCH(QString, document);
    // Every document is there, so a tab that asked for another tab's document would show.
    for (const auto& entry : kDocuments)
        writeDocument(QString::fromLatin1(entry[1]));
    showTab(sheet);
    pressHelp();
    QCOMPARE(viewer_.opened.size(), 1);
    const QUrl url = viewer_.opened.front();
    QVERIFY(url.isLocalFile());
    QCOMPARE(QFileInfo(url.toLocalFile()).canonicalFilePath(),
             QFileInfo(helpFolder() + QLatin1Char('/') + document).canonicalFilePath());
}

void HelpTest::helpWithoutTheDocumentDoesNothing()
{
    // Another tab's document is there, the active tab's is not.
    writeDocument(QStringLiteral("ajuda_Entrada.pdf"));
    showTab(QStringLiteral("TabSheet6"));
    pressHelp();
    QCOMPARE(viewer_.opened, QList<QUrl>());
    // The window goes on as before.
    QVERIFY(fixture_->window().isVisible());
    QCOMPARE(fixture_->window().tabs().currentWidget()->objectName(), QStringLiteral("TabSheet6"));
}

void HelpTest::helpWithoutTheHelpFolderDoesNothing()
{
    QVERIFY(QDir(helpFolder()).removeRecursively());
    pressHelp();
    QCOMPARE(viewer_.opened, QList<QUrl>());
}

void HelpTest::closeEndsAtOnceWhateverWasTyped()
{
    auto* name = fixture_->find<QLineEdit>("Edit21");
    QVERIFY(name);
    showTab(QStringLiteral("TabSheet6"));
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("Fulano de Tal"));
    auto* close = fixture_->find<QPushButton>("BitBtn1");
    QVERIFY(close);
    QTest::mouseClick(close, Qt::LeftButton);
    fixture_->settle();
    QVERIFY(!fixture_->window().isVisible());
    QCOMPARE(viewer_.opened, QList<QUrl>());
}

QTEST_MAIN(HelpTest)
#include "help_test.moc"
