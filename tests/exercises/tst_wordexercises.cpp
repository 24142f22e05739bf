// SPDX-License-Identifier: MIT
// The rules of copying, dictation, word choice and picture choice without widgets: every
// change of the typed text judged, what is offered (how many, which, in which order), the
// answer rules, records, messages, and what is shown.
#include "exercises/choice.h"
#include "exercises/typing.h"
#include "support/fakecontext.h"

#include <QtTest>

using namespace wortilo;
using wortilo::test::FakeContext;

namespace {

const QString kCr2 = QString(QChar(13)) + QChar(13);



std::unique_ptr<TypingExercise> makeTyping(bool dictation, ActivityContext &host)
{
    if (dictation)
        return std::make_unique<Dictation>(host);
    return std::make_unique<Copying>(host);
}

// The result as a letter: I ignored, B a beginning, R right, W wrong.
QChar code(TypingExercise::Result r)
{
    return QStringLiteral("IBRW").at(int(r));
}

// '+' word and instruction shown, 's' only the word, '-' neither (the pictures always are).
QChar shown(const TypingExercise &t)
{
    if (!t.picturesVisible())
        return u'!';
    return t.stripVisible() ? (t.instructionVisible() ? u'+' : u's') : (t.instructionVisible() ? u'i' : u'-');
}



std::unique_ptr<ChoiceExercise> makeChoice(bool pictures, ActivityContext &host)
{
    if (pictures)
        return std::make_unique<PictureChoice>(host);
    return std::make_unique<WordChoice>(host);
}

QStringList entriesOf(const QList<Word> &words)
{
    QStringList entries;
    for (const Word &w : words)
        entries << w.entry();
    return entries;
}

// n entries DASDINGA.BMP, DASDINGB.BMP, ... in list order.
QStringList things(int n)
{
    QStringList entries;
    for (int i = 0; i < n; ++i)
        entries << QStringLiteral("DASDING%1.BMP").arg(QChar(u'A' + i));
    return entries;
}

// Starts tasks until the task is the entry (the deck is refilled before every task while the
// active list is short, so every entry comes up), then leafs to the offer of the chosen entry.
bool selectTask(ChoiceExercise &choice, const QString &task, const QString &chosen)
{
    for (int i = 0; i < 200 && choice.currentWord().entry() != task; ++i)
        choice.presentNewWord();
    for (int i = 0; i < 20 && choice.offered().value(choice.selected()).entry() != chosen; ++i)
        choice.next();
    return choice.currentWord().entry() == task && choice.offered().value(choice.selected()).entry() == chosen;
}

} // namespace

class TestWordExercises : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The field's successive texts, each judged as it comes: the result per change (B a
    // beginning, W wrong, R right) and what is shown afterwards.
    void typing_data()
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
            QTest::addRow("%s Fuß", k) << d << "DERFUß.JPG" << QStringList{"F", "Fu", "Fuß"} << true << "BBR"
                                       << (d ? "--+" : "+++");
            QTest::addRow("%s Fuss for Fuß", k) << d << "DERFUß.JPG" << QStringList{"Fus", "Fuss"} << true << "WW"
                                                << (d ? "ss" : "++");
        }
        // Deleting does not bring the word back; only an error or a new word does.
        QTest::newRow("Diktat deleted") << true << "DERHUND.JPG" << QStringList{"H", ""} << true << "BB" << "--";
        QTest::newRow("Diktat Hx then y") << true << "DERHUND.JPG" << QStringList{"H", "Hx", "Hxy", "Hx"} << true
                                          << "BWWW" << "-sss";
    }
    void typing()
    {
        QFETCH(bool, dictation);
        QFETCH(QString, entry);
        QFETCH(QStringList, texts);
        QFETCH(bool, confirmations);
        QFETCH(QString, results);
        QFETCH(QString, shown);
        FakeContext host;
        host.entries = {entry};
        host.confirmations = confirmations;
        const auto exercise = makeTyping(dictation, host);
        exercise->presentNewWord();
        QCOMPARE(::shown(*exercise), u'+');

        QString gotResults, gotShown;
        QStringList expectedCaptions;
        QStringList expectedLines;
        for (const QString &text : texts) {
            const auto r = exercise->textChanged(text);
            gotResults += code(r);
            gotShown += ::shown(*exercise);
            if (r == TypingExercise::Result::Wrong)
                expectedCaptions << QStringLiteral("Fehler|Die Eingabe bitte prüfen!") + kCr2;
            if (r == TypingExercise::Result::Right) {
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

    // A picture named by its article alone has nothing to type: it is never drawn. Without any
    // other word there is no word, and nothing is judged.
    void typingWithoutNouns_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("noun");
        QTest::newRow("no word") << QStringList{} << "";
        QTest::newRow("only das") << QStringList{"DAS.BMP"} << "";
        QTest::newRow("das and Hund") << QStringList{"DAS.BMP", "DERHUND.JPG"} << "Hund";
    }
    void typingWithoutNouns()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, noun);
        FakeContext host;
        host.entries = entries;
        for (const bool dictation : {false, true}) {
            const auto exercise = makeTyping(dictation, host);
            for (int i = 0; i < 6; ++i) {
                exercise->presentNewWord();
                QCOMPARE(exercise->hasWord(), !noun.isEmpty());
                QCOMPARE(exercise->currentWord().noun(), noun);
            }
            if (!noun.isEmpty())
                continue;
            for (const char *text : {"", "H", "x", ""})
                QCOMPARE(exercise->textChanged(QString::fromLatin1(text)), TypingExercise::Result::Ignored);
            QCOMPARE(shown(*exercise), u'+');
        }
        QCOMPARE(host.fakeMessages.count(), 0);
    }

    // The task and the first entries of the deck after the draw, as many as asked for and
    // available, each entry once, sorted (nouns for word choice, entries for picture choice);
    // the first is shown.
    void offers_data()
    {
        QTest::addColumn<bool>("pictures");
        QTest::addColumn<int>("active");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("offered");
        for (const bool p : {false, true}) {
            const char *k = p ? "Bildwahl" : "Wortwahl";
            QTest::addRow("%s 10 asked, 3 active", k) << p << 3 << 10 << 3;
            QTest::addRow("%s 4 of 5", k) << p << 5 << 4 << 4;
            QTest::addRow("%s 10 asked, 9 active", k) << p << 9 << 10 << 9;
            QTest::addRow("%s 10 of 12", k) << p << 12 << 10 << 10;
            QTest::addRow("%s below the slider", k) << p << 12 << 1 << 3;
        }
    }
    void offers()
    {
        QFETCH(bool, pictures);
        QFETCH(int, active);
        QFETCH(int, count);
        QFETCH(int, offered);
        FakeContext host;
        host.entries = things(active);
        host.generator.seed(7);
        const auto choice = makeChoice(pictures, host);
        choice->setCount(count);
        for (int task = 0; task < 5; ++task) {
            choice->presentNewWord();
            const QStringList got = entriesOf(choice->offered());
            QCOMPARE(got.size(), offered);
            QVERIFY(got.contains(choice->currentWord().entry()));
            QCOMPARE(QSet<QString>(got.begin(), got.end()).size(), got.size());
            // The others are the deck's first entries.
            QStringList expected = entriesOf(choice->deck().mid(0, offered - 1)) << choice->currentWord().entry();
            expected.sort();
            QStringList sorted = got;
            sorted.sort();
            QCOMPARE(sorted, expected);
            QCOMPARE(choice->selected(), 0);
            // Word choice shows the first offer on the strip, picture choice the task noun.
            QCOMPARE(choice->stripText(), (pictures ? choice->currentWord() : choice->offered().first()).noun());
        }
    }

    // Equal nouns from different entries are both offered; word choice sorts nouns, picture
    // choice whole entries, article first.
    void sortOrder()
    {
        FakeContext host;
        host.entries = {QStringLiteral("DIEZIEGE.BMP"), QStringLiteral("DERHUND.JPG"), QStringLiteral("DASÄFFCHEN.GIF"),
                        QStringLiteral("DASHUND.BMP"), QStringLiteral("DERAAL.BMP"), QStringLiteral("DASAFFE.GIF")};
        for (const bool pictures : {false, true}) {
            const auto choice = makeChoice(pictures, host);
            choice->setCount(10);
            choice->presentNewWord();
            QStringList got;
            for (const Word &w : choice->offered())
                got << (pictures ? w.entry() : w.noun());
            if (pictures)
                QCOMPARE(got, (QStringList{"DASÄFFCHEN.GIF", "DASAFFE.GIF", "DASHUND.BMP", "DERAAL.BMP",
                                           "DERHUND.JPG", "DIEZIEGE.BMP"}));
            else
                QCOMPARE(got, (QStringList{"Aal", "Äffchen", "Affe", "Hund", "Hund", "Ziege"}));
        }
    }

    // The answer rules. Word choice: the noun shown equals the task noun. Picture choice: the
    // picture's noun equals the task noun, whatever the article or format, never a noun that
    // merely contains it.
    void answers_data()
    {
        QTest::addColumn<bool>("pictures");
        QTest::addColumn<QString>("task");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("right");
        const bool w = false, p = true;
        QTest::newRow("Wortwahl itself") << w << "DERHUND.JPG" << "DERHUND.JPG" << true;
        QTest::newRow("Wortwahl same noun, other entry") << w << "DERHUND.JPG" << "DASHUND.BMP" << true;
        QTest::newRow("Wortwahl longer noun") << w << "DERHUND.JPG" << "DIEHUNDEHÜTTE.JPG" << false;
        QTest::newRow("Wortwahl other noun") << w << "DERHUND.JPG" << "DIEKATZE.BMP" << false;
        QTest::newRow("Wortwahl Dieb") << w << "DERDIEB.JPG" << "DERDIEB.JPG" << true;
        QTest::newRow("Bildwahl itself") << p << "DASEI.GIF" << "DASEI.GIF" << true;
        QTest::newRow("Bildwahl other format") << p << "DASEI.GIF" << "DASEI.BMP" << true;
        QTest::newRow("Bildwahl other article") << p << "DASEI.GIF" << "DEREI.WMF" << true;
        QTest::newRow("Bildwahl Eimer for Ei") << p << "DASEI.GIF" << "DEREIMER.GIF" << false;
        QTest::newRow("Bildwahl Eis for Ei") << p << "DASEI.GIF" << "DASEIS.JPG" << false;
        QTest::newRow("Bildwahl Leiter for Ei") << p << "DASEI.GIF" << "DIELEITER.BMP" << false;
        QTest::newRow("Bildwahl Hundehütte for Hund") << p << "DERHUND.JPG" << "DIEHUNDEHÜTTE.JPG" << false;
        QTest::newRow("Bildwahl Hund for Hundehütte") << p << "DIEHUNDEHÜTTE.JPG" << "DERHUND.JPG" << false;
        QTest::newRow("Bildwahl Fuß") << p << "DERFUß.JPG" << "DERFUß.BMP" << true;
    }
    void answers()
    {
        QFETCH(bool, pictures);
        QFETCH(QString, task);
        QFETCH(QString, chosen);
        QFETCH(bool, right);
        for (const bool confirmations : {true, false}) {
            FakeContext host;
            host.entries = {task, QStringLiteral("DIEZIEGE.BMP"), QStringLiteral("DASSCHAF.GIF")};
            if (chosen != task)
                host.entries << chosen;
            host.confirmations = confirmations;
            const auto choice = makeChoice(pictures, host);
            choice->setCount(10);
            QVERIFY(selectTask(*choice, task, chosen));
            const int selected = choice->selected();
            const Word word = choice->currentWord();

            const auto result = choice->choose();
            const Activity list = pictures ? Activity::Bildwahl : Activity::Wortwahl;
            if (right) {
                QCOMPARE(result, ChoiceExercise::Result::Right);
                QCOMPARE(host.usageLines(list), QStringList{word.noun()});
                // Word choice confirms every time, picture choice when confirmations are on.
                if (confirmations || !pictures) {
                    QCOMPARE(host.fakeMessages.count(), 1);
                    QCOMPARE(host.fakeMessages.last().caption, QStringLiteral("Lösung"));
                    QCOMPARE(host.fakeMessages.last().text, (pictures ? QStringLiteral("Das Bild ist richtig, weiter nun!")
                                                                      : QStringLiteral("Das Wort ist richtig, weiter nun!"))
                                                                + kCr2);
                } else {
                    QCOMPARE(host.fakeMessages.count(), 0);
                }
            } else {
                QCOMPARE(result, ChoiceExercise::Result::Wrong);
                QCOMPARE(host.fakeMessages.count(), 0);
                QVERIFY(host.usageLines(list).isEmpty());
                QCOMPARE(choice->currentWord(), word);
                QCOMPARE(choice->selected(), selected);
            }
        }
    }

    // A choice while the confirmation is open (a double click) and leafing then are not taken.
    void duringTheBox()
    {
        FakeContext host;
        host.entries = things(3);
        WordChoice choice(host);
        choice.presentNewWord();
        QList<ChoiceExercise::Result> nested;
        host.fakeMessages.whileShown = [&] {
            choice.next();
            nested << choice.choose();
        };
        for (int i = 0; i < 3 && choice.offered().at(choice.selected()) != choice.currentWord(); ++i)
            choice.next();
        QCOMPARE(choice.choose(), ChoiceExercise::Result::Right);
        QCOMPARE(nested, QList<ChoiceExercise::Result>{ChoiceExercise::Result::Ignored});
        QCOMPARE(host.fakeMessages.count(), 1);
        QCOMPARE(host.usageLines(Activity::Wortwahl).size(), 1);
        QCOMPARE(choice.selected(), 0);
    }
};

QTEST_GUILESS_MAIN(TestWordExercises)
#include "tst_wordexercises.moc"
