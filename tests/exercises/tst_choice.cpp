// SPDX-License-Identifier: MIT
// The word choice and picture choice logic without widgets: what is offered (how many, which,
// in which order), leafing through the offers, the slider, and the answer rules.
#include "core/germantext.h"
#include "exercises/choice.h"
#include "exercises/testpictures.h"
#include "support/fakehost.h"

#include <QtTest>

using namespace wortilo;
using wortilo::test::FakeHost;

namespace {

const QString kCr2 = QString(QChar(13)) + QChar(13);
using Result = ChoiceExercise::Result;

std::unique_ptr<ChoiceExercise> make(bool pictures, Host &host)
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

class TestChoice : public QObject
{
    Q_OBJECT

private:
    testpictures::PictureDir m_pictures;

private Q_SLOTS:
    void initTestCase()
    {
        // Each picture of its own width, so the one shown can be told.
        const QStringList names = things(12);
        for (int i = 0; i < names.size(); ++i)
            QVERIFY(m_pictures.addImage(names[i], testpictures::makeImage(40 + i, 30), "BMP"));
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
            QTest::addRow("%s 3 of 3", k) << p << 3 << 3 << 3;
            QTest::addRow("%s 10 asked, 3 active", k) << p << 3 << 10 << 3;
            QTest::addRow("%s 4 of 5", k) << p << 5 << 4 << 4;
            QTest::addRow("%s 10 asked, 9 active", k) << p << 9 << 10 << 9;
            QTest::addRow("%s 10 of 12", k) << p << 12 << 10 << 10;
            QTest::addRow("%s 3 of 12", k) << p << 12 << 3 << 3;
            QTest::addRow("%s below the slider", k) << p << 12 << 1 << 3;
            QTest::addRow("%s above the slider", k) << p << 12 << 11 << 10;
        }
    }
    void offers()
    {
        QFETCH(bool, pictures);
        QFETCH(int, active);
        QFETCH(int, count);
        QFETCH(int, offered);
        FakeHost host;
        host.entries = things(active);
        host.folder = PictureFolder(m_pictures.path());
        host.folder.scan();
        host.generator.seed(7);
        const auto choice = make(pictures, host);
        choice->setCount(count);
        for (int task = 0; task < 5; ++task) {
            choice->presentNewWord();
            const QStringList got = entriesOf(choice->offered());
            QCOMPARE(got.size(), offered);
            QVERIFY(got.contains(choice->currentWord().entry()));
            QCOMPARE(QSet<QString>(got.begin(), got.end()).size(), got.size());
            // The others are the deck's first entries, in deck order.
            QStringList others = entriesOf(choice->deck().mid(0, offered - 1));
            others << choice->currentWord().entry();
            others.sort();
            QStringList sortedGot = got;
            sortedGot.sort();
            QCOMPARE(sortedGot, others);
            QCOMPARE(choice->selected(), 0);
            const Word &first = choice->offered().first();
            if (pictures) {
                QCOMPARE(choice->stripText(), choice->currentWord().noun());
                QCOMPARE(choice->landscapeFrame().naturalSizePixels().width(),
                         40 + int(host.entries.indexOf(first.entry())));
            } else {
                QCOMPARE(choice->stripText(), first.noun());
            }
        }
    }

    // Equal nouns from different entries are both offered; word choice sorts nouns, picture
    // choice whole entries, article first.
    void sortOrder()
    {
        FakeHost host;
        host.entries = {QStringLiteral("DIEZIEGE.BMP"), QStringLiteral("DERHUND.JPG"), QStringLiteral("DASÄFFCHEN.GIF"),
                        QStringLiteral("DASHUND.BMP"), QStringLiteral("DERAAL.BMP"), QStringLiteral("DASAFFE.GIF")};
        for (const bool pictures : {false, true}) {
            const auto choice = make(pictures, host);
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
            FakeHost host;
            host.entries = {task, QStringLiteral("DIEZIEGE.BMP"), QStringLiteral("DASSCHAF.GIF")};
            if (chosen != task)
                host.entries << chosen;
            host.confirmations = confirmations;
            const auto choice = make(pictures, host);
            choice->setCount(10);
            QVERIFY(selectTask(*choice, task, chosen));
            const int selected = choice->selected();
            const Word word = choice->currentWord();

            const Result result = choice->choose();
            const Activity list = pictures ? Activity::Bildwahl : Activity::Wortwahl;
            if (right) {
                QCOMPARE(result, Result::Right);
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
                QCOMPARE(result, Result::Wrong);
                QCOMPARE(host.fakeMessages.count(), 0);
                QVERIFY(host.usageLines(list).isEmpty());
                QCOMPARE(choice->currentWord(), word);
                QCOMPARE(choice->selected(), selected);
            }
        }
    }

    // "<<" and ">>" wrap around at both ends.
    void leafing()
    {
        FakeHost host;
        host.entries = things(5);
        const auto choice = make(false, host);
        choice->setCount(4);
        choice->presentNewWord();
        QStringList shown;
        for (int i = 0; i < 5; ++i) {
            shown << choice->stripText();
            choice->next();
        }
        for (int i = 0; i < 5; ++i) {
            choice->previous();
            shown << choice->stripText();
        }
        QStringList nouns;
        for (const Word &w : choice->offered())
            nouns << w.noun();
        const QStringList expected = nouns + QStringList{nouns[0], nouns[0], nouns[3], nouns[2], nouns[1], nouns[0]};
        QCOMPARE(shown, expected);
    }

    // The slider: word choice offers anew for the same task; picture choice starts a new task
    // (with 12 active entries the deck shrinks by one, and is refilled below 10).
    void slider()
    {
        FakeHost host;
        host.entries = things(12);
        WordChoice words(host);
        words.presentNewWord();
        const Word task = words.currentWord();
        const QList<Word> deck = words.deck();
        words.next();
        words.setCount(7);
        QCOMPARE(words.currentWord(), task);
        QCOMPARE(words.deck(), deck);
        QCOMPARE(words.offered().size(), 7);
        QCOMPARE(words.selected(), 0);

        PictureChoice pictures(host);
        pictures.presentNewWord();
        QList<qsizetype> sizes{pictures.deck().size()};
        for (int n = 4; n <= 6; ++n) {
            pictures.setCount(n);
            QCOMPARE(pictures.offered().size(), n);
            sizes << pictures.deck().size();
        }
        QCOMPARE(sizes, (QList<qsizetype>{11, 10, 9, 11}));
    }

    // A choice while the confirmation is open (a double click) and leafing then are not taken.
    void duringTheBox()
    {
        FakeHost host;
        host.entries = things(3);
        WordChoice choice(host);
        choice.presentNewWord();
        QList<Result> nested;
        host.fakeMessages.whileShown = [&] {
            choice.next();
            nested << choice.choose();
        };
        while (choice.offered().at(choice.selected()) != choice.currentWord())
            choice.next();
        QCOMPARE(choice.choose(), Result::Right);
        QCOMPARE(nested, QList<Result>{Result::Ignored});
        QCOMPARE(host.fakeMessages.count(), 1);
        QCOMPARE(host.usageLines(Activity::Wortwahl).size(), 1);
        QCOMPARE(choice.selected(), 0);
    }
};

QTEST_GUILESS_MAIN(TestChoice)
#include "tst_choice.moc"
