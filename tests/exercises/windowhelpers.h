// SPDX-License-Identifier: MIT
#pragma once
// Driving exercise windows in tests as the menu and a child do.
#include "exercises/exercisewindow.h"

#include <QImage>
#include <QPushButton>
#include <QtTest>

namespace windowhelpers {

// What the main window does when it opens an activity window.
inline void open(wortilo::ExerciseWindow &window)
{
    window.activate();
    window.show();
}

inline void click(QWidget *window, const QString &name)
{
    auto *button = window->findChild<QPushButton *>(name);
    QVERIFY2(button, qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
}

inline int countColour(const QImage &image, const QRect &area, const QColor &colour)
{
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += QColor(image.pixel(x, y)) == colour;
    return n;
}

// The widget as drawn shows its text in the colour on the background (the background filling
// most of it).
inline bool drawnIn(QWidget *widget, const QColor &text, const QColor &background)
{
    const QImage image = widget->grab().toImage();
    return countColour(image, image.rect(), text) >= 30
           && countColour(image, image.rect(), background) > image.width() * image.height() / 2;
}

} // namespace windowhelpers
