// SPDX-License-Identifier: MIT
#include "widgets/firstpaint.h"

#include <QtTest>
#include <QWidget>

using namespace wortilo;

class TestFirstPaint : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void runsOnceAfterThePaint();
    void neverForAWindowNeverPainted();
};

namespace {
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};
} // namespace

void TestFirstPaint::runsOnceAfterThePaint()
{
    QWidget window;
    window.resize(120, 80);
    PaintCounter counter;
    window.installEventFilter(&counter);
    int calls = 0, paintsBefore = -1;
    afterFirstPaint(window, [&] {
        ++calls;
        paintsBefore = counter.paints;
    });
    QTest::qWait(20);
    QCOMPARE(calls, 0); // not shown yet
    window.show();
    QTRY_COMPARE(calls, 1);
    QCOMPARE(paintsBefore, 1);
    window.repaint();
    window.hide();
    window.show();
    QTest::qWait(50);
    QCOMPARE(calls, 1);
}

void TestFirstPaint::neverForAWindowNeverPainted()
{
    int calls = 0;
    {
        QWidget window;
        afterFirstPaint(window, [&] { ++calls; });
    }
    QTest::qWait(20);
    QCOMPARE(calls, 0);
}

QTEST_MAIN(TestFirstPaint)
#include "tst_firstpaint.moc"
