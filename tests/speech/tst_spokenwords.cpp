// SPDX-License-Identifier: MIT
// What every activity has said, and when: by the speaker button, by itself as a new word is shown,
// after a right answer, as a card is uncovered and as a game ends.
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

namespace {

enum class Window { Lesen, Begleiter, Ergaenzen, Wortwahl, Bildwahl, Abschrift, Diktat, Teppich, Fange, Galgen, Memory };
enum class Moment {
    Shown,    // a new word is shown (the activation)
    Button,   // the speaker button
    Right,    // a right answer (a won game)
    Wrong,    // a wrong answer (a lost game)
    Leafed,   // ">>", then the speaker button
    Left,     // leaving, then the speaker button
    Memorise, // a card clicked while the board lies open
    Uncover,  // after "Start", two cards of a pair uncovered
};

std::unique_ptr<WordFrame> makeExercise(Window window, ActivityContext &context)
{
    switch (window) {
    case Window::Lesen:
        return std::make_unique<Reading>(context);
    case Window::Begleiter:
        return std::make_unique<ArticleChoice>(context);
    case Window::Ergaenzen:
        return std::make_unique<Completion>(context);
    case Window::Wortwahl:
        return std::make_unique<WordChoice>(context);
    case Window::Bildwahl:
        return std::make_unique<PictureChoice>(context);
    case Window::Abschrift:
        return std::make_unique<Copying>(context);
    default:
        return std::make_unique<Dictation>(context);
    }
}

// An exercise's answer: the task is always a "der" word.
void answer(Window window, WordFrame &frame, bool right)
{
    if (auto *article = qobject_cast<Completion *>(&frame))
        article->checkIndefinite(right ? QStringLiteral("einen") : QStringLiteral("eine"));
    else if (auto *choice = qobject_cast<ArticleChoice *>(&frame))
        choice->check(right ? QStringLiteral("der") : QStringLiteral("die"));
    else if (auto *typing = qobject_cast<TypingExercise *>(&frame))
        typing->textChanged(right ? frame.currentWord().noun() : QStringLiteral("X"));
    else
        QFAIL(qPrintable(QStringLiteral("no answer in window %1").arg(int(window))));
}

void exerciseMoment(Window window, Moment moment, FakeContext &host)
{
    std::unique_ptr<WordFrame> frame = makeExercise(window, host);
    if (moment == Moment::Shown) {
        frame->presentNewWord();
        return;
    }
    frame->presentNewWord();
    host.fakeSpeaker->said.clear();
    if (moment == Moment::Right || moment == Moment::Wrong)
        return answer(window, *frame, moment == Moment::Right);
    if (moment == Moment::Leafed)
        static_cast<ChoiceExercise &>(*frame).next();
    frame->sayWord();
}

void gameMoment(Window window, Moment moment, FakeContext &host)
{
    QStringList &said = host.fakeSpeaker->said;
    if (window == Window::Teppich) {
        CarpetGame game(host);
        game.teppichliste();
        game.teppichwort();
        said.clear();
        if (moment == Moment::Left)
            game.clear();
        game.sayWord();
    } else if (window == Window::Fange) {
        CatchGame game(host);
        game.fangwort();
        said.clear();
        game.sayWord();
    } else if (window == Window::Galgen) {
        GallowsGame game(host);
        game.galgenrunde();
        const QString letters = moment == Moment::Right ? QStringLiteral("HUND") : QStringLiteral("ABCEFGIJKL");
        if (moment != Moment::Button)
            for (const QChar c : letters)
                game.letterClicked(int(GallowsGame::kKeys.indexOf(c)));
        game.saySolution(); // the button, during the game or once it has ended
    } else {
        MemoryGame game(host);
        game.activate();
        if (moment == Moment::Uncover)
            game.start();
        game.feldklick(1);
        game.feldklick(2);
    }
}

} // namespace

Q_DECLARE_METATYPE(Window)
Q_DECLARE_METATYPE(Moment)

class TestSpokenWords : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void said_data();
    void said();
};

void TestSpokenWords::said_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<Moment>("moment");
    QTest::addColumn<QStringList>("expected");
    const QStringList hund{QStringLiteral("Hund")};
    const QStringList none;
    using W = Window;
    using M = Moment;
    QTest::newRow("Lesen: shown") << W::Lesen << M::Shown << none;
    QTest::newRow("Lesen: button") << W::Lesen << M::Button << hund;
    QTest::newRow("Begleiter: button") << W::Begleiter << M::Button << hund;
    QTest::newRow("Begleiter: right") << W::Begleiter << M::Right << QStringList{QStringLiteral("der Hund")};
    QTest::newRow("Begleiter: wrong") << W::Begleiter << M::Wrong << none;
    QTest::newRow("Ergänzen: button") << W::Ergaenzen << M::Button << hund;
    QTest::newRow("Ergänzen: right") << W::Ergaenzen << M::Right
                                     << QStringList{QStringLiteral("Ich sehe einen Hund")};
    QTest::newRow("Ergänzen: wrong") << W::Ergaenzen << M::Wrong << none;
    // The offers are Hund and Igel, in that order, whichever is the task.
    QTest::newRow("Wortwahl: button") << W::Wortwahl << M::Button << hund;
    QTest::newRow("Wortwahl: offer leafed") << W::Wortwahl << M::Leafed << QStringList{QStringLiteral("Igel")};
    QTest::newRow("Bildwahl: button") << W::Bildwahl << M::Button << hund;
    QTest::newRow("Abschrift: shown") << W::Abschrift << M::Shown << none;
    QTest::newRow("Abschrift: right") << W::Abschrift << M::Right << none;
    QTest::newRow("Abschrift: button") << W::Abschrift << M::Button << hund;
    QTest::newRow("Diktat: shown") << W::Diktat << M::Shown << hund;
    QTest::newRow("Diktat: right, the next word") << W::Diktat << M::Right << hund;
    QTest::newRow("Diktat: wrong") << W::Diktat << M::Wrong << none;
    QTest::newRow("Diktat: button") << W::Diktat << M::Button << hund;
    QTest::newRow("Teppich: button") << W::Teppich << M::Button << hund;
    QTest::newRow("Teppich: left") << W::Teppich << M::Left << none;
    QTest::newRow("Fange: button") << W::Fange << M::Button << hund;
    QTest::newRow("Galgen: button while playing") << W::Galgen << M::Button << none;
    QTest::newRow("Galgen: won, then the button") << W::Galgen << M::Right << hund + hund;
    QTest::newRow("Galgen: lost, then the button") << W::Galgen << M::Wrong << hund + hund;
    QTest::newRow("Memory: board open") << W::Memory << M::Memorise << none;
    QTest::newRow("Memory: two cards uncovered") << W::Memory << M::Uncover << hund + hund;
}

void TestSpokenWords::said()
{
    QFETCH(Window, window);
    QFETCH(Moment, moment);
    QFETCH(QStringList, expected);
    FakeContext host;
    host.confirmations = false;
    host.entries = {QStringLiteral("DERHUND.BMP")};
    if (window == Window::Wortwahl)
        host.entries << QStringLiteral("DERIGEL.BMP");
    if (window < Window::Teppich)
        exerciseMoment(window, moment, host);
    else
        gameMoment(window, moment, host);
    QCOMPARE(host.fakeSpeaker->said, expected);
}

QTEST_GUILESS_MAIN(TestSpokenWords)
#include "tst_spokenwords.moc"
