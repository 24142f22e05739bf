// SPDX-License-Identifier: MIT
// The copying and dictation windows driven by real keys, as a German keyboard sends them, by an
// input method composing a letter, by pasting, and by mouse clicks on options and buttons.
#include "exercises/form10.h"
#include "exercises/form9.h"
#include "exercises/testpictures.h"
#include "exercises/windowhelpers.h"
#include "support/fakehost.h"
#include "widgets/drawingsurface.h"
#include "widgets/fonts.h"
#include "widgets/pictureframe.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace wortilo;
using namespace windowhelpers;
using wortilo::test::FakeHost;

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

} // namespace

class TestTypingWindows : public QObject
{
    Q_OBJECT

private:
    testpictures::PictureDir m_pictures;
    FakeHost m_host;

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
        for (const char *name : {"derHund.jpg", "derKäse.bmp", "derFuß.jpg", "dieÄpfel.bmp", "dasUfo.gif"})
            QVERIFY(m_pictures.addImage(QString::fromUtf8(name), testpictures::makeImage(60, 40), "BMP"));
        m_host.entries = {QStringLiteral("DERHUND.JPG"), QStringLiteral("DERKÄSE.BMP"), QStringLiteral("DERFUß.JPG"),
                          QStringLiteral("DIEÄPFEL.BMP"), QStringLiteral("DASUFO.GIF")};
        m_host.folder = PictureFolder(m_pictures.path());
        m_host.folder.scan();
    }
    void init()
    {
        m_host.fakeMessages.clear();
        m_host.fakeMessages.whileShown = nullptr;
        m_host.usage = {};
        m_host.confirmations = true;
    }

    void copying()
    {
        Form9 window(m_host);
        open(window);
        QLineEdit *field = window.textField();
        QCOMPARE(field->objectName(), QStringLiteral("Text1"));
        QCOMPARE(window.focusWidget(), field);
        auto &calls = m_host.fakeMessages.calls;

        // "Hun" passes silently; "d" records Hund, and the next word follows once the box is
        // closed, with an empty field.
        QVERIFY(presentNoun(window, QStringLiteral("Hund")));
        QTest::keyClicks(field, QStringLiteral("Hun"));
        QCOMPARE(calls.size(), 0);
        QString inBox;
        m_host.fakeMessages.whileShown = [&] { inBox = field->text() + u'/' + window.frame().currentWord().noun(); };
        QTest::keyClick(field, 'd');
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls.last().caption, QStringLiteral("Abschrift"));
        QCOMPARE(calls.last().text, QStringLiteral("Das Wort wurde richtig geschrieben!") + kCr2);
        QCOMPARE(inBox, QStringLiteral("Hund/Hund"));
        QCOMPARE(m_host.usageLines(Activity::Abschrift), QStringList{QStringLiteral("Hund")});
        QCOMPARE(field->text(), QString());
        QCOMPARE(window.focusWidget(), field);
        m_host.fakeMessages.whileShown = nullptr;

        // A wrong first letter is reported at once and stays; deleting it stops the messages.
        QVERIFY(presentNoun(window, QStringLiteral("Hund")));
        QTest::keyClick(field, 'h');
        QCOMPARE(calls.size(), 2);
        QCOMPARE(calls.last().caption, QStringLiteral("Fehler"));
        QCOMPARE(calls.last().text, kWrong);
        QCOMPARE(field->text(), QStringLiteral("h"));
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, QStringLiteral("Hu"));
        QCOMPARE(calls.size(), 2);

        // Umlauts and ß typed directly.
        m_host.confirmations = false;
        for (const char *noun : {"Käse", "Fuß", "Äpfel"}) {
            QVERIFY(presentNoun(window, QString::fromUtf8(noun)));
            typeWord(field, QString::fromUtf8(noun));
        }
        QCOMPARE(m_host.usageLines(Activity::Abschrift),
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
        QCOMPARE(m_host.usageLines(Activity::Abschrift).last(), QStringLiteral("Käse"));
        QCOMPARE(calls.size(), 2);

        // Pasting: a longer word is reported, the word itself counts.
        QVERIFY(presentNoun(window, QStringLiteral("Ufo")));
        QGuiApplication::clipboard()->setText(QStringLiteral("Ufos"));
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(calls.size(), 3);
        QCOMPARE(calls.last().text, kWrong);
        QCOMPARE(field->text(), QStringLiteral("Ufos"));
        QGuiApplication::clipboard()->setText(QStringLiteral("Ufo"));
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m_host.usageLines(Activity::Abschrift).last(), QStringLiteral("Ufo"));
        QCOMPARE(field->text(), QString());

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

        // A click on the instruction puts the focus back into the field.
        window.nextButton()->setFocus();
        QTest::mouseClick(window.findChild<QLabel *>(QStringLiteral("Label2")), Qt::LeftButton);
        QCOMPARE(window.focusWidget(), field);
    }

    void dictation()
    {
        Form10 window(m_host);
        open(window);
        QLineEdit *field = window.textField();
        auto *instruction = window.findChild<QLabel *>(QStringLiteral("Label2"));
        QVERIFY(drawnIn(instruction, QColor(0, 192, 0), QColor(224, 224, 224)));
        const auto shown = [&]() -> QString {
            return QString::number(window.strip()->isVisible()) + QString::number(instruction->isVisible());
        };
        auto &calls = m_host.fakeMessages.calls;

        // The first keystroke hides word and instruction; a wrong one brings the word back
        // once its message is closed, the instruction stays hidden.
        QVERIFY(presentNoun(window, QStringLiteral("Hund")));
        QCOMPARE(shown(), QStringLiteral("11"));
        QTest::keyClick(field, 'H');
        QCOMPARE(shown(), QStringLiteral("00"));
        QString inBox;
        m_host.fakeMessages.whileShown = [&] { inBox = shown(); };
        QTest::keyClick(field, 'x');
        QCOMPARE(inBox, QStringLiteral("00"));
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls.last().caption, QStringLiteral("Fehler"));
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

        // The last right letter records the word, confirmed under the copying caption.
        QVERIFY(presentNoun(window, QStringLiteral("Fuß")));
        typeWord(field, QStringLiteral("Fuß"));
        QCOMPARE(m_host.usageLines(Activity::Diktat), QStringList{QStringLiteral("Fuß")});
        QCOMPARE(calls.size(), 2);
        QCOMPARE(calls.last().caption, QStringLiteral("Abschrift"));
        QCOMPARE(calls.last().text, QStringLiteral("Das Wort wurde richtig geschrieben!") + kCr2);
        QCOMPARE(shown(), QStringLiteral("11"));
        QCOMPARE(field->text(), QString());
    }
};

QTEST_MAIN(TestTypingWindows)
#include "tst_typingwindows.moc"
