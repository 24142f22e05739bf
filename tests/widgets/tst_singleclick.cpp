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

namespace {
enum class Control { Surface, Picture, Button };
enum class Action { Click, DoubleClick, TwoClicks };
} // namespace
Q_DECLARE_METATYPE(Control)
Q_DECLARE_METATYPE(Action)

class TestSingleClick : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void clicks_data()
    {
        QTest::addColumn<Control>("control");
        QTest::addColumn<Action>("action");
        QTest::addColumn<int>("clicks");
        const struct {
            const char *name;
            Control control;
        } controls[] = {{"surface", Control::Surface}, {"picture", Control::Picture}, {"button", Control::Button}};
        for (const auto &c : controls) {
            QTest::addRow("%s click", c.name) << c.control << Action::Click << 1;
            QTest::addRow("%s double-click", c.name) << c.control << Action::DoubleClick << 1;
            QTest::addRow("%s two clicks", c.name) << c.control << Action::TwoClicks << 2;
        }
    }
    void clicks()
    {
        QFETCH(Control, control);
        QFETCH(Action, action);
        QWidget window;
        window.resize(300, 200);
        QWidget *target = nullptr;
        int clicks = 0, presses = 0;
        switch (control) {
        case Control::Surface: {
            auto *surface = new DrawingSurface(&window);
            connect(surface, &DrawingSurface::clicked, this, [&] { ++clicks; });
            connect(surface, &DrawingSurface::pressed, this, [&] { ++presses; });
            target = surface;
            break;
        }
        case Control::Picture: {
            auto *frame = new PictureFrame(&window);
            frame->setPicture(Picture::fromData(QByteArrayLiteral("kein Bild"))); // its placeholder takes clicks
            QVERIFY(!frame->picture().isEmpty());
            connect(frame, &PictureFrame::clicked, this, [&] { ++clicks; });
            target = frame;
            break;
        }
        case Control::Button: {
            QPushButton *button = addButton(&window, QStringLiteral("Command1"), QStringLiteral("das"),
                                            QRect(0, 0, 1500, 750), QFont());
            connect(button, &QPushButton::clicked, this, [&] { ++clicks; });
            target = button;
            break;
        }
        }
        target->setGeometry(20, 20, 100, 50);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint at = target->rect().center();
        switch (action) {
        case Action::Click: QTest::mouseClick(target, Qt::LeftButton, {}, at); break;
        case Action::DoubleClick: QTest::mouseDClick(target, Qt::LeftButton, {}, at); break;
        case Action::TwoClicks:
            QTest::mouseClick(target, Qt::LeftButton, {}, at);
            QTest::mouseClick(target, Qt::LeftButton, {}, at);
            break;
        }
        QTEST(clicks, "clicks");
        if (control == Control::Surface)
            QTEST(presses, "clicks");
    }
};

QTEST_MAIN(TestSingleClick)
#include "tst_singleclick.moc"
