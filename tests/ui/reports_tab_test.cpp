// The tab "Relatórios" and the analysis file buttons: the recommendations
// text in its memo, the text report written into the working directory, and
// "&Salvar Laudo" / "&Abrir Laudo" through the window, the open-file dialog
// included. The desktop's viewer is observed through a URL handler.
#include "ui_test_support.h"

#include "core/app/window_state.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <functional>
#include <memory>

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
    void theTextReportIsWrittenAndShown();
    void aTextReportThatCannotBeWrittenShowsTheErrorBox();
    void theSpreadsheetOpensAFilledCopyAndLeavesTheTemplateAlone();
    void aMissingTemplateShowsTheErrorBoxAndOpensNothing();
    void savingAndOpeningAnAnalysisThroughTheDialog();
    void aCancelledOpenChangesNothing();

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

QTEST_MAIN(ReportsTabTest)
#include "reports_tab_test.moc"
