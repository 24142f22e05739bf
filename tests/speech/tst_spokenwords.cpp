// SPDX-License-Identifier: MIT
// What every activity has said, and when: by the speaker button, by itself as a new word is shown,
// after a right answer, as a card is uncovered and as a game ends. The active word is der Hund.
#include "exercises/articleexercise.h"
#include "exercises/choice.h"
#include "exercises/reading.h"
#include "exercises/typing.h"
#include "games/fange/catchgame.h"
#include "games/galgen/gallowsgame.h"
#include "games/memory/memorygame.h"
#include "games/teppich/carpetgame.h"
#include "support/fakecontext.h"

#include <QtTest>

using namespace wortilo;
using wortilo::test::FakeContext;
using Moment = std::function<void(FakeContext &)>;
Q_DECLARE_METATYPE(Moment)

namespace {

// An exercise's moment: after the first word was shown (unless the moment is that), what act does.
template <class Exercise, class Act>
Moment exercise(Act act, bool firstWord = false)
{
    return [act, firstWord](FakeContext &host) {
        Exercise e(host);
        if (!firstWord) {
            e.presentNewWord();
            host.fakeSpeaker->said.clear();
        }
        act(e);
    };
}

const auto button = [](WordFrame &e) { e.sayWord(); };
const auto shown = [](WordFrame &e) { e.presentNewWord(); };

// A game of gallows, its letters clicked, then the speaker button.
Moment gallows(const QString &letters)
{
    return [letters](FakeContext &host) {
        GallowsGame game(host);
        game.galgenrunde();
        for (const QChar c : letters)
            game.letterClicked(int(GallowsGame::kKeys.indexOf(c)));
        game.saySolution();
    };
}

} // namespace

class TestSpokenWords : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void said_data();
    void said();
};

void TestSpokenWords::said_data()
{
    QTest::addColumn<Moment>("moment");
    QTest::addColumn<QStringList>("expected");
    const QStringList hund{QStringLiteral("Hund")}, none;
    QTest::newRow("Lesen: shown") << exercise<Reading>(shown, true) << none;
    // The button says the task noun, in every exercise but Wortwahl.
    QTest::newRow("Lesen: button") << exercise<Reading>(button) << hund;
    QTest::newRow("Begleiter: right") << exercise<ArticleChoice>([](auto &e) { e.check(QStringLiteral("der")); })
                                      << QStringList{QStringLiteral("der Hund")};
    QTest::newRow("Begleiter: wrong") << exercise<ArticleChoice>([](auto &e) { e.check(QStringLiteral("die")); })
                                      << none;
    QTest::newRow("Ergänzen: right") << exercise<Completion>([](auto &e) { e.checkIndefinite(QStringLiteral("einen")); })
                                     << QStringList{QStringLiteral("Ich sehe einen Hund")};
    QTest::newRow("Bildwahl: button") << exercise<PictureChoice>(button) << hund;
    // The offers are Hund and Igel, in that order, whichever is the task.
    QTest::newRow("Wortwahl: offer leafed") << Moment([](FakeContext &host) {
        host.entries << QStringLiteral("DERIGEL.BMP");
        exercise<WordChoice>([](auto &e) {
            e.sayWord();
            e.next();
            e.sayWord();
        })(host);
    }) << QStringList{QStringLiteral("Hund"), QStringLiteral("Igel")};
    QTest::newRow("Abschrift: right") << exercise<Copying>([](auto &e) { e.textChanged(QStringLiteral("Hund")); })
                                      << none;
    QTest::newRow("Diktat: shown") << exercise<Dictation>(shown, true) << hund;
    QTest::newRow("Diktat: right, the next word")
        << exercise<Dictation>([](auto &e) { e.textChanged(QStringLiteral("Hund")); }) << hund;
    QTest::newRow("Diktat: wrong") << exercise<Dictation>([](auto &e) { e.textChanged(QStringLiteral("X")); }) << none;
    QTest::newRow("Teppich: shown, button, left, button") << Moment([](FakeContext &host) {
        CarpetGame game(host);
        game.teppichliste();
        game.teppichwort();
        game.sayWord();
        game.clear();
        game.sayWord();
    }) << hund;
    QTest::newRow("Fange: shown, button") << Moment([](FakeContext &host) {
        CatchGame game(host);
        game.fangwort();
        game.sayWord();
    }) << hund;
    QTest::newRow("Galgen: button while playing") << gallows(QString()) << none;
    QTest::newRow("Galgen: won, then the button") << gallows(QStringLiteral("HUND")) << hund + hund;
    QTest::newRow("Galgen: lost, then the button") << gallows(QStringLiteral("ABCEFGIJKL")) << hund + hund;
    for (const bool started : {false, true})
        QTest::addRow("Memory: two cards clicked, %s", started ? "started" : "board open")
            << Moment([started](FakeContext &host) {
                   MemoryGame game(host);
                   game.activate();
                   if (started)
                       game.start();
                   game.feldklick(1);
                   game.feldklick(2);
               })
            << (started ? hund + hund : none);
}

void TestSpokenWords::said()
{
    QFETCH(Moment, moment);
    QFETCH(QStringList, expected);
    FakeContext host;
    host.confirmations = false;
    host.entries = {QStringLiteral("DERHUND.BMP")};
    moment(host);
    QCOMPARE(host.fakeSpeaker->said, expected);
}

QTEST_GUILESS_MAIN(TestSpokenWords)
#include "tst_spokenwords.moc"
