// SPDX-License-Identifier: MIT
#pragma once
#include "app/activities.h"
#include "app/form1.h"
#include "session/session.h"
#include "support/fakemessages.h"
#include "support/manualclock.h"
#include "usage/form11.h"
#include "widgets/activitywindow.h"

#include <QCheckBox>
#include <QPushButton>
#include <QtTest>
#include <functional>

namespace wortilo::test {

// The program on a folder of pictures, every panel allowed, walked through as a child or a
// teacher opens its windows: the main window with each panel, the usage view and each activity
// window (named by its heading) are handed to look, shown, and left again.
struct EveryWindow {
    using Look = std::function<void(QWidget *window, const QString &where)>;

    // Only the activities this admits are opened; with it, the main window and the usage view
    // are not looked at.
    std::function<bool(const ActivityRow &)> onlyActivities;
    // The speaker the activities speak through (none: the session's silent one).
    Speaker *speaker = nullptr;

    void walk(const QString &folder, const Look &look) const
    {
        FakeMessages messages;
        ManualClock clock;
        Session session(messages, folder, clock);
        if (speaker)
            session.setSpeaker(*speaker);
        Form1 menu(session);
        QVERIFY(menu.startUp());
        menu.show();
        click(&menu, QStringLiteral("Optionen"));
        for (const char *name : {"Check3", "Check4", "Check5"})
            menu.findChild<QCheckBox *>(QLatin1String(name))->setChecked(true);
        if (!onlyActivities) {
            look(&menu, QStringLiteral("Form1"));
            for (const char *panel : {"Farben", "Laute", "Name"}) {
                click(&menu, QString::fromUtf8(panel));
                look(&menu, QStringLiteral("Form1"));
            }
            click(&menu, QStringLiteral("Kontrolle"));
            look(menu.usageView(), QStringLiteral("Kontrolle"));
            click(menu.usageView(), QStringLiteral("Abbruch ..."));
        }
        for (const ActivityRow &row : activityTable()) {
            if (onlyActivities && !onlyActivities(row))
                continue;
            click(&menu, QString::fromUtf8(row.caption));
            ActivityWindow *window = menu.activityWindow(row.activity);
            QVERIFY2(window && window->isVisible(), row.caption);
            look(window, QString::fromUtf8(row.heading));
            click(window, QStringLiteral("Abbruch . . ."));
            QVERIFY(menu.isVisible());
        }
    }

    static void click(QWidget *window, const QString &caption)
    {
        for (QPushButton *b : window->findChildren<QPushButton *>())
            if (b->text() == caption && b->isVisible())
                return QTest::mouseClick(b, Qt::LeftButton);
        QFAIL(qPrintable(caption));
    }
};

} // namespace wortilo::test
