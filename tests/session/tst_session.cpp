// SPDX-License-Identifier: MIT
#include "app/activities.h"
#include "core/messages.h"
#include "session/session.h"
#include "support/fakemessages.h"
#include "support/gatemessages.h"
#include "support/manualclock.h"

#include <QSignalSpy>
#include <QtTest>

using namespace wortilo;
using wortilo::test::FakeMessages;
using wortilo::test::ManualClock;

namespace {

const QString kAll = QStringLiteral("AÄBCDEFGHIJKLMNOÖPQRSßTUÜVWXYZ");

const QStringList kFourWords = {"derHund.jpg", "dieKatze.bmp", "dasUfo.gif", "dasEi.jpg"};

// A session on a folder of pictures (by default four words: Hund, Katze, Ufo and Ei), with the
// given settings file (none when null).
struct Fixture {
    explicit Fixture(const QStringList &files = kFourWords, const QByteArray &ini = QByteArray())
    {
        for (const QString &name : files) {
            QFile file(dir.filePath(name));
            file.open(QIODevice::WriteOnly);
        }
        if (!ini.isNull()) {
            QFile file(iniPath());
            file.open(QIODevice::WriteOnly);
            file.write(ini);
        }
        session = std::make_unique<Session>(messages, dir.path(), clock);
        session->bildersuchen();
        session->loadWords();
    }
    QString iniPath() const { return dir.filePath(QStringLiteral("WORTILO.INI")); }
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
    void badSettingsLines_data();
    void badSettingsLines();
    void gates_data();
    void gates();
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

// A settings file is read line by line: a bad line keeps it and the lines after it at their
// defaults, and no message is shown. Saving writes a complete file again.
void TestSession::badSettingsLines_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("switches"); // confirmations, colour settings, letter filter, name entry as 0/1
    QTest::addColumn<int>("consonant");
    QTest::addColumn<int>("vowel");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QString>("letters");
    const QColor black(0, 0, 0);
    QTest::newRow("missing") << QByteArray() << "1001" << 10 << 12 << black << "";
    QTest::newRow("empty") << QByteArray("") << "1001" << 10 << 12 << black << "";
    QTest::newRow("four lines") << QByteArray(" 0 \r\n 1 \r\n 1 \r\n 0 \r\n") << "0110" << 10 << 12 << black << "";
    QTest::newRow("letter in line 6") << QByteArray(" 1 \r\n 1 \r\n 0 \r\n 1 \r\n 3 \r\n x \r\n 9 \r\n 9 \r\n 9 \r\nABC\r\n")
                                      << "1101" << 3 << 12 << black << "";
    QTest::newRow("16 as colour") << QByteArray(" 1 \r\n 0 \r\n 0 \r\n 1 \r\n 16 \r\n 1 \r\n 9 \r\n 9 \r\n 9 \r\nABC\r\n")
                                  << "1001" << 10 << 12 << black << "";
    QTest::newRow("256 as blue") << QByteArray(" 1 \r\n 0 \r\n 0 \r\n 1 \r\n 2 \r\n 4 \r\n 10 \r\n 20 \r\n 256 \r\nABC\r\n")
                                 << "1001" << 2 << 4 << QColor(10, 20, 0) << "";
    QTest::newRow("LF and UTF-8") << QByteArray(" 1\n 0\n 0\n 1\n 10\n 12\n 1\n 2\n 3\n\xC3\x84\xC3\x9F\n")
                                  << "1001" << 10 << 12 << QColor(1, 2, 3) << "Äß";
    QByteArray garbage(4096, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919) % 251);
    QTest::newRow("garbage") << garbage << "1001" << 10 << 12 << black << "";
}

void TestSession::badSettingsLines()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, switches);
    Fixture f(kFourWords.mid(0, 3), ini);
    const Switches &read = f.session->switches();
    QString shown;
    for (const bool on : {read.confirmations, read.colourSettings, read.letterFilter, read.nameEntry})
        shown += on ? u'1' : u'0';
    QCOMPARE(shown, switches);
    QTEST(f.session->mitlautfarbe(), "consonant");
    QTEST(f.session->selbstlautfarbe(), "vowel");
    QTEST(f.session->background(), "background");
    QTEST(f.session->words().selectedLetters(), "letters");
    QCOMPARE(f.messages.count(), 0);
    QVERIFY(f.session->inisave());
    QFile file(f.iniPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().count("\r\n"), 10);
}

// The menu opens an activity only with enough active words; otherwise it names the lack: too
// few words (the exercises and A B C), or none at all (the games that play one word at a time).
void TestSession::gates_data()
{
    QTest::addColumn<int>("words");
    QTest::addColumn<int>("activity");
    QTest::addColumn<QString>("message"); // empty: opens
    const QString a = test::tooFewWordsMessage();
    const QString b = test::noWordsMessage();
    using A = Activity;
    QTest::newRow("Lesen 2") << 2 << int(A::Lesen) << a;
    QTest::newRow("Lesen 3") << 3 << int(A::Lesen) << QString();
    QTest::newRow("Wortwahl 2") << 2 << int(A::Wortwahl) << a;
    QTest::newRow("Bildwahl 2") << 2 << int(A::Bildwahl) << a;
    QTest::newRow("Galgen 2") << 2 << int(A::Galgen) << QString();
    QTest::newRow("Memory 2") << 2 << int(A::Memory) << QString();
    QTest::newRow("Teppich 2") << 2 << int(A::Teppich) << QString();
    QTest::newRow("Fange 2") << 2 << int(A::Fange) << QString();
    QTest::newRow("A B C 4") << 4 << int(A::Abc) << a;
    QTest::newRow("A B C 5") << 5 << int(A::Abc) << QString();
    QTest::newRow("Galgen 0") << 0 << int(A::Galgen) << b;
    QTest::newRow("Memory 0") << 0 << int(A::Memory) << b;
    QTest::newRow("Teppich 0") << 0 << int(A::Teppich) << b;
    QTest::newRow("Fange 0") << 0 << int(A::Fange) << b;
    QTest::newRow("Lesen 0") << 0 << int(A::Lesen) << a;
    QTest::newRow("Begleiter 0") << 0 << int(A::Begleiter) << QString();
    QTest::newRow("Ergänzen 0") << 0 << int(A::Ergaenzen) << QString();
    QTest::newRow("Abschrift 0") << 0 << int(A::Abschrift) << QString();
    QTest::newRow("Diktat 0") << 0 << int(A::Diktat) << QString();
}

void TestSession::gates()
{
    QFETCH(int, words);
    QFETCH(int, activity);
    QFETCH(QString, message);
    const QStringList six = kFourWords + QStringList{"derBall.bmp", "dieMaus.gif"};
    Fixture f(six.mid(0, words) + QStringList{"bild.bmp"});
    QCOMPARE(int(f.session->activeWords().size()), words);
    const auto row = std::find_if(activityTable().begin(), activityTable().end(),
                                  [&](const ActivityRow &r) { return int(r.activity) == activity; });
    const std::optional<MessageText> refusal = row->refusal(f.session->activeWords().size());
    QCOMPARE(refusal.has_value(), !message.isEmpty());
    if (refusal) {
        QCOMPARE(refusal->caption, QStringLiteral("Zeichjagd"));
        QCOMPARE(refusal->text, message);
    }
}

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
