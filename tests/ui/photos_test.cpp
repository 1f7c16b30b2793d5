// The tab "Fotos": the real spin box UpDown3 browses the eight pictures, one
// frame shown at a time with its position text and caption; the position stays
// while the user visits other tabs, and a picture is decoded only once it has
// been shown.
#include "ui_test_support.h"

#include "ui/app/picture_frame.h"

#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

#include <memory>

using bulbicalc::ui::PictureFrame;
using bulbicalc::ui::test::str;
using bulbicalc::ui::test::WindowFixture;

namespace {

struct Picture {
    const char* frame;
    const char* caption;
    QSize size; // of the JPEG the frame shows
};

const Picture kPictures[] = {
    {"Image3", "Deficiência de Manganês", {1152, 864}}, {"Image4", "Deficiência de Nitrogênio", {2133, 1600}},
    {"Image5", "Deficiência de Fósforo", {2073, 1350}}, {"Image6", "Deficiência de Potássio", {3142, 2060}},
    {"Image7", "Deficiência de Cálcio", {1620, 1138}},  {"Image8", "Deficiência de Magnésio", {2162, 1404}},
    {"Image9", "Deficiência de Enxofre", {1250, 753}},  {"Image10", "Deficiência de Zinco", {1745, 1113}},
};

} // namespace

class PhotosTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bulbicalc::ui::test::prepareApplication(); }
    void init()
    {
        fixture_ = std::make_unique<WindowFixture>();
        QVERIFY(fixture_->activate("TabSheet8"));
        spin_ = fixture_->find<QSpinBox>("UpDown3");
        QVERIFY(spin_);
    }
    void cleanup()
    {
        QCOMPARE(fixture_->boxes().errors, QStringList());
        QCOMPARE(fixture_->boxes().messages, QStringList());
        QCOMPARE(fixture_->unexpectedDialogs(), 0);
        fixture_.reset();
    }

    void startsAtTheManganesePicture();
    void keysStepThroughEveryPictureAndStopAtTheEnds();
    void theArrowsOfTheSpinBoxMoveOneStep();
    void thePositionStaysAcrossTabChanges();
    void aPictureIsDecodedOnlyOnceShown();

private:
    std::unique_ptr<WindowFixture> fixture_;
    QSpinBox* spin_ = nullptr;

    QString text(const char* label) { return fixture_->find<QLabel>(label)->text(); }

    // Exactly the frame of `position` is shown, with its picture and caption.
    void verifyShown(int position, const QString& positionText)
    {
        QWidget* page = fixture_->find<QWidget>("TabSheet8");
        const Picture& expected = kPictures[position - 1];
        for (const Picture& picture : kPictures) {
            auto* frame = fixture_->find<PictureFrame>(picture.frame);
            QVERIFY(frame);
            QCOMPARE(frame->isVisibleTo(page), &picture == &expected);
        }
        auto* frame = fixture_->find<PictureFrame>(expected.frame);
        QCOMPARE(frame->pictureSize(), expected.size);
        QVERIFY(!frame->pictureRect().isEmpty());
        QCOMPARE(text("Label48"), positionText);
        QCOMPARE(text("Label66"), str(expected.caption));
        QCOMPARE(spin_->value(), position);
        QCOMPARE(fixture_->find<QLineEdit>("Edit27")->text(), QString::number(position));
    }

    void key(Qt::Key k)
    {
        QTest::keyClick(spin_, k);
        fixture_->settle();
    }

    // A click on the upper or lower half of the spin box's arrow column.
    void clickArrow(bool up)
    {
        const QPoint point(spin_->width() - 6, up ? spin_->height() / 4 : spin_->height() * 3 / 4);
        QTest::mouseClick(spin_, Qt::LeftButton, Qt::NoModifier, point);
        fixture_->settle();
    }
};

void PhotosTest::startsAtTheManganesePicture()
{
    verifyShown(1, QStringLiteral("Fotos 1/8"));
    QCOMPARE(spin_->minimum(), 1);
    QCOMPARE(spin_->maximum(), 8);
    // The source line says what the pictures are.
    const auto* source = fixture_->find<QLabel>("photoSourceLabel");
    QVERIFY(source);
    QVERIFY(source->text().contains(str("ilustrações dos sintomas")));
}

void PhotosTest::keysStepThroughEveryPictureAndStopAtTheEnds()
{
    spin_->setFocus();
    // Below the first picture there is nothing: the start text stays.
    key(Qt::Key_Down);
    verifyShown(1, QStringLiteral("Fotos 1/8"));
    for (int position = 2; position <= 8; ++position) {
        key(Qt::Key_Up);
        verifyShown(position, QStringLiteral("Foto %1/8").arg(position));
    }
    key(Qt::Key_Up);
    verifyShown(8, QStringLiteral("Foto 8/8"));
    for (int position = 7; position >= 1; --position) {
        key(Qt::Key_Down);
        verifyShown(position, QStringLiteral("Foto %1/8").arg(position));
    }
    key(Qt::Key_Down);
    verifyShown(1, QStringLiteral("Foto 1/8"));
}

void PhotosTest::theArrowsOfTheSpinBoxMoveOneStep()
{
    clickArrow(true);
    verifyShown(2, QStringLiteral("Foto 2/8"));
    clickArrow(true);
    verifyShown(3, QStringLiteral("Foto 3/8"));
    clickArrow(false);
    verifyShown(2, QStringLiteral("Foto 2/8"));
    clickArrow(false);
    verifyShown(1, QStringLiteral("Foto 1/8"));
}

void PhotosTest::thePositionStaysAcrossTabChanges()
{
    spin_->setFocus();
    for (int i = 0; i < 3; ++i)
        key(Qt::Key_Up);
    verifyShown(4, QStringLiteral("Foto 4/8"));
    QTabWidget& tabs = fixture_->window().tabs();
    for (const char* sheet : {"TabSheet1", "TabSheet10", "TabSheet7"}) {
        tabs.setCurrentWidget(fixture_->find<QWidget>(sheet));
        fixture_->settle();
    }
    tabs.setCurrentWidget(fixture_->find<QWidget>("TabSheet8"));
    fixture_->settle();
    verifyShown(4, QStringLiteral("Foto 4/8"));
}

void PhotosTest::aPictureIsDecodedOnlyOnceShown()
{
    QVERIFY(fixture_->find<PictureFrame>("Image3")->isDecoded());
    for (const char* frame : {"Image6", "Image10"})
        QVERIFY(!fixture_->find<PictureFrame>(frame)->isDecoded());
    spin_->setValue(8);
    fixture_->settle();
    verifyShown(8, QStringLiteral("Foto 8/8"));
    QVERIFY(fixture_->find<PictureFrame>("Image10")->isDecoded());
    // A picture skipped over is still not decoded.
    QVERIFY(!fixture_->find<PictureFrame>("Image6")->isDecoded());
}

QTEST_MAIN(PhotosTest)
#include "photos_test.moc"
