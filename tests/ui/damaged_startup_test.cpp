// The window over a data folder whose start-up files are damaged: a
// catalogue, a drawing or a photograph missing, empty, truncated, with a
// header that promises a huge picture, of random bytes, a folder in its place
// or unreadable. The window always opens with its nine tabs; a catalogue that
// does not read gives the one error box of the start-up, a picture that does
// not read an empty frame and no box; every other picture is drawn, and the
// other tabs work.
#include "ui_test_support.h"

#include "core/app/window_state.h"
#include "ui/app/grid_model.h"
#include "ui/app/grid_view.h"
#include "ui/app/picture_frame.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>
#include <QtTest>

#include <unistd.h>

using bulbicalc::ui::GridView;
using bulbicalc::ui::PictureFrame;
using bulbicalc::ui::test::str;

namespace {

enum class Damage {
    Missing,
    Empty,
    Truncated,
    HeaderOnly,
    HugeHeader,       // a PNG header of 60000 × 60000 pixels, more than Qt decodes
    ImpossibleHeader, // a PNG header of 2^31 - 1 pixels each way, refused by libpng
    RandomBytes,
    Folder,
    Unreadable,
};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

// A chunk of a PNG file with its CRC.
QByteArray pngChunk(const char* type, const QByteArray& data)
{
    QByteArray chunk;
    char length[4];
    qToBigEndian<quint32>(quint32(data.size()), length);
    chunk.append(length, 4);
    QByteArray body = QByteArray(type, 4) + data;
    chunk.append(body);
    // CRC-32 of type and data, as PNG has it.
    quint32 crc = 0xFFFFFFFFu;
    for (char c : body) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    char sum[4];
    qToBigEndian<quint32>(crc ^ 0xFFFFFFFFu, sum);
    chunk.append(sum, 4);
    return chunk;
}

// A PNG whose header promises `width` × `height` pixels of RGBA and whose
// data stops after a few bytes.
QByteArray hugePng(quint32 width, quint32 height)
{
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(width, header.data());
    qToBigEndian<quint32>(height, header.data() + 4);
    header[8] = 8; // bit depth
    header[9] = 6; // RGBA
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) +
           pngChunk("IDAT", QByteArray("\x78\x9c\x01\x00\x00\xff\xff", 7));
}

// Damages the file `relative` of the data folder `dir`; false when the damage
// cannot be made here (an unreadable file for root).
bool damageFile(const QString& dir, const QString& relative, Damage kind)
{
    const QString path = dir + QLatin1Char('/') + relative;
    const QByteArray shipped = readAll(path);
    switch (kind) {
    case Damage::Missing:
        return QFile::remove(path);
    case Damage::Empty:
        return writeAll(path, {});
    case Damage::Truncated:
        if (path.endsWith(QLatin1String(".txt"))) {
            // A catalogue cut after the first number of its line 3.
            const qsizetype line3 = shipped.indexOf('\n', shipped.indexOf('\n') + 1) + 1;
            return writeAll(path, shipped.left(line3 + 7));
        }
        return writeAll(path, shipped.left(shipped.size() / 2));
    case Damage::HeaderOnly:
        // The signature and the header chunk of a PNG; the first bytes of a
        // JPEG or a text.
        return writeAll(path, shipped.left(33));
    case Damage::HugeHeader:
        return writeAll(path, hugePng(60000, 60000));
    case Damage::ImpossibleHeader:
        return writeAll(path, hugePng(0x7FFFFFFF, 0x7FFFFFFF));
    case Damage::RandomBytes: {
        QRandomGenerator generator(20210925);
        QByteArray noise(64 * 1024, '\0');
        for (char& c : noise)
            c = char(generator.bounded(256));
        return writeAll(path, noise);
    }
    case Damage::Folder:
        return QFile::remove(path) && QDir().mkpath(path + QStringLiteral("/inside"));
    case Damage::Unreadable:
        if (geteuid() == 0)
            return false;
        return QFile::setPermissions(path, QFileDevice::Permissions());
    }
    return false;
}

const QStringList kFrames = {QStringLiteral("Image1"), QStringLiteral("Image2"), QStringLiteral("Image3"),
                             QStringLiteral("Image4"), QStringLiteral("Image5"), QStringLiteral("Image6"),
                             QStringLiteral("Image7"), QStringLiteral("Image8"), QStringLiteral("Image9"),
                             QStringLiteral("Image10")};

} // namespace

Q_DECLARE_METATYPE(Damage)

class DamagedStartupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bulbicalc::ui::test::prepareApplication(); }

    void windowOpensWithOneBoxAtMost_data();
    void windowOpensWithOneBoxAtMost();
    void theWholeFotosFolderMissingLeavesEveryPhotoFrameEmpty();
};

void DamagedStartupTest::windowOpensWithOneBoxAtMost_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<QString>("error");           // the start-up's error box; empty: none
    QTest::addColumn<QStringList>("emptyFrames"); // the picture frames left empty

    const QString minerals = QStringLiteral("Auxiliares/AdubosMinerais.txt");
    const QString organics = QStringLiteral("Auxiliares/AdubosOrganicos.txt");
    const QString notFound = QStringLiteral("File not found");
    const QString invalid = QStringLiteral("Invalid numeric input");
    const QString denied = QStringLiteral("File access denied");
    for (const QString& file : {minerals, organics}) {
        const QString name = file.section(QLatin1Char('/'), 1);
        QTest::addRow("%s missing", qPrintable(name)) << file << Damage::Missing << notFound << QStringList();
        // An empty catalogue has no entries and no failure.
        QTest::addRow("%s empty", qPrintable(name)) << file << Damage::Empty << QString() << QStringList();
        // Cut in the middle of a line's numbers.
        QTest::addRow("%s truncated", qPrintable(name))
            << file << Damage::Truncated << invalid << QStringList();
        QTest::addRow("%s a PNG file", qPrintable(name))
            << file << Damage::HugeHeader << invalid << QStringList();
        QTest::addRow("%s random bytes", qPrintable(name))
            << file << Damage::RandomBytes << invalid << QStringList();
        QTest::addRow("%s a folder", qPrintable(name)) << file << Damage::Folder << denied << QStringList();
        QTest::addRow("%s unreadable", qPrintable(name))
            << file << Damage::Unreadable << denied << QStringList();
    }

    struct Picture {
        const char* file;
        const char* frame;
    };
    const Picture pictures[] = {
        {"Imagens/estadios_transplante.png", "Image1"},
        {"Imagens/estadios_semeadura.png", "Image2"},
        {"Imagens/Fotos/foto1.jpg", "Image3"},
        {"Imagens/Fotos/foto8.jpg", "Image10"},
    };
    for (const Picture& p : pictures) {
        const QString file = QString::fromLatin1(p.file);
        const QString name = file.section(QLatin1Char('/'), -1);
        const QStringList frame{QString::fromLatin1(p.frame)};
        const bool photograph = file.endsWith(QLatin1String(".jpg"));
        for (const auto& [damage, label] :
             {std::pair{Damage::Missing, "missing"}, std::pair{Damage::Empty, "empty"},
              std::pair{Damage::Truncated, "truncated"}, std::pair{Damage::HeaderOnly, "header only"},
              std::pair{Damage::HugeHeader, "huge header"},
              std::pair{Damage::ImpossibleHeader, "impossible header"},
              std::pair{Damage::RandomBytes, "random bytes"}, std::pair{Damage::Folder, "a folder"},
              std::pair{Damage::Unreadable, "unreadable"}}) {
            // A JPEG cut in half decodes: its upper part shows, the rest is
            // grey, as in any viewer. A PNG cut in half does not decode.
            const bool drawn = photograph && damage == Damage::Truncated;
            QTest::addRow("%s %s", qPrintable(name), label)
                << file << damage << QString() << (drawn ? QStringList() : frame);
        }
    }
    // Read by the PDF report and by the desktop, not at start-up.
    QTest::addRow("logo random bytes")
        << QStringLiteral("Imagens/logo_bulbicalc.png") << Damage::RandomBytes << QString() << QStringList();
    QTest::addRow("logo missing") << QStringLiteral("Imagens/logo_bulbicalc.png") << Damage::Missing
                                  << QString() << QStringList();
    QTest::addRow("icon missing") << QStringLiteral("Imagens/bulbicalc.svg") << Damage::Missing << QString()
                                  << QStringList();
    // The spreadsheet template is read when the report is made.
    QTest::addRow("template random bytes") << QStringLiteral("Auxiliares/ModeloRelatorio.xlsx")
                                           << Damage::RandomBytes << QString() << QStringList();
}

void DamagedStartupTest::windowOpensWithOneBoxAtMost()
{
    QFETCH(QString, file);
    QFETCH(Damage, damage);
    QFETCH(QString, error);
    QFETCH(QStringList, emptyFrames);

    QTemporaryDir data;
    QVERIFY(bulbicalc::ui::test::copyTree(QStringLiteral(BULBICALC_TEST_DATA_DIR), data.path()));
    if (!damageFile(data.path(), file, damage)) {
        QVERIFY(damage == Damage::Unreadable);
        QSKIP("root reads every file");
    }

    bulbicalc::ui::test::RecordingPresenter boxes;
    int dialogs = 0;
    QElapsedTimer clock;
    clock.start();
    auto window = std::make_unique<bulbicalc::ui::MainWindow>(data.path().toStdString());
    window->setDialogPresenter(&boxes);
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ++dialogs;
            modal->close();
        }
    });
    watchdog.start(50);
    window->show();
    // Every tab shown once: its page is built and its pictures painted.
    QTabWidget& tabs = window->tabs();
    for (int i = 0; i < tabs.count(); ++i) {
        if (!tabs.isTabVisible(i))
            continue;
        tabs.setCurrentIndex(i);
        for (int k = 0; k < 3; ++k)
            QApplication::processEvents();
    }
    // No picture keeps the window from opening.
    QVERIFY2(clock.elapsed() < 20000, qPrintable(QString::number(clock.elapsed())));

    int shownTabs = 0;
    for (int i = 0; i < tabs.count(); ++i)
        shownTabs += tabs.isTabVisible(i) ? 1 : 0;
    QCOMPARE(shownTabs, 9);
    QVERIFY(window->isVisible());
    QCOMPARE(boxes.errors, error.isEmpty() ? QStringList() : QStringList{error});
    QCOMPARE(boxes.messages, QStringList());
    QCOMPARE(boxes.defects, QStringList());
    QCOMPARE(dialogs, 0);

    // The damaged picture's frame is empty; every other one is drawn. A
    // hidden frame is painted here to decode its picture.
    for (const QString& name : kFrames) {
        auto* frame = window->findChild<PictureFrame*>(name);
        QVERIFY2(frame, qPrintable(name));
        const QImage shown = frame->grab().toImage();
        QVERIFY(!shown.isNull());
        if (emptyFrames.contains(name)) {
            QVERIFY2(!frame->hasPicture(), qPrintable(name));
            QVERIFY2(frame->pictureRect().isEmpty(), qPrintable(name));
            QVERIFY2(!frame->isDecoded(), qPrintable(name));
        } else {
            QVERIFY2(frame->hasPicture(), qPrintable(name));
            QVERIFY2(frame->isDecoded(), qPrintable(name));
            QVERIFY2(!frame->pictureRect().isEmpty(), qPrintable(name));
        }
    }

    // The workbench grids as the start-up left them: without their headings
    // after a failed catalogue (the later start-up steps skipped), else with them.
    const bool complete = error.isEmpty();
    for (const char* name : {"rstgaRecomenda", "rstgaAplica", "RstgaFalta"}) {
        auto* view = window->findChild<GridView*>(QString::fromLatin1(name));
        QVERIFY(view);
        const auto* model = view->gridModel();
        QCOMPARE(model->data(model->index(0, 1), Qt::DisplayRole).toString(),
                 complete ? QStringLiteral("Par. 1") : QString());
        QCOMPARE(model->data(model->index(1, 0), Qt::DisplayRole).toString(),
                 complete ? QStringLiteral("N") : QString());
    }
    const auto* applied = window->findChild<GridView*>(QStringLiteral("rstgaAplica"))->gridModel();
    QCOMPARE(applied->data(applied->index(1, 1), Qt::DisplayRole).toString(),
             complete ? QStringLiteral("0,0") : QString());
    const auto* mine = window->findChild<GridView*>(QStringLiteral("rStgaMeusAdubos"))->gridModel();
    QCOMPARE(mine->data(mine->index(0, 5), Qt::DisplayRole).toString(),
             complete ? QStringLiteral("R$/Kg") : QStringLiteral("RS/kg"));
    auto* list = window->findChild<QListWidget*>(QStringLiteral("rCheckListBox1"));
    QVERIFY(list);
    QCOMPARE(list->count(), complete ? window->core().grid("StgaAdubos").rowCount() - 1 : 0);

    // Another tab still works: the lime need corrected for the lime's PRNT.
    tabs.setCurrentWidget(window->findChild<QWidget*>(QStringLiteral("TabSheet2")));
    for (const auto& [field, typed] : {std::pair{"Edit10", "7,5"}, std::pair{"Edit11", "80"}}) {
        auto* edit = window->findChild<QLineEdit*>(QString::fromLatin1(field));
        QVERIFY(edit);
        QTest::keyClicks(edit, QString::fromLatin1(typed));
    }
    auto* compute = window->findChild<QPushButton*>(QStringLiteral("BitBtn9"));
    QVERIFY(compute);
    compute->click();
    for (int k = 0; k < 3; ++k)
        QApplication::processEvents();
    QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("Edit12"))->text(), QStringLiteral("9,375"));
    QCOMPARE(boxes.errors.size(), error.isEmpty() ? 0 : 1);
    QCOMPARE(dialogs, 0);
    watchdog.stop();
}

void DamagedStartupTest::theWholeFotosFolderMissingLeavesEveryPhotoFrameEmpty()
{
    QTemporaryDir data;
    QVERIFY(bulbicalc::ui::test::copyTree(QStringLiteral(BULBICALC_TEST_DATA_DIR), data.path()));
    QVERIFY(QDir(data.path() + QStringLiteral("/Imagens/Fotos")).removeRecursively());
    bulbicalc::ui::test::RecordingPresenter boxes;
    bulbicalc::ui::MainWindow window(data.path().toStdString());
    window.setDialogPresenter(&boxes);
    window.buildAllPages();
    window.show();
    window.tabs().setCurrentWidget(window.findChild<QWidget*>(QStringLiteral("TabSheet8")));
    QApplication::processEvents();
    QApplication::processEvents();
    for (const QString& name : kFrames) {
        auto* frame = window.findChild<PictureFrame*>(name);
        QVERIFY(frame);
        frame->grab();
        QCOMPARE(frame->hasPicture(), name == QLatin1String("Image1") || name == QLatin1String("Image2"));
    }
    QCOMPARE(boxes.errors, QStringList());
    QCOMPARE(boxes.messages, QStringList());
}

QTEST_MAIN(DamagedStartupTest)
#include "damaged_startup_test.moc"
