// SPDX-License-Identifier: MIT
#include "session/session.h"
#include "support/fakemessages.h"
#include "support/manualclock.h"

#include <QSignalSpy>
#include <QtTest>

using namespace wortilo;
using wortilo::test::FakeMessages;
using wortilo::test::ManualClock;

namespace {

const QString kAll = QStringLiteral("AÄBCDEFGHIJKLMNOÖPQRSßTUÜVWXYZ");

// A session on a folder of four words: Hund, Katze, Ufo and Ei.
struct Fixture {
    Fixture()
    {
        for (const char *name : {"derHund.jpg", "dieKatze.bmp", "dasUfo.gif", "dasEi.jpg"}) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            file.open(QIODevice::WriteOnly);
        }
        session = std::make_unique<Session>(messages, dir.path(), clock);
        session->bildersuchen();
        session->loadWords();
    }
    // One flag per letter of the list: set where the letter occurs in letters.
    QVector<bool> flags(const QString &letters) const
    {
        QVector<bool> out;
        for (const QString &letter : session->words().letters())
            out.append(letters.contains(letter));
        return out;
    }
    QTemporaryDir dir;
    FakeMessages messages;
    ManualClock clock;
    std::unique_ptr<Session> session;
};

} // namespace

class TestSession : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void severalLettersAtOnce_data();
    void severalLettersAtOnce();
    void filterMessageBeforeUnchecking();
};

void TestSession::severalLettersAtOnce_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("label");
    QTest::newRow("select all") << QString() << kAll << " 4 Nomen ";
    QTest::newRow("a range") << QString() << QStringLiteral("EFGHI") << " 1 Nomen ";
    QTest::newRow("a range dropped from all") << kAll << QStringLiteral("EFGHIJKLMNOÖPQRSßTUÜVWXYZ") << " 2 Nomen ";
    QTest::newRow("letters added to two") << QStringLiteral("EI") << QStringLiteral("DEHINU") << " 2 Nomen ";
}

void TestSession::severalLettersAtOnce()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, label);
    Fixture f;
    f.session->setLetterSelection(f.flags(before));
    QCOMPARE(f.session->words().selectedLetters(), before);
    QSignalSpy reported(f.session.get(), &Session::wordsChanged);
    f.session->setLetterSelection(f.flags(after));
    QCOMPARE(f.session->words().selectedLetters(), after);
    QCOMPARE(f.session->words().label(), label);
    QCOMPARE(reported.count(), 1);
}

void TestSession::filterMessageBeforeUnchecking()
{
    Fixture f;
    f.session->setLetterSelection(f.flags(QString()));
    QSignalSpy switched(f.session.get(), &Session::filterChanged);
    qsizetype switchedWhileShown = -1;
    QString labelWhileShown;
    f.messages.whileShown = [&] {
        switchedWhileShown = switched.count();
        labelWhileShown = f.session->words().label();
    };
    f.session->setFilter(true);
    QCOMPARE(f.messages.count(), 1);
    // The count is already shown and the box still checked while the message is up.
    QCOMPARE(labelWhileShown, QStringLiteral(" 0 Wörter "));
    QCOMPARE(switchedWhileShown, 0);
    QCOMPARE(switched.count(), 1);
    QCOMPARE(switched.first().first().toBool(), false);
}

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
