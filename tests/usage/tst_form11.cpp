// SPDX-License-Identifier: MIT
// The usage view: the log's lines land in their activity's list in the order appended, survive
// "Abbruch ..." and are emptied when the view is closed by its close box.
#include "support/fakecontext.h"
#include "usage/form11.h"
#include "usage/usagelog.h"

#include <QAction>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace wortilo;
using wortilo::test::FakeContext;

namespace {

Form11::Headings headings()
{
    Form11::Headings h;
    for (int i = 0; i < kActivityCount; ++i)
        h[std::size_t(i)] = QStringLiteral("Liste %1").arg(i + 1);
    return h;
}

QStringList shownLines(const Form11 &w, int number)
{
    const auto *list = w.findChild<QListWidget *>(QStringLiteral("List%1").arg(number));
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines.append(list->item(i)->text());
    return lines;
}

} // namespace

class TestForm11 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Lines appended before and after the view was made show in their own list, in order,
    // under the heading they were given; a cleared log empties every list.
    void showsTheLog()
    {
        FakeContext host;
        UsageLog log;
        log.append(Activity::Lesen, QStringLiteral("Zebra"));
        Form11 w(host, host, log, headings());
        log.append(Activity::Lesen, QStringLiteral("Öl"));
        log.append(Activity::Galgen, QStringLiteral("Straße"));
        QCOMPARE(shownLines(w, 1), (QStringList{"Zebra", "Öl"}));
        QCOMPARE(shownLines(w, 12), QStringList{"Straße"});
        for (int n = 2; n <= 11; ++n)
            QVERIFY(shownLines(w, n).isEmpty());
        for (int n = 1; n <= kActivityCount; ++n) {
            const auto *label = w.findChild<QLabel *>(QStringLiteral("Label%1").arg(n + 1));
            const auto *list = w.findChild<QListWidget *>(QStringLiteral("List%1").arg(n));
            QCOMPARE(label->text(), QStringLiteral("Liste %1").arg(n));
            QCOMPARE(list->accessibleName(), label->text());
            QCOMPARE(label->x(), list->x());
            QVERIFY(label->geometry().bottom() < list->y());
        }
        log.clear();
        QVERIFY(shownLines(w, 1).isEmpty());
        QVERIFY(shownLines(w, 12).isEmpty());
    }

    // Each opening centres the view and shows the player's name as typed, markup included.
    void activationShowsNameAndCentres()
    {
        FakeContext host;
        UsageLog log;
        Form11 w(host, host, log, headings());
        auto *label1 = w.findChild<QLabel *>(QStringLiteral("Label1"));
        for (const QString &name : {QStringLiteral("Freund"), QStringLiteral("<b>Jürgen</b>")}) {
            host.name = name;
            w.show();
            w.move(0, 0);
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            w.activate();
            QCOMPARE(label1->text(), name);
            const QPoint offset = w.frameGeometry().center() - w.screen()->geometry().center();
            QVERIFY(offset.manhattanLength() <= 2);
        }
        QCOMPARE(label1->textFormat(), Qt::PlainText);
    }

    // "Abbruch ..." hides the view and keeps the log; the close box discards the view and, during
    // the run, empties the log and returns to the menu.
    void leaving_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::addColumn<bool>("quitting");
        QTest::addColumn<int>("linesAfter");
        QTest::addColumn<int>("returns");
        QTest::addColumn<bool>("discarded");
        QTest::newRow("Abbruch") << false << false << 1 << 1 << false;
        QTest::newRow("close box") << true << false << 0 << 1 << true;
        QTest::newRow("close box, program ending") << true << true << 1 << 0 << true;
    }
    void leaving()
    {
        QFETCH(bool, closeBox);
        QFETCH(bool, quitting);
        QFETCH(int, linesAfter);
        QFETCH(int, returns);
        QFETCH(bool, discarded);
        FakeContext host;
        UsageLog log;
        log.append(Activity::Diktat, QStringLiteral("Haus"));
        QPointer<Form11> w = new Form11(host, host, log, headings());
        w->show();
        w->activate();
        host.isQuitting = quitting;
        if (closeBox)
            QVERIFY(w->close());
        else
            QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(log.size(), linesAfter);
        QCOMPARE(host.returnToMenuCalls, returns);
        QCOMPARE(w.isNull(), discarded);
        if (w) {
            QVERIFY(!w->isVisible());
            delete w;
        }
    }

    // Printed to a PDF (as the print dialog's "Print to File" does), the sheet holds the name,
    // the date, every heading and every listed word, as pdftotext reads them back; a name is
    // printed as typed, never as markup.
    void printsEveryWord()
    {
        FakeContext host;
        host.name = QStringLiteral("<b>Jürgen</b>");
        host.manualClock.date = QDate(2026, 3, 9);
        UsageLog log;
        QStringList words;
        for (int i = 0; i < 40; ++i)
            words << QStringLiteral("Wort%1").arg(QChar(u'A' + i % 26)) + QString(i / 26 + 1, u'x');
        words << QStringLiteral("Straße") << QStringLiteral("Äpfel") << QStringLiteral("Öl");
        for (qsizetype i = 0; i < words.size(); ++i)
            log.append(Activity(int(i % kActivityCount)), words[i]);
        Form11 w(host, host, log, headings());
        w.activate();
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("kontrolle.pdf"));
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        w.printTo(printer);
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
        QVERIFY2(pdftotext.waitForFinished(30000), "pdftotext (poppler-utils) did not run");
        QCOMPARE(pdftotext.exitCode(), 0);
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY2(text.contains(QStringLiteral("<b>Jürgen</b>")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("09.03.2026")));
        for (int n = 1; n <= kActivityCount; ++n)
            QVERIFY(text.contains(QStringLiteral("Liste %1").arg(n)));
        for (const QString &word : words)
            QVERIFY2(text.contains(word), qPrintable(word));
    }

    // Ctrl+P opens the print dialog; the lists' context menus offer "Drucken …", the same action.
    void printOpensTheDialog()
    {
        FakeContext host;
        UsageLog log;
        Form11 w(host, host, log, headings());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        bool dialogShown = false;
        QTimer::singleShot(0, &w, [&] {
            if (auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget())) {
                dialogShown = true;
                dialog->reject();
            }
        });
        QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(dialogShown);
        for (int n = 1; n <= kActivityCount; ++n) {
            const auto *list = w.findChild<QListWidget *>(QStringLiteral("List%1").arg(n));
            QCOMPARE(list->contextMenuPolicy(), Qt::ActionsContextMenu);
            QCOMPARE(list->actions().size(), 1);
            QCOMPARE(list->actions().first()->text(), QStringLiteral("Drucken …"));
            QCOMPARE(list->actions().first()->shortcut(), QKeySequence(QKeySequence::Print));
        }
    }
};

QTEST_MAIN(TestForm11)
#include "tst_form11.moc"
