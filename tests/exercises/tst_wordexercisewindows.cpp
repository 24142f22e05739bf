// SPDX-License-Identifier: MIT
// The copying, dictation, word choice and picture choice windows driven as a child drives
// them: real keys as a German keyboard sends them, an input method composing a letter,
// pasting, clicks on options, buttons, the strip and the pictures, the slider moved by keys
// and dragged.
#include "exercises/choicewindow.h"
#include "exercises/testpictures.h"
#include "exercises/typingwindow.h"
#include "exercises/windowhelpers.h"
#include "support/fakecontext.h"
#include "widgets/drawingsurface.h"
#include "widgets/fonts.h"
#include "widgets/pictureframe.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

using namespace wortilo;
using namespace windowhelpers;
using wortilo::test::FakeContext;

namespace {


// A click on an option's caption.
void choose(QWidget *window, const char *option)
{
    auto *button = window->findChild<QRadioButton *>(QString::fromLatin1(option));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

const QString kCr2 = QString(QChar(13)) + QChar(13);
const QString kWrong = QStringLiteral("Die Eingabe bitte prüfen!") + kCr2;

// A key as a German keyboard sends it: its key code and the text it types.
void type(QWidget *field, Qt::Key key, const QString &text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::sendKeyEvent(QTest::Click, field, key, text, modifiers);
}

void typeWord(QWidget *field, const QString &word)
{
    for (const QChar c : word) {
        if (c == u'ä')
            type(field, Qt::Key_Adiaeresis, QStringLiteral("ä"));
        else if (c == u'Ä')
            type(field, Qt::Key_Adiaeresis, QStringLiteral("Ä"), Qt::ShiftModifier);
        else if (c == u'ß')
            type(field, Qt::Key_ssharp, QStringLiteral("ß"));
        else
            QTest::keyClick(field, c.toLatin1());
    }
}


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

class TestWordExerciseWindows : public QObject
{
    Q_OBJECT

private:
    testpictures::PictureDir m_pictures;

    FakeContext hostWith(const QStringList &entries) { return FakeContext::withPictures(m_pictures.path(), entries); }

    // Presses ">>" until the window presents the noun.
    bool presentNoun(TypingWindow &window, const QString &noun)
    {
        for (int i = 0; i < 30 && window.frame().currentWord().noun() != noun; ++i)
            QTest::mouseClick(window.nextButton(), Qt::LeftButton);
        return window.frame().currentWord().noun() == noun && window.textField()->text().isEmpty();
    }

private Q_SLOTS:
    void initTestCase()
    {
        installFontSubstitutes();
        using testpictures::makeImage;
        for (const char *name : {"derHund.jpg", "derKäse.bmp", "derFuß.jpg", "dieÄpfel.bmp", "dasUfo.gif",
                                 "dieKatze.bmp", "dasEi.gif", "derEimer.gif"})
            QVERIFY(m_pictures.addImage(QString::fromUtf8(name), makeImage(60, 40), "BMP"));
        QVERIFY(m_pictures.addImage(QStringLiteral("dasEi.bmp"), makeImage(30, 50), "BMP")); // portrait
        QVERIFY(m_pictures.addImage(QStringLiteral("dasEis.jpg"), makeImage(40, 60), "JPEG"));
        QVERIFY(m_pictures.add(QStringLiteral("dieLeiter.bmp"), "kein Bild"));
    }

    void copying()
    {
        FakeContext host = hostWith({"DERHUND.JPG", "DERKÄSE.BMP", "DERFUß.JPG", "DIEÄPFEL.BMP", "DASUFO.GIF"});
        Form9 window(host, host);
        open(window);
        QLineEdit *field = window.textField();
        QCOMPARE(window.focusWidget(), field);
        auto &calls = host.fakeMessages.calls;

        // "Hun" passes silently; "d" records Hund, and the next word follows once the box is
        // closed, with an empty field.
        QVERIFY(presentNoun(window, QStringLiteral("Hund")));
        QTest::keyClicks(field, QStringLiteral("Hun"));
        QCOMPARE(calls.size(), 0);
        QString inBox;
        host.fakeMessages.whileShown = [&] { inBox = field->text() + u'/' + window.frame().currentWord().noun(); };
        QTest::keyClick(field, 'd');
        QCOMPARE(calls.size(), 1);
        QCOMPARE(inBox, QStringLiteral("Hund/Hund"));
        QCOMPARE(host.usageLines(Activity::Abschrift), QStringList{QStringLiteral("Hund")});
        QCOMPARE(field->text(), QString());
        QCOMPARE(window.focusWidget(), field);
        host.fakeMessages.whileShown = nullptr;
        // Nothing to undo: the last word does not come back, by key nor by the context menu.
        QVERIFY(!field->isUndoAvailable());
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(field->text(), QString());
        QCOMPARE(calls.size(), 1);

        // A wrong first letter is reported at once and stays; deleting it stops the messages.
        QVERIFY(presentNoun(window, QStringLiteral("Hund")));
        QTest::keyClick(field, 'h');
        QCOMPARE(calls.size(), 2);
        QCOMPARE(calls.last().text, kWrong);
        QCOMPARE(field->text(), QStringLiteral("h"));
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, QStringLiteral("Hu"));
        QCOMPARE(calls.size(), 2);

        // Umlauts and ß typed directly.
        host.confirmations = false;
        for (const char *noun : {"Käse", "Fuß", "Äpfel"}) {
            QVERIFY(presentNoun(window, QString::fromUtf8(noun)));
            typeWord(field, QString::fromUtf8(noun));
        }
        QCOMPARE(host.usageLines(Activity::Abschrift),
                 (QStringList{QStringLiteral("Hund"), QStringLiteral("Käse"), QStringLiteral("Fuß"), QStringLiteral("Äpfel")}));
        QCOMPARE(calls.size(), 2);

        // A dead key or an input method: what it is still composing is not judged, the letter
        // it commits is.
        QVERIFY(presentNoun(window, QStringLiteral("Käse")));
        QTest::keyClick(field, 'K');
        for (const char *preedit : {"\xc2\xa8", "a\xcc\x88"}) {
            QInputMethodEvent composing(QString::fromUtf8(preedit), {});
            QApplication::sendEvent(field, &composing);
        }
        QCOMPARE(calls.size(), 2);
        QCOMPARE(field->text(), QStringLiteral("K"));
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("ä"));
        QApplication::sendEvent(field, &commit);
        QCOMPARE(field->text(), QStringLiteral("Kä"));
        QTest::keyClicks(field, QStringLiteral("se"));
        QCOMPARE(host.usageLines(Activity::Abschrift).last(), QStringLiteral("Käse"));

        // Pasting a longer word is reported.
        QVERIFY(presentNoun(window, QStringLiteral("Ufo")));
        QGuiApplication::clipboard()->setText(QStringLiteral("Ufos"));
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(calls.size(), 3);
        QCOMPARE(field->text(), QStringLiteral("Ufos"));

        // "Wort" hides the pictures for this and the following words, also after leaving and
        // coming back; the focus returns into the field.
        auto *wordOnly = window.findChild<QRadioButton *>(QStringLiteral("Option2"));
        QVERIFY(window.findChild<QRadioButton *>(QStringLiteral("Option3"))->isChecked());
        choose(&window, "Option2");
        QCOMPARE(window.focusWidget(), field);
        const auto shown = [&]() -> QString {
            return QString::number(window.image1()->isVisible()) + QString::number(window.image2()->isVisible())
                   + QString::number(window.strip()->isVisible());
        };
        QCOMPARE(shown(), QStringLiteral("001"));
        QTest::mouseClick(window.nextButton(), Qt::LeftButton);
        QCOMPARE(shown(), QStringLiteral("001"));
        click(&window, QStringLiteral("Command1"));
        QVERIFY(!window.isVisible());
        open(window);
        QCOMPARE(shown(), QStringLiteral("001"));
        QVERIFY(wordOnly->isChecked());
        choose(&window, "Option1");
        QCOMPARE(shown(), QStringLiteral("110"));
    }

    void dictation()
    {
        FakeContext host = hostWith({"DERHUND.JPG", "DERFUß.JPG", "DASUFO.GIF"});
        Form10 window(host, host);
        open(window);
        QLineEdit *field = window.textField();
        auto *instruction = window.findChild<QLabel *>(QStringLiteral("Label2"));
        QVERIFY(drawnIn(instruction, QColor(0, 192, 0), QColor(224, 224, 224)));
        const auto shown = [&]() -> QString {
            return QString::number(window.strip()->isVisible()) + QString::number(instruction->isVisible());
        };
        auto &calls = host.fakeMessages.calls;

        // The first keystroke hides word and instruction; a wrong one brings the word back
        // once its message is closed, the instruction stays hidden.
        QVERIFY(presentNoun(window, QStringLiteral("Hund")));
        QCOMPARE(shown(), QStringLiteral("11"));
        QTest::keyClick(field, 'H');
        QCOMPARE(shown(), QStringLiteral("00"));
        QString inBox;
        host.fakeMessages.whileShown = [&] { inBox = shown(); };
        QTest::keyClick(field, 'x');
        QCOMPARE(inBox, QStringLiteral("00"));
        QCOMPARE(calls.size(), 1);
        QCOMPARE(shown(), QStringLiteral("10"));
        QCOMPARE(field->text(), QStringLiteral("Hx"));
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(shown(), QStringLiteral("00"));
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(shown(), QStringLiteral("00"));

        // ">>" brings a new word with both in view.
        QTest::keyClick(field, 'H');
        QTest::mouseClick(window.nextButton(), Qt::LeftButton);
        QCOMPARE(shown(), QStringLiteral("11"));
        QCOMPARE(field->text(), QString());
        QCOMPARE(window.focusWidget(), field);

        // The last right letter records the word.
        QVERIFY(presentNoun(window, QStringLiteral("Fuß")));
        typeWord(field, QStringLiteral("Fuß"));
        QCOMPARE(host.usageLines(Activity::Diktat), QStringList{QStringLiteral("Fuß")});
        QCOMPARE(calls.size(), 2);
        QCOMPARE(shown(), QStringLiteral("11"));
        QCOMPARE(field->text(), QString());
    }

    void wordChoice()
    {
        FakeContext host = hostWith({"DERHUND.JPG", "DIEKATZE.BMP", "DASUFO.GIF", "DASEI.GIF", "DEREIMER.GIF"});
        Form5 window(host, host);
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
        QCOMPARE(window.strip()->accessibleName(), choice.offered().last().noun());
        const QImage before = window.strip()->image();
        QTest::mouseClick(window.nextButton(), Qt::LeftButton);
        QCOMPARE(choice.selected(), 0);
        QVERIFY(window.strip()->image() != before);

        // A click on a wrong noun does nothing; on the right one it is confirmed and a new
        // task follows.
        for (int i = 0; i < 5 && choice.offered().at(choice.selected()).noun() == task.noun(); ++i)
            QTest::mouseClick(window.nextButton(), Qt::LeftButton);
        QTest::mouseClick(window.strip(), Qt::LeftButton);
        QCOMPARE(host.fakeMessages.count(), 0);
        QCOMPARE(choice.currentWord(), task);
        host.confirmations = false; // it confirms anyway
        for (int i = 0; i < 5 && choice.offered().at(choice.selected()).noun() != task.noun(); ++i)
            QTest::mouseClick(window.nextButton(), Qt::LeftButton);
        QTest::mouseClick(window.strip(), Qt::LeftButton);
        QCOMPARE(host.fakeMessages.count(), 1);
        QCOMPARE(host.usageLines(Activity::Wortwahl), QStringList{task.noun()});
        QCOMPARE(count->text(), QStringLiteral(" 10 Wörter"));
    }

    // The task Ei among the pictures of Eimer, Eis, a broken Leiter and two pictures of Ei:
    // only the two of Ei are accepted.
    void pictureChoice()
    {
        FakeContext host = hostWith({"DASEI.BMP", "DASEI.GIF", "DASEIS.JPG", "DEREIMER.GIF", "DIELEITER.BMP"});
        Form6 window(host, host);
        open(window);
        ChoiceExercise &choice = window.choice();
        QVERIFY(drawnIn(window.findChild<QLabel *>(QStringLiteral("Label2")), kGreen, kGrey));
        dragToEnd(window.slider(), window.countLabel());

        QStringList accepted;
        for (int round = 0; round < 2; ++round) {
            // Moving the slider starts a new task.
            for (int i = 0; i < 100 && choice.currentWord().noun() != u"Ei"; ++i) {
                QTest::keyClick(window.slider(), Qt::Key_Left);
                QTest::keyClick(window.slider(), Qt::Key_Right);
            }
            QCOMPARE(choice.currentWord().noun(), QStringLiteral("Ei"));
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
        }
        accepted.sort();
        QCOMPARE(accepted, (QStringList{QStringLiteral("DASEI.BMP"), QStringLiteral("DASEI.GIF")}));
        QCOMPARE(host.usageLines(Activity::Bildwahl), (QStringList{QStringLiteral("Ei"), QStringLiteral("Ei")}));
    }
};

QTEST_MAIN(TestWordExerciseWindows)
#include "tst_wordexercisewindows.moc"
