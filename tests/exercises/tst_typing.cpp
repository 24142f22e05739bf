// SPDX-License-Identifier: MIT
// The copying and dictation logic without widgets: every change of the typed text judged,
// records and messages, and what is shown (pictures, word, instruction).
#include "exercises/typing.h"
#include "support/fakehost.h"

#include <QtTest>

using namespace wortilo;
using wortilo::test::FakeHost;

namespace {

const QString kCr2 = QString(QChar(13)) + QChar(13);
using Result = TypingExercise::Result;

std::unique_ptr<TypingExercise> make(bool dictation, Host &host)
{
    if (dictation)
        return std::make_unique<Dictation>(host);
    return std::make_unique<Copying>(host);
}

QChar code(Result r)
{
    switch (r) {
    case Result::Ignored: return u'I';
    case Result::Beginning: return u'B';
    case Result::Right: return u'R';
    case Result::Wrong: return u'W';
    }
    return u'?';
}

// '+' word and instruction shown, 's' only the word, '-' neither (the pictures always are).
QChar shown(const TypingExercise &t)
{
    if (!t.picturesVisible())
        return u'!';
    return t.stripVisible() ? (t.instructionVisible() ? u'+' : u's') : (t.instructionVisible() ? u'i' : u'-');
}

} // namespace

class TestTyping : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The field's successive texts, each judged as it comes: the result per change (B a
    // beginning, W wrong, R right) and what is shown afterwards.
    void check_data()
    {
        QTest::addColumn<bool>("dictation");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("confirmations");
        QTest::addColumn<QString>("results");
        QTest::addColumn<QString>("shown");
        const QStringList hund{"H", "Hu", "Hun", "Hund"};
        for (const bool d : {false, true}) {
            const char *k = d ? "Diktat" : "Abschrift";
            QTest::addRow("%s Hund", k) << d << "DERHUND.JPG" << hund << true << "BBBR" << (d ? "---+" : "++++");
            QTest::addRow("%s no confirmations", k) << d << "DERHUND.JPG" << hund << false << "BBBR"
                                                    << (d ? "---+" : "++++");
            QTest::addRow("%s lower-case first letter", k)
                << d << "DERHUND.JPG" << QStringList{"h", "hu", "h", "", "H"} << true << "WWWBB"
                << (d ? "ssss-" : "+++++");
            QTest::addRow("%s pasted too long", k) << d << "DERHUND.JPG" << QStringList{"Hunde"} << true << "W"
                                                   << (d ? "s" : "+");
            QTest::addRow("%s leading blank", k) << d << "DERHUND.JPG" << QStringList{" ", " H"} << true << "WW"
                                                 << (d ? "ss" : "++");
            QTest::addRow("%s Käse", k) << d << "DERKÄSE.BMP" << QStringList{"K", "Kä", "Käs", "Käse"} << true
                                        << "BBBR" << (d ? "---+" : "++++");
            QTest::addRow("%s Fuß", k) << d << "DERFUß.JPG" << QStringList{"F", "Fu", "Fuß"} << true << "BBR"
                                       << (d ? "--+" : "+++");
            QTest::addRow("%s Fuss for Fuß", k) << d << "DERFUß.JPG" << QStringList{"Fus", "Fuss"} << true << "WW"
                                                << (d ? "ss" : "++");
            QTest::addRow("%s Äpfel", k) << d << "DIEÄPFEL.BMP" << QStringList{"A", "", "Ä", "Äpfel"} << true
                                         << "WBBR" << (d ? "ss-+" : "++++");
            QTest::addRow("%s Dieb", k) << d << "DERDIEB.JPG" << QStringList{"Dieb"} << true << "R" << "+";
        }
        // Deleting does not bring the word back; only an error or a new word does.
        QTest::newRow("Diktat deleted") << true << "DERHUND.JPG" << QStringList{"H", ""} << true << "BB" << "--";
        QTest::newRow("Diktat Hx then y") << true << "DERHUND.JPG" << QStringList{"H", "Hx", "Hxy", "Hx"} << true
                                          << "BWWW" << "-sss";
    }
    void check()
    {
        QFETCH(bool, dictation);
        QFETCH(QString, entry);
        QFETCH(QStringList, texts);
        QFETCH(bool, confirmations);
        QFETCH(QString, results);
        QFETCH(QString, shown);
        FakeHost host;
        host.entries = {entry};
        host.confirmations = confirmations;
        const auto exercise = make(dictation, host);
        exercise->presentNewWord();
        QCOMPARE(::shown(*exercise), u'+');

        QString gotResults, gotShown;
        QStringList expectedCaptions;
        QStringList expectedLines;
        for (const QString &text : texts) {
            const Result r = exercise->textChanged(text);
            gotResults += code(r);
            gotShown += ::shown(*exercise);
            if (r == Result::Wrong)
                expectedCaptions << QStringLiteral("Fehler|Die Eingabe bitte prüfen!") + kCr2;
            if (r == Result::Right) {
                expectedLines << text;
                if (confirmations)
                    expectedCaptions << QStringLiteral("Abschrift|Das Wort wurde richtig geschrieben!") + kCr2;
            }
        }
        QCOMPARE(gotResults, results);
        QCOMPARE(gotShown, shown);
        QStringList captions;
        for (const auto &call : host.fakeMessages.calls)
            captions << call.caption + u'|' + call.text;
        QCOMPARE(captions, expectedCaptions);
        QCOMPARE(host.usageLines(dictation ? Activity::Diktat : Activity::Abschrift), expectedLines);
        QVERIFY(host.usageLines(dictation ? Activity::Abschrift : Activity::Diktat).isEmpty());
    }

    // The copying options choose what is shown, for this word and all following ones.
    void copyingModels()
    {
        FakeHost host;
        host.entries = {QStringLiteral("DERHUND.JPG"), QStringLiteral("DASUFO.GIF")};
        Copying copying(host);
        const struct {
            Copying::Model model;
            bool pictures, strip;
        } rows[] = {{Copying::Model::Word, false, true},
                    {Copying::Model::Picture, true, false},
                    {Copying::Model::Both, true, true}};
        for (const auto &row : rows) {
            copying.setModel(row.model);
            for (int i = 0; i < 3; ++i) {
                QCOMPARE(copying.picturesVisible(), row.pictures);
                QCOMPARE(copying.stripVisible(), row.strip);
                QVERIFY(copying.instructionVisible());
                copying.presentNewWord();
                copying.textChanged(QStringLiteral("x"));
            }
        }
    }

    // Every new word in the dictation, however it comes, starts with word and instruction.
    void dictationNewWord()
    {
        FakeHost host;
        host.entries = {QStringLiteral("DERHUND.JPG"), QStringLiteral("DASUFO.GIF")};
        Dictation dictation(host);
        dictation.presentNewWord();
        dictation.textChanged(dictation.currentWord().noun().left(1));
        QCOMPARE(shown(dictation), u'-');
        dictation.presentNewWord(); // ">>"
        QCOMPARE(shown(dictation), u'+');
    }

    // While a message box is open the field's changes are not judged (the field is emptied for
    // the next word while the right answer is still being handled): one message, one record,
    // and the next word only after the box is closed.
    void changesDuringTheBox()
    {
        for (const bool dictation : {false, true}) {
            FakeHost host;
            host.entries = {QStringLiteral("DERHUND.JPG"), QStringLiteral("DASUFO.GIF")};
            const auto exercise = make(dictation, host);
            exercise->presentNewWord();
            const Word word = exercise->currentWord();
            QList<Result> nested;
            Word wordInBox;
            host.fakeMessages.whileShown = [&] {
                wordInBox = exercise->currentWord();
                nested << exercise->textChanged(QString()) << exercise->textChanged(QStringLiteral("x"));
            };
            QCOMPARE(exercise->textChanged(QStringLiteral("x")), Result::Wrong);
            if (dictation) // the word comes back only after the box
                QVERIFY(exercise->stripVisible());
            QCOMPARE(exercise->textChanged(word.noun()), Result::Right);
            QCOMPARE(nested, QList<Result>(4, Result::Ignored));
            QCOMPARE(wordInBox, word);
            QVERIFY(exercise->currentWord() != word);
            QCOMPARE(host.fakeMessages.count(), 2);
            QCOMPARE(host.usageLines(dictation ? Activity::Diktat : Activity::Abschrift), QStringList{word.noun()});
            QVERIFY(!exercise->isBusy());
        }
    }

    // Without any active word nothing is judged.
    void noWord()
    {
        FakeHost host;
        for (const bool dictation : {false, true}) {
            const auto exercise = make(dictation, host);
            exercise->presentNewWord();
            for (const char *text : {"", "H", "x"})
                QCOMPARE(exercise->textChanged(QString::fromLatin1(text)), Result::Ignored);
            QCOMPARE(shown(*exercise), u'+');
        }
        QCOMPARE(host.fakeMessages.count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestTyping)
#include "tst_typing.moc"
