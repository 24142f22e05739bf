// SPDX-License-Identifier: MIT
// A double-click on the controls where a click answers or plays is one click: the drawing
// surface (word strip, carpet, catch field), the picture frame and the push buttons. The mouse
// goes through the window as a real one does, so Qt itself makes the double-click.
#define QTEST_QPA_MOUSE_HANDLING
#include "pictures/picture.h"
#include "widgets/controls.h"
#include "widgets/drawingsurface.h"
#include "widgets/pictureframe.h"

#include <QPushButton>
#include <QtTest>

using namespace wortilo;

class TestSingleClick : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void clicks_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<int>("singleClicks"); // clicks far enough apart not to make a double-click
        QTest::addColumn<int>("clicks");
        for (const char *control : {"surface", "picture", "button"}) {
            QTest::addRow("%s click", control) << control << false << 1 << 1;
            QTest::addRow("%s double-click", control) << control << true << 0 << 1;
            QTest::addRow("%s two clicks", control) << control << false << 2 << 2;
        }
    }
    void clicks()
    {
        QFETCH(QString, control);
        QFETCH(bool, doubleClick);
        QFETCH(int, singleClicks);
        QWidget window;
        window.resize(300, 200);
        int clicks = 0, presses = 0;
        QWidget *target = nullptr;
        if (control == u"surface") {
            auto *surface = new DrawingSurface(&window);
            connect(surface, &DrawingSurface::clicked, this, [&] { ++clicks; });
            connect(surface, &DrawingSurface::pressed, this, [&] { ++presses; });
            target = surface;
        } else if (control == u"picture") {
            auto *frame = new PictureFrame(&window);
            frame->setPicture(Picture::fromData(QByteArrayLiteral("kein Bild"))); // its placeholder takes clicks
            connect(frame, &PictureFrame::clicked, this, [&] { ++clicks; });
            target = frame;
        } else {
            auto *button = addButton(&window, QStringLiteral("Command4"), QStringLiteral("das"), QRect(), QFont());
            connect(button, &QPushButton::clicked, this, [&] { ++clicks; });
            target = button;
        }
        target->setGeometry(20, 20, 100, 50);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (doubleClick)
            QTest::mouseDClick(target, Qt::LeftButton);
        for (int i = 0; i < singleClicks; ++i)
            QTest::mouseClick(target, Qt::LeftButton);
        QTEST(clicks, "clicks");
        if (control == u"surface")
            QTEST(presses, "clicks");
    }
};

QTEST_MAIN(TestSingleClick)
#include "tst_singleclick.moc"
