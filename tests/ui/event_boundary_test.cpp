// The event boundary: a user's error shows the error box with its message; a
// defect of the program (a handler naming a control the window does not
// have) shows a box naming it, and the program goes on as before.
#include "ui_test_support.h"

#include "core/app/window_state.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

using bulbicalc::WindowState;
using bulbicalc::ui::test::WindowFixture;

class EventBoundaryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bulbicalc::ui::test::prepareApplication(); }
    void init()
    {
        fixture_ = std::make_unique<WindowFixture>();
        QVERIFY(fixture_->activate("TabSheet1"));
    }
    void cleanup()
    {
        QCOMPARE(fixture_->unexpectedDialogs(), 0);
        fixture_.reset();
    }

    void anUnknownControlNameIsShownAsADefectAndTheProgramGoesOn();
    void aUsersErrorIsNoDefect();

private:
    std::unique_ptr<WindowFixture> fixture_;
};

void EventBoundaryTest::anUnknownControlNameIsShownAsADefectAndTheProgramGoesOn()
{
    auto& boxes = fixture_->boxes();
    boxes.failOnDefect = false; // this test expects one
    // The Mehlich-3 note is a button without an action of its own: give it a
    // handler with a typo in a control name.
    fixture_->window().core().onClick("BtObs1", [](WindowState& w) { w.setText("EdArgilla", "40"); });
    QTest::mouseClick(fixture_->find<QPushButton>("BtObs1"), Qt::LeftButton);
    fixture_->settle();
    QCOMPARE(boxes.defects,
             QStringList{QStringLiteral("Erro interno do programa: no control named EdArgilla")});
    QCOMPARE(boxes.errors, QStringList());

    // The window still works.
    auto* clay = fixture_->find<QLineEdit>("EdArgila");
    clay->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(clay, QStringLiteral("45"));
    QTest::keyClick(clay, Qt::Key_Return);
    fixture_->settle();
    QCOMPARE(fixture_->find<QLineEdit>("EdClasseArgila")->text(), QStringLiteral("Classe 2"));
}

void EventBoundaryTest::aUsersErrorIsNoDefect()
{
    auto& boxes = fixture_->boxes();
    auto* ctc = fixture_->find<QLineEdit>("EdCTC");
    ctc->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(ctc, QStringLiteral("x"));
    QTest::keyClick(ctc, Qt::Key_Return);
    fixture_->settle();
    QCOMPARE(boxes.errors, QStringList{QStringLiteral("'x' is not a valid floating point value")});
    QCOMPARE(boxes.defects, QStringList());
}

QTEST_MAIN(EventBoundaryTest)
#include "event_boundary_test.moc"
