// SPDX-License-Identifier: MIT
// The carpet, A B C and catch windows driven as a child drives them: mouse presses with either
// button, drags with the mouse and with a finger, arrow keys wherever the focus is, and what the
// windows then show, down to the colours drawn.
#define QTEST_QPA_MOUSE_HANDLING // mouse events go through the window, with its implicit grab, as real ones do
#include "core/palette.h"
#include "core/twips.h"
#include "exercises/testpictures.h"
#include "exercises/windowhelpers.h"
#include "games/abc/abcgame.h"
#include "games/abc/form8.h"
#include "games/fange/catchgame.h"
#include "games/fange/fang.h"
#include "games/galgen/galgen.h"
#include "games/teppich/carpetgame.h"
#include "games/teppich/form7.h"
#include "support/fakecontext.h"
#include "widgets/drawingsurface.h"
#include "widgets/fonts.h"
#include "widgets/pictureframe.h"

#include <QLabel>
#include <QPainter>
#include <QListWidget>
#include <QPointingDevice>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <memory>

using namespace wortilo;
using wortilo::test::FakeContext;

namespace {

void open(ActivityWindow &window)
{
    window.activate();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

template <class T = QWidget> T *child(QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

using windowhelpers::countColour;

// Centre of a child in window coordinates.
QPoint centreIn(QWidget &window, QWidget *w)
{
    return w->mapTo(&window, w->rect().center());
}

// A mouse drag from one child to another; returns whether the dragged picture followed the
// pointer on the way.
bool drag(QWidget &window, QWidget *from, QWidget *to)
{
    QTest::mousePress(&window, Qt::LeftButton, {}, centreIn(window, from));
    QTest::mouseMove(&window, (centreIn(window, from) + centreIn(window, to)) / 2);
    const bool followed = window.findChild<QWidget *>(QStringLiteral("dragGhost"))->isVisible();
    QTest::mouseMove(&window, centreIn(window, to));
    QTest::mouseRelease(&window, Qt::LeftButton, {}, centreIn(window, to));
    return followed;
}

// Sorts the five pictures by dragging them, as a child does.
void sortByDragging(QWidget &window, const AbcGame &game)
{
    QList<QWidget *> slots;
    for (int i = 1; i <= 5; ++i)
        slots.append(window.findChild<QWidget *>(QStringLiteral("Image%1").arg(i)));
    for (int i = 0; i < 5; ++i) {
        const int j = int(game.slotOrder().indexOf(game.targetOrder().at(i), i));
        if (j != i)
            drag(window, slots[j], slots[i]);
    }
    if (!game.isSolved())
        drag(window, slots[0], slots[0]);
}

// The result panel shows the five lines whole, each a red first letter and a green rest: as many
// pixels of each colour as the same lines drawn with room all around them.
void checkResultLines(const DrawingSurface &panel, const AbcGame &game)
{
    QImage whole(panel.width() + 400, 600, QImage::Format_RGB32);
    whole.fill(panel.backgroundColor());
    QPainter p(&whole);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(panel.font());
    const QFontMetrics metrics(panel.font());
    int baseline = 0;
    for (const AbcGame::ResultLine &line : game.resultLines()) {
        baseline += 100;
        p.setPen(paletteColor(12));
        p.drawText(100, baseline, line.head);
        p.setPen(paletteColor(2));
        p.drawText(100 + metrics.horizontalAdvance(line.head), baseline, line.tail);
    }
    p.end();
    for (const int colour : {12, 2}) {
        const int expected = countColour(whole, whole.rect(), paletteColor(colour));
        QVERIFY(expected > 100);
        QCOMPARE(countColour(panel.image(), panel.rect(), paletteColor(colour)), expected);
    }
}

} // namespace

class TestGameWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { installFontSubstitutes(); }

    // Ball clicked with both mouse buttons, one l cell twice: the found cells turn red, the strip
    // shows the found letters in red, and the completed word is confirmed and recorded.
    void carpet()
    {
        FakeContext host;
        host.entries = {QStringLiteral("DERBALL.JPG")};
        Form7 window(host, host);
        open(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("ortilo (Buchstabenteppich)"));
        QCOMPARE(child<QLabel>(window, "Label1")->text(), QStringLiteral("B a l l "));
        auto *carpet = child<DrawingSurface>(window, "bild1");
        auto *strip = child<DrawingSurface>(window, "bild2");
        const CarpetGame &game = window.game();
        // A spot inside a cell, away from its letter and outline.
        const auto spot = [](int k) { return twipsPoint(CarpetGame::cellCorner(k).x() + 150, CarpetGame::cellCorner(k).y() + 150); };
        const auto cellColour = [&](int k) { return QColor(carpet->image().pixel(spot(k))); };
        for (int k = 0; k < CarpetGame::kCells; ++k)
            QCOMPARE(cellColour(k), paletteColor(k % 2 == 0 ? 11 : 14));

        const auto cellOf = [&](QChar letter) {
            for (int k = 0; k < CarpetGame::kCells; ++k)
                if (game.carpet().at(k) == letter && game.holdsWordLetter(k))
                    return k;
            return -1;
        };
        const int b = cellOf(u'B'), a = cellOf(u'a'), l = cellOf(u'l');
        QTest::mouseClick(carpet, Qt::RightButton, {}, spot(b));
        QCOMPARE(cellColour(b), paletteColor(12));
        QVERIFY(countColour(strip->image(), strip->rect(), paletteColor(12)) > 20);
        QTest::mouseClick(carpet, Qt::LeftButton, {}, spot(a));
        QTest::mouseClick(carpet, Qt::MiddleButton, {}, spot(l));
        QCOMPARE(game.found(), QStringLiteral("Bal"));
        QCOMPARE(host.fakeMessages.count(), 0);
        QTest::mouseClick(carpet, Qt::LeftButton, {}, spot(l));
        QCOMPARE(host.fakeMessages.count(), 1);
        QCOMPARE(host.usageLines(Activity::Teppich), QStringList{QStringLiteral("Ball")});
        // The next carpet: nothing red, an empty strip.
        QCOMPARE(cellColour(l), paletteColor(l % 2 == 0 ? 11 : 14));
        QCOMPARE(countColour(strip->image(), strip->rect(), paletteColor(12)), 0);

        QTest::mouseClick(child<QPushButton>(window, "Command2"), Qt::LeftButton);
        QCOMPARE(host.fakeMessages.last().text,
                 QStringLiteral("Klicke die Buchstaben des angezeigten") + kCr
                     + QStringLiteral("Wortes in der richtigen Reihenfolge an.") + kCr + kCr);
        QTest::mouseClick(child<QPushButton>(window, "Command1"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(host.returnToMenuCalls, 1);
        QVERIFY(game.deck().isEmpty());
    }

    // With no word the window can draw (no noun short enough for a carpet, or only a picture
    // named by its article) it says so and goes back to the menu.
    void refusesWithoutWords_data()
    {
        QTest::addColumn<bool>("gallows");
        QTest::addColumn<QString>("entry");
        QTest::newRow("carpet, noun too long") << false << QStringLiteral("DAS") + QString(26, u'M') + QStringLiteral(".JPG");
        QTest::newRow("gallows, article only") << true << QStringLiteral("DAS.BMP");
    }
    void refusesWithoutWords()
    {
        QFETCH(bool, gallows);
        QFETCH(QString, entry);
        FakeContext host;
        host.entries = {entry};
        std::unique_ptr<ActivityWindow> window;
        if (gallows)
            window = std::make_unique<Galgen>(host, host);
        else
            window = std::make_unique<Form7>(host, host);
        window->activate();
        window->show();
        QTRY_COMPARE(host.returnToMenuCalls, 1);
        QVERIFY(!window->isVisible());
        QCOMPARE(host.fakeMessages.count(), 1);
        QCOMPARE(host.fakeMessages.last().caption, QStringLiteral("Zeichjagd"));
        QCOMPARE(host.fakeMessages.last().text, QStringLiteral("Es sind keine Wörter vorhanden.") + kCr
                                                    + QStringLiteral("bitte die Filterwahl kontrollieren!") + kCr);
    }

    // Pictures dragged onto each other with the mouse and with a finger exchange places; sorted,
    // the result panel lists the nouns (red first letter, green rest) and drags stop working.
    // A picture that cannot be loaded shows the placeholder and is sorted like the others.
    void abc()
    {
        testpictures::PictureDir dir;
        const QHash<QString, QColor> colourOf{
            {"EI", Qt::red}, {"BALL", Qt::green}, {"MAUS", Qt::blue}, {"ZUG", Qt::yellow}, {"TEXT", PictureFrame::kPlaceholder}};
        for (const QString name : {"dasEi.bmp", "derBall.bmp", "dieMaus.bmp", "derZug.bmp"}) {
            const QColor colour = colourOf.value(germanUpper(name.mid(3, name.size() - 7)));
            QVERIFY(dir.addImage(name, testpictures::makeImage(40, 40, colour, colour), "BMP"));
        }
        QVERIFY(dir.add(QStringLiteral("derText.bmp"), "kein Bild"));
        FakeContext host;
        host.folder = PictureFolder(dir.path());
        host.folder.scan();
        host.entries = {"DASEI.BMP", "DERBALL.BMP", "DIEMAUS.BMP", "DERZUG.BMP", "DERTEXT.BMP"};
        Form8 window(host, host);
        open(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("ortilo (ABC)"));
        const AbcGame &game = window.game();
        QList<QWidget *> slots;
        for (int i = 1; i <= 5; ++i)
            slots.append(child(window, QStringLiteral("Image%1").arg(i).toLatin1().constData()));
        const auto checkSlots = [&] {
            for (int i = 0; i < 5; ++i) {
                const QImage shown = slots[i]->grab().toImage();
                QCOMPARE(QColor(shown.pixel(shown.rect().center())), colourOf.value(game.slotOrder().at(i)));
            }
        };
        checkSlots();
        auto *panel = child<DrawingSurface>(window, "Picture1");
        auto *note = child<QLabel>(window, "Label3");
        QVERIFY(!panel->isVisible() && !note->isVisible());

        // A mouse drag shows the dragged picture under the pointer from the press on.
        QStringList order = game.slotOrder();
        QVERIFY(drag(window, slots[0], slots[2]));
        QVERIFY(!child(window, "dragGhost")->isVisible());
        order.swapItemsAt(0, 2);
        QCOMPARE(game.slotOrder(), order);
        checkSlots();

        // A finger drags the same way.
        // (Qt registers the device but never deletes it.)
        const std::unique_ptr<QPointingDevice> finger(QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen));
        QTest::touchEvent(&window, finger.get()).press(0, centreIn(window, slots[1]), &window);
        QTest::touchEvent(&window, finger.get()).move(0, centreIn(window, slots[3]), &window);
        QTest::touchEvent(&window, finger.get()).release(0, centreIn(window, slots[3]), &window);
        order.swapItemsAt(1, 3);
        QCOMPARE(game.slotOrder(), order);

        // Sorted by dragging (a drop on itself when the set is already in order).
        sortByDragging(window, game);
        QVERIFY(panel->isVisible() && note->isVisible());
        QCOMPARE(note->text(), QStringLiteral("Du hast es geschafft, klicke auf den Neu-Knopf . . ."));
        checkResultLines(*panel, game);
        order = game.slotOrder();
        drag(window, slots[0], slots[4]);
        QCOMPARE(game.slotOrder(), order);

        QTest::mouseClick(child<QPushButton>(window, "Command2"), Qt::LeftButton);
        QVERIFY(!panel->isVisible() && !note->isVisible());
        QTest::mouseClick(child<QPushButton>(window, "Command3"), Qt::LeftButton);
        QCOMPARE(host.fakeMessages.last().caption, QStringLiteral("Wortilo (ABC)"));
        QCOMPARE(host.fakeMessages.last().text, QStringLiteral("Ordne die Bilder nach dem ABC.") + kCr
                                                    + QStringLiteral("Dazu ziehst du die Bilder mit der") + kCr
                                                    + QStringLiteral("Maus in die richtige Reihenfolge.") + kCr + kCr);
        QTest::mouseClick(child<QPushButton>(window, "Command1"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QVERIFY(game.picture(0).isEmpty());
    }

    // Five long nouns, the first beginning with an umlaut and the last with descenders: all five
    // lines show whole, from the dots of the Ä to the tail of the g.
    void abcLongNouns()
    {
        FakeContext host;
        host.entries = {"DIEÄPFELPLANTAGE.BMP", "DERÖLTANKWAGEN.BMP", "DASÜBUNGSHEFT.BMP", "DIEZWERGZIEGE.BMP",
                        "DERJAGDHUNDEZWINGER.BMP"};
        Form8 window(host, host);
        open(window);
        sortByDragging(window, window.game());
        QVERIFY(window.game().isSolved());
        checkResultLines(*child<DrawingSurface>(window, "Picture1"), window.game());
    }

    // The arrow keys steer the figure while the word list has the focus; a click on the field
    // starts the game, a second one changes nothing; the letters jump every 3 seconds with the
    // bar at 3; Escape leaves, and no timer runs behind the hidden window, nor after the close box.
    // Each opening gives the field the keyboard, so that Space presses no button.
    void catchGame()
    {
        FakeContext host;
        host.name = QStringLiteral("Lena");
        host.entries = {QStringLiteral("DASEICHHÖRNCHEN.GIF"), QStringLiteral("DERHUND.JPG"),
                        QStringLiteral("DIEMAUS.GIF")};
        QPointer<Fang> window = new Fang(host, host);
        open(*window);
        QCOMPARE(window->windowTitle(), QStringLiteral("ortilo (Fange)"));
        QCOMPARE(child<QLabel>(*window, "Label1")->text(), QStringLiteral("Lena"));
        const CatchGame &game = window->game();
        auto *list = child<QListWidget>(*window, "List1");
        auto *field = child<DrawingSurface>(*window, "Bild5");
        auto *figure = child<QLabel>(*window, "Bezeichnung8");
        QCOMPARE(list->count(), 2);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(QApplication::focusWidget(), field);
        QTest::keyClick(field, Qt::Key_Space);
        QVERIFY(window->isVisible());

        list->setFocus();
        list->setCurrentRow(0);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Left);
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(game.figure(), QPoint(8, 9));
        QVERIFY(!figure->isVisible());

        QTest::mouseClick(field, Qt::LeftButton);
        QVERIFY(game.isRunning());
        QVERIFY(figure->isVisible());
        QCOMPARE(figure->pos(), twipsPoint(8 * 400, 9 * 400));
        const QList<int> columns = game.fangspalte();
        QTest::mouseClick(field, Qt::LeftButton);
        QCOMPARE(game.fangspalte(), columns);

        auto *speed = child<QScrollBar>(*window, "HBildlauf1");
        for (int i = 0; i < 7; ++i)
            QTest::mouseClick(speed, Qt::LeftButton, {}, QPoint(3, speed->height() / 2));
        QCOMPARE(speed->value(), 3);
        QCOMPARE(child<QLabel>(*window, "Bezeichnung15")->text(), QStringLiteral("3"));
        QSignalSpy jumps(&game, &CatchGame::fieldChanged);
        host.manualClock.advance(2000);
        QCOMPARE(jumps.count(), 0);
        host.manualClock.advance(1000);
        QCOMPARE(jumps.count(), 1);
        QCOMPARE(child<QLabel>(*window, "Bezeichnung6")->text(), QStringLiteral("3"));

        list->setFocus();
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        QCOMPARE(host.returnToMenuCalls, 1);
        QVERIFY(!host.manualClock.anyTickerActive());

        open(*window);
        QCOMPARE(window->focusWidget(), field); // what gets the keyboard when the window is active
        QVERIFY(!host.manualClock.anyTickerActive());
        QVERIFY(!figure->isVisible());
        QCOMPARE(child<QLabel>(*window, "Bezeichnung6")->text(), QStringLiteral("0"));
        QTest::mouseClick(child<QPushButton>(*window, "Command2"), Qt::LeftButton);
        QCOMPARE(host.fakeMessages.last().caption, QStringLiteral("F a n g e"));
        QVERIFY(host.fakeMessages.last().text.startsWith(QStringLiteral("Du musst die Buchstaben eines Wortes der") + kCr));
        QVERIFY(host.fakeMessages.last().text.endsWith(QStringLiteral("beliebiges Wort für dein Spiel auswählen.") + kCr));

        QTest::mouseClick(field, Qt::LeftButton);
        QVERIFY(host.manualClock.anyTickerActive());
        window->close();
        QVERIFY(!host.manualClock.anyTickerActive());
        QCOMPARE(host.returnToMenuCalls, 2);
        QTRY_VERIFY(!window);
    }
};

QTEST_MAIN(TestGameWindows)
#include "tst_gamewindows.moc"
