// SPDX-License-Identifier: MIT
// An incomplete installation: no print module beside the program. Printing then says why in a
// box and opens no dialog; the usage view goes on as before.
#include "support/fakecontext.h"
#include "usage/form11.h"
#include "usage/usagelog.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>

using namespace wortilo;
using wortilo::test::FakeContext;

class TestPrintMissing : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void printingSaysTheModuleIsMissing()
    {
        FakeContext host;
        UsageLog log;
        log.append(Activity(0), QStringLiteral("Hund"));
        Form11 w(host, host, log, {});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (int attempt = 1; attempt <= 2; ++attempt) { // not loaded once, tried again
            QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier);
            QCOMPARE(host.fakeMessages.count(), attempt);
            QCOMPARE(host.fakeMessages.last().caption, QStringLiteral("Drucken"));
            QCOMPARE(host.fakeMessages.last().text,
                     QStringLiteral("Drucken geht nicht: Wortilo ist nicht vollständig installiert.\r"));
            QVERIFY(!QApplication::activeModalWidget());
        }
        QCOMPARE(w.lines(Activity(0)), QStringList{QStringLiteral("Hund")});
    }
};

QTEST_MAIN(TestPrintMissing)
#include "tst_printmissing.moc"
