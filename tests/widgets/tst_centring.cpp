// SPDX-License-Identifier: MIT
#include "widgets/centring.h"

#include <QtTest>

using namespace wortilo;

// A window is centred by its frame, title bar included, not by its client area.
class TestCentring : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void framePosition_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QPoint>("position");
        QTest::newRow("no frame") << QRect(0, 0, 1280, 1024) << QSize(711, 434) << QMargins() << QPoint(284, 295);
        QTest::newRow("title bar") << QRect(0, 0, 1280, 1024) << QSize(711, 434) << QMargins(1, 20, 1, 1)
                                   << QPoint(283, 284);
        QTest::newRow("second screen") << QRect(1280, 0, 800, 600) << QSize(400, 300) << QMargins(2, 22, 2, 2)
                                       << QPoint(1478, 138);
    }
    void framePosition()
    {
        QFETCH(QRect, screen);
        QFETCH(QSize, client);
        QFETCH(QMargins, frame);
        QFETCH(QPoint, position);
        QCOMPARE(centredFramePosition(screen, client, frame), position);
        // The frame's centre is the screen's centre.
        const QRect outer(position, client.grownBy(frame));
        QVERIFY((outer.center() - screen.center()).manhattanLength() <= 2);
    }
};

QTEST_APPLESS_MAIN(TestCentring)
#include "tst_centring.moc"
