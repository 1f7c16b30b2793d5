// Work for tabs the user has not opened waits: only the first tab's page is
// built with the window; a page is built when its tab is activated or in the
// idle turns after the first paint, and then shows the core's state as if it
// had been there all along. Pictures are decoded when first painted, and a
// chart is drawn when its view is shown.
#include "ui_test_support.h"

#include "core/app/window_state.h"
#include "ui/app/chart_view.h"
#include "ui/app/event_boundary.h"
#include "ui/app/picture_frame.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using bulbicalc::ui::ChartView;
using bulbicalc::ui::MainWindow;
using bulbicalc::ui::PictureFrame;
using bulbicalc::ui::test::RecordingPresenter;

class DeferredPagesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bulbicalc::ui::test::prepareApplication(); }
    void init()
    {
        data_ = std::make_unique<QTemporaryDir>();
        QVERIFY(data_->isValid());
        QVERIFY(bulbicalc::ui::test::copyTree(QStringLiteral(BULBICALC_TEST_DATA_DIR), data_->path()));
        window_ = std::make_unique<MainWindow>(data_->path().toStdString());
        window_->setDialogPresenter(&boxes_);
    }
    void cleanup()
    {
        window_.reset();
        data_.reset();
        QCOMPARE(boxes_.errors, QStringList());
    }

    void onlyTheFirstPageIsBuiltWithTheWindow();
    void theOtherPagesFollowInTheIdleTurnsAfterTheFirstPaint();
    void aPageBuiltLateShowsTheCoresState();
    void picturesAreDecodedWhenFirstPainted();
    void aHiddenChartIsDrawnWhenShown();

private:
    std::unique_ptr<QTemporaryDir> data_;
    RecordingPresenter boxes_;
    std::unique_ptr<MainWindow> window_;

    int builtPages() const
    {
        int built = 0;
        for (int i = 0; i < window_->tabs().count(); ++i)
            built += window_->isPageBuilt(i) ? 1 : 0;
        return built;
    }
};

void DeferredPagesTest::onlyTheFirstPageIsBuiltWithTheWindow()
{
    QCOMPARE(builtPages(), 1);
    QVERIFY(window_->isPageBuilt(0));
    QVERIFY(window_->findChild<QLineEdit*>(QStringLiteral("EdArgila")));
    QVERIFY(!window_->findChild<QLineEdit*>(QStringLiteral("Edit1")));
}

void DeferredPagesTest::theOtherPagesFollowInTheIdleTurnsAfterTheFirstPaint()
{
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QTRY_COMPARE(builtPages(), window_->tabs().count());
    // Nothing was activated on the way.
    QCOMPARE(window_->tabs().currentIndex(), 0);
    QCOMPARE(QString::fromStdString(window_->core().activeTab()), QStringLiteral("TabSheet1"));
}

void DeferredPagesTest::aPageBuiltLateShowsTheCoresState()
{
    // Typed and left on the first tab before "Calagem" exists: the SMP index
    // and its lime need are computed in the core.
    window_->core().type("EdSMP", "5,3");
    window_->core().leave("EdSMP");
    QVERIFY(!window_->isPageBuilt(1));
    window_->show();
    window_->tabs().setCurrentIndex(1);
    QVERIFY(window_->isPageBuilt(1));
    auto* index = window_->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    auto* need = window_->findChild<QLineEdit*>(QStringLiteral("Edit2"));
    QVERIFY(index && need);
    QCOMPARE(index->text(), QStringLiteral("5,3"));
    QCOMPARE(need->text(), QStringLiteral("7,5"));
    // And it takes part in the refresh after every event from then on.
    window_->boundary().run([&] { window_->core().type("Edit1", "6,0"); });
    QCOMPARE(need->text(), QStringLiteral("3,2"));
}

void DeferredPagesTest::picturesAreDecodedWhenFirstPainted()
{
    window_->buildAllPages();
    auto* transplant = window_->findChild<PictureFrame*>(QStringLiteral("Image1"));
    QVERIFY(transplant);
    // The layout knows the size from the file's header alone.
    QCOMPARE(transplant->pictureSize(), QSize(1348, 464));
    QVERIFY(!transplant->isDecoded());
    window_->show();
    window_->tabs().setCurrentWidget(window_->findChild<QWidget*>(QStringLiteral("TabSheet5")));
    QTRY_VERIFY(transplant->isDecoded());
    // The picture of the other system stays undecoded while it is hidden.
    QVERIFY(!window_->findChild<PictureFrame*>(QStringLiteral("Image2"))->isDecoded());
}

void DeferredPagesTest::aHiddenChartIsDrawnWhenShown()
{
    window_->buildAllPages();
    window_->show();
    auto* bars = window_->findChild<ChartView*>(QStringLiteral("Chart2"));
    auto* pie = window_->findChild<ChartView*>(QStringLiteral("Chart3"));
    QVERIFY(bars && pie);
    QTRY_VERIFY(pie->isDrawn());
    QVERIFY(bars->shown().has_value());
    QVERIFY(!bars->isDrawn());
    window_->tabs().setCurrentIndex(1);
    QTRY_VERIFY(bars->isDrawn());
}

QTEST_MAIN(DeferredPagesTest)
#include "deferred_pages_test.moc"
