// SPDX-License-Identifier: MIT
// The word choice and picture choice windows driven by mouse and keys: the slider moved with
// keys and dragged, "<<" and ">>", clicks on the strip and on the pictures.
#include "exercises/choicewindow.h"
#include "exercises/testpictures.h"
#include "exercises/windowhelpers.h"
#include "support/fakehost.h"
#include "widgets/drawingsurface.h"
#include "widgets/fonts.h"
#include "widgets/pictureframe.h"

#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

using namespace wortilo;
using namespace windowhelpers;
using wortilo::test::FakeHost;

namespace {

const QString kCr2 = QString(QChar(13)) + QChar(13);
const QColor kGreen(0, 192, 0), kGrey(224, 224, 224);

// Where the slider's thumb is, as the style draws it.
QRect thumb(QScrollBar *bar)
{
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.subControls = QStyle::SC_All;
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, bar);
}

// Drags the slider's thumb to the right end, checking that the count follows while dragging.
void dragToEnd(QScrollBar *bar, QLabel *count)
{
    const QPoint from = thumb(bar).center();
    const QPoint to(bar->width() - 2, from.y());
    QTest::mousePress(bar, Qt::LeftButton, {}, from);
    QTest::mouseMove(bar, (from + to) / 2);
    QVERIFY(bar->value() > 3 && bar->value() < 10);
    QCOMPARE(count->text(), QStringLiteral(" %1 Wörter").arg(bar->value()));
    QTest::mouseMove(bar, to);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, to);
    QCOMPARE(bar->value(), 10);
    QCOMPARE(count->text(), QStringLiteral(" 10 Wörter"));
}

} // namespace

class TestChoiceWindows : public QObject
{
    Q_OBJECT

private:
    testpictures::PictureDir m_pictures;

private Q_SLOTS:
    void initTestCase()
    {
        installFontSubstitutes();
        using testpictures::makeImage;
        QVERIFY(m_pictures.addImage(QStringLiteral("derHund.jpg"), makeImage(60, 40), "JPEG"));
        QVERIFY(m_pictures.addImage(QStringLiteral("dieKatze.bmp"), makeImage(60, 40), "BMP"));
        QVERIFY(m_pictures.addImage(QStringLiteral("dasUfo.gif"), makeImage(60, 40), "GIF"));
        QVERIFY(m_pictures.addImage(QStringLiteral("dasEi.gif"), makeImage(60, 40), "GIF"));
        QVERIFY(m_pictures.addImage(QStringLiteral("dasEi.bmp"), makeImage(30, 50), "BMP")); // portrait
        QVERIFY(m_pictures.addImage(QStringLiteral("derEimer.gif"), makeImage(60, 40), "GIF"));
        QVERIFY(m_pictures.addImage(QStringLiteral("dasEis.jpg"), makeImage(40, 60), "JPEG"));
        QVERIFY(m_pictures.add(QStringLiteral("dieLeiter.bmp"), "kein Bild"));
    }

    void wordChoice()
    {
        FakeHost host;
        host.entries = {QStringLiteral("DERHUND.JPG"), QStringLiteral("DIEKATZE.BMP"), QStringLiteral("DASUFO.GIF"),
                        QStringLiteral("DASEI.GIF"), QStringLiteral("DEREIMER.GIF")};
        host.folder = PictureFolder(m_pictures.path());
        host.folder.scan();
        Form5 window(host);
        open(window);
        ChoiceExercise &choice = window.choice();
        QLabel *count = window.countLabel();
        QCOMPARE(count->text(), QStringLiteral("3 Wörter"));
        QVERIFY(drawnIn(count, kGreen, kGrey));
        QVERIFY(drawnIn(window.findChild<QLabel *>(QStringLiteral("Label2")), kGreen, kGrey));
        QCOMPARE(choice.offered().size(), 3);
        QVERIFY(window.image1()->picture().isLoaded());
        const Word task = choice.currentWord();

        // The slider by key and by drag: the same task, offered anew, at most the five words.
        QTest::keyClick(window.slider(), Qt::Key_Right);
        QCOMPARE(count->text(), QStringLiteral(" 4 Wörter"));
        QCOMPARE(choice.offered().size(), 4);
        dragToEnd(window.slider(), count);
        QCOMPARE(choice.offered().size(), 5);
        QCOMPARE(choice.currentWord(), task);

        // "<<" on the first shows the last; the strip shows the noun selected.
        QTest::mouseClick(window.previousButton(), Qt::LeftButton);
        QCOMPARE(choice.selected(), 4);
        QCOMPARE(window.strip()->accessibleDescription(), choice.offered().last().noun());
        const QImage before = window.strip()->image();
        QTest::mouseClick(window.nextButton(), Qt::LeftButton);
        QCOMPARE(choice.selected(), 0);
        QVERIFY(window.strip()->image() != before);

        // A click on a wrong noun does nothing; on the right one it is confirmed and a new
        // task follows.
        while (choice.offered().at(choice.selected()).noun() == task.noun())
            QTest::mouseClick(window.nextButton(), Qt::LeftButton);
        QTest::mouseClick(window.strip(), Qt::LeftButton);
        QCOMPARE(host.fakeMessages.count(), 0);
        QCOMPARE(choice.currentWord(), task);
        host.confirmations = false; // it confirms anyway
        while (choice.offered().at(choice.selected()).noun() != task.noun())
            QTest::mouseClick(window.nextButton(), Qt::LeftButton);
        QTest::mouseClick(window.strip(), Qt::LeftButton);
        QCOMPARE(host.fakeMessages.count(), 1);
        QCOMPARE(host.fakeMessages.last().caption, QStringLiteral("Lösung"));
        QCOMPARE(host.fakeMessages.last().text, QStringLiteral("Das Wort ist richtig, weiter nun!") + kCr2);
        QCOMPARE(host.usageLines(Activity::Wortwahl), QStringList{task.noun()});
        QCOMPARE(count->text(), QStringLiteral(" 10 Wörter"));
    }

    // The task Ei among the pictures of Eimer, Eis, a broken Leiter and two pictures of Ei:
    // only the two of Ei are accepted.
    void pictureChoice()
    {
        FakeHost host;
        host.entries = {QStringLiteral("DASEI.BMP"), QStringLiteral("DASEI.GIF"), QStringLiteral("DASEIS.JPG"),
                        QStringLiteral("DEREIMER.GIF"), QStringLiteral("DIELEITER.BMP")};
        host.folder = PictureFolder(m_pictures.path());
        host.folder.scan();
        host.confirmations = true;
        Form6 window(host);
        open(window);
        ChoiceExercise &choice = window.choice();
        QVERIFY(drawnIn(window.findChild<QLabel *>(QStringLiteral("Label2")), kGreen, kGrey));
        dragToEnd(window.slider(), window.countLabel());

        QStringList accepted;
        for (int round = 0; round < 2; ++round) {
            // Moving the slider starts a new task.
            while (choice.currentWord().noun() != u"Ei") {
                QTest::keyClick(window.slider(), Qt::Key_Left);
                QTest::keyClick(window.slider(), Qt::Key_Right);
            }
            QCOMPARE(choice.offered().size(), 5);
            // Leaf to an Ei picture not accepted yet, clicking every other picture on the way.
            for (int i = 0; i < 5; ++i) {
                const QString entry = choice.offered().at(choice.selected()).entry();
                PictureFrame *shown = window.image1()->picture().isEmpty() ? window.image2() : window.image1();
                QVERIFY(!shown->picture().isEmpty());
                QVERIFY(shown->isVisible());
                if (entry == u"DIELEITER.BMP")
                    QVERIFY(shown->picture().isUnloadable());
                if (entry.startsWith(u"DASEI.") && !accepted.contains(entry)) {
                    QTest::mouseClick(shown, Qt::LeftButton);
                    accepted << entry;
                    break;
                }
                if (!entry.startsWith(u"DASEI."))
                    QTest::mouseClick(shown, Qt::LeftButton);
                QCOMPARE(host.fakeMessages.count(), round);
                QTest::mouseClick(window.nextButton(), Qt::LeftButton);
            }
            QCOMPARE(host.fakeMessages.count(), round + 1);
            QCOMPARE(host.fakeMessages.last().caption, QStringLiteral("Lösung"));
            QCOMPARE(host.fakeMessages.last().text, QStringLiteral("Das Bild ist richtig, weiter nun!") + kCr2);
        }
        accepted.sort();
        QCOMPARE(accepted, (QStringList{QStringLiteral("DASEI.BMP"), QStringLiteral("DASEI.GIF")}));
        QCOMPARE(host.usageLines(Activity::Bildwahl), (QStringList{QStringLiteral("Ei"), QStringLiteral("Ei")}));
    }
};

QTEST_MAIN(TestChoiceWindows)
#include "tst_choicewindows.moc"
