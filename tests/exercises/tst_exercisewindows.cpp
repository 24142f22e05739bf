// SPDX-License-Identifier: MIT
// The reading, article and completion windows driven as a child drives them: opened by the
// menu, buttons clicked, and what they show read back, down to the colours of the letters
// drawn on the word strip.
#include "widgets/drawingsurface.h"
#include "widgets/fonts.h"
#include "core/palette.h"
#include "core/twips.h"
#include "exercises/form2.h"
#include "exercises/form3.h"
#include "exercises/form4.h"
#include "exercises/typingwindow.h"
#include "widgets/pictureframe.h"
#include "exercises/testpictures.h"
#include "exercises/windowhelpers.h"
#include "support/fakecontext.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <memory>

using namespace wortilo;
using wortilo::test::FakeContext;
using namespace windowhelpers;

namespace {

const QString kCr2 = QString(QChar(13)) + QChar(13);
const QColor kBlue(0, 0, 255), kYellow(255, 255, 0);

enum class Kind { Lesen, Begleiter, Ergaenzen, Abschrift, Diktat };

std::unique_ptr<ExerciseWindow> makeWindow(Kind kind, FakeContext &host)
{
    switch (kind) {
    case Kind::Lesen: return std::make_unique<Form2>(host, host);
    case Kind::Begleiter: return std::make_unique<Form3>(host, host);
    case Kind::Ergaenzen: return std::make_unique<Form4>(host, host);
    case Kind::Abschrift: return std::make_unique<Form9>(host, host);
    case Kind::Diktat: return std::make_unique<Form10>(host, host);
    }
    return nullptr;
}

bool near(QRgb a, const QColor &b)
{
    return qAbs(qRed(a) - b.red()) <= 40 && qAbs(qGreen(a) - b.green()) <= 40 && qAbs(qBlue(a) - b.blue()) <= 40;
}

// Reads the strip pixel by pixel: the pieces of text are printed one after another from the
// left edge; pattern gives per piece c (consonant colour), v (vowel colour) or _ (a blank).
// Each letter's box must hold pixels of its colour and none of the other letter colour;
// blanks and everything right of the last piece show only the background.
void checkStrip(const DrawingSurface &strip, const QString &text, const QString &pattern, const QColor &consonant,
                const QColor &vowel, const QColor &background)
{
    QCOMPARE(text.size(), pattern.size());
    const QImage image = strip.image();
    QCOMPARE(image.size(), strip.size());
    const QFontMetrics metrics(strip.font());
    int x = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int advance = metrics.horizontalAdvance(QString(text[i]));
        const QRect box(x, 0, advance, image.height());
        const QString where = QStringLiteral("piece %1 '%2' at x %3").arg(i).arg(text[i]).arg(x);
        if (pattern[i] == u'_') {
            const QRect inner = box.adjusted(3, 0, -3, 0);
            QVERIFY2(countColour(image, inner, background) == inner.width() * inner.height(), qPrintable(where));
        } else {
            const QColor &mine = pattern[i] == u'v' ? vowel : consonant;
            const QColor &other = pattern[i] == u'v' ? consonant : vowel;
            QVERIFY2(countColour(image, box, mine) >= 30, qPrintable(where + QStringLiteral(": own colour missing")));
            QVERIFY2(countColour(image, box, other) == 0, qPrintable(where + QStringLiteral(": other colour drawn")));
        }
        x += advance;
    }
    const QRect rest(x + 3, 0, image.width() - x - 3, image.height());
    QVERIFY2(countColour(image, rest, background) == rest.width() * rest.height(), "something drawn after the word");
}

// The strip shows nothing but its background.
bool stripBlank(const DrawingSurface &strip, const QColor &background)
{
    const QImage image = strip.image();
    return countColour(image, image.rect(), background) == image.width() * image.height();
}

// Grabs a picture frame and tells whether it shows the test picture (blue with a yellow middle),
// stretched over the whole frame.
bool showsTestPicture(PictureFrame *frame)
{
    const QImage shown = frame->grab().toImage();
    const int w = shown.width(), h = shown.height();
    return near(shown.pixel(2, 2), kBlue) && near(shown.pixel(w - 3, h - 3), kBlue)
           && near(shown.pixel(w / 2, h / 2), kYellow);
}

bool showsPlaceholder(PictureFrame *frame)
{
    const QImage shown = frame->grab().toImage();
    return countColour(shown, shown.rect(), PictureFrame::kPlaceholder) == shown.width() * shown.height();
}

} // namespace

class TestExerciseWindows : public QObject
{
    Q_OBJECT

private:
    testpictures::PictureDir m_pictures;
    testpictures::PictureDir m_hostile;

    void useFolder(FakeContext &host, const QString &path, const QStringList &entries)
    {
        host.entries = entries;
        host.folder = PictureFolder(path);
        host.folder.scan();
        host.backgroundColor = QColor(255, 255, 224);
    }
    // Presses ">>" until the window shows the noun (at most two passes of the deck).
    bool presentNoun(ExerciseWindow &window, const QString &noun)
    {
        for (int i = 0; i < 20 && window.frame().currentWord().noun() != noun; ++i)
            QTest::mouseClick(window.nextButton(), Qt::LeftButton);
        return window.frame().currentWord().noun() == noun;
    }

private Q_SLOTS:
    void initTestCase()
    {
        installFontSubstitutes();
        using testpictures::makeImage;
        QVERIFY(m_pictures.addImage(QStringLiteral("dasUfo.gif"), makeImage(60, 40, kBlue, kYellow), "GIF"));
        QVERIFY(m_pictures.addImage(QStringLiteral("derHund.jpg"), makeImage(50, 50, kBlue, kYellow), "JPEG"));
        QVERIFY(m_pictures.addImage(QStringLiteral("dieKatze.bmp"), makeImage(50, 51, kBlue, kYellow), "BMP"));
        QVERIFY(m_pictures.addImage(QStringLiteral("dieÄpfel.bmp"), makeImage(80, 30, kBlue, kYellow), "BMP"));
        QVERIFY(m_pictures.addImage(QStringLiteral("derFuß.jpg"), makeImage(30, 90, kBlue, kYellow), "JPEG"));
        QVERIFY(m_pictures.addImage(QStringLiteral("dasTaxi.bmp"), makeImage(2200, 20, kBlue, kYellow), "BMP"));

        const QByteArray jpeg = testpictures::encode(makeImage(200, 100), "JPEG");
        QVERIFY(m_hostile.add(QStringLiteral("derBruch.jpg"), jpeg.left(jpeg.size() / 2)));
        QVERIFY(m_hostile.add(QStringLiteral("dasNichts.gif"), QByteArray()));
        QVERIFY(m_hostile.add(QStringLiteral("derText.bmp"), "Dies ist kein Bild.\n"));
        QVERIFY(m_hostile.add(QStringLiteral("dieBombe.bmp"), testpictures::bmpHeaderOnly(60000, 60000)));
    }

    // A double click on an answer button whose second click arrives while the confirmation is
    // open answers once.
    void doubleClickAnswersOnce()
    {
        FakeContext host;
        useFolder(host, m_pictures.path(), {QStringLiteral("DERHUND.JPG"), QStringLiteral("DASUFO.GIF")});
        const auto window = makeWindow(Kind::Begleiter, host);
        open(*window);
        const QString article = window->frame().currentWord().article();
        QPushButton *answer = nullptr;
        for (QPushButton *b : window->findChildren<QPushButton *>())
            if (b->text() == article)
                answer = b;
        host.fakeMessages.whileShown = [&] { QTest::mouseClick(answer, Qt::LeftButton); };
        QTest::mouseClick(answer, Qt::LeftButton);
        QCOMPARE(host.fakeMessages.count(), 1);
        QCOMPARE(host.fakeMessages.last().caption, QStringLiteral("Lösung"));
        QCOMPARE(host.usageLines(Activity::Begleiter).size(), 1);
    }

    // The three windows as their layout tables give them (twips, 15 per pixel).
    void layout_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("caption");
        const auto frame = [](Kind kind, int image1Left, int image1Top, int image2Left, int image2Top, int stripTop,
                              int stripHeight, const char *previous, const char *next) {
            const QByteArray k = kind == Kind::Lesen ? "Lesen" : kind == Kind::Begleiter ? "Begleiter" : "Ergänzen";
            QTest::addRow("%s Image1", k.constData()) << int(kind) << "Image1" << QRect(image1Left, image1Top, 5295, 3855) << "";
            QTest::addRow("%s Image2", k.constData()) << int(kind) << "Image2" << QRect(image2Left, image2Top, 3855, 5295) << "";
            QTest::addRow("%s Picture1", k.constData()) << int(kind) << "Picture1" << QRect(120, stripTop, 10575, stripHeight) << "";
            QTest::addRow("%s Shape1", k.constData()) << int(kind) << "Shape1" << QRect(120, 6840, 10575, 615) << "";
            QTest::addRow("%s <<", k.constData()) << int(kind) << previous << QRect(240, 6960, 1095, 375) << "<<";
            QTest::addRow("%s Abbruch", k.constData()) << int(kind) << "Command1" << QRect(4320, 6960, 2175, 375) << "Abbruch . . .";
            QTest::addRow("%s >>", k.constData()) << int(kind) << next << QRect(9480, 6960, 1095, 375) << ">>";
        };
        frame(Kind::Lesen, 2760, 960, 3480, 240, 5640, 1095, "Command2", "Command3");
        frame(Kind::Begleiter, 2760, 840, 3480, 120, 5520, 1215, "Command5", "Command6");
        frame(Kind::Ergaenzen, 4440, 840, 5160, 120, 5520, 1215, "Command2", "Command3");
        const int b = int(Kind::Begleiter), e = int(Kind::Ergaenzen);
        QTest::newRow("Begleiter der") << b << "Command2" << QRect(360, 1080, 1335, 975) << "der";
        QTest::newRow("Begleiter die") << b << "Command3" << QRect(360, 2280, 1335, 975) << "die";
        QTest::newRow("Begleiter das") << b << "Command4" << QRect(360, 3480, 1335, 975) << "das";
        QTest::newRow("Ergänzen Ich sehe") << e << "Label2" << QRect(1080, 1200, 2775, 615) << "Ich sehe";
        QTest::newRow("Ergänzen ein") << e << "Command4" << QRect(1080, 1920, 2295, 615) << "ein";
        QTest::newRow("Ergänzen eine") << e << "Command5" << QRect(1080, 2640, 2295, 615) << "eine";
        QTest::newRow("Ergänzen einen") << e << "Command6" << QRect(1080, 3360, 2295, 615) << "einen";
    }
    void layout()
    {
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, caption);
        FakeContext host;
        const auto window = makeWindow(Kind(kind), host);
        auto *control = window->findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
        if (auto *button = qobject_cast<QPushButton *>(control))
            QCOMPARE(button->text(), caption);
        if (auto *label = qobject_cast<QLabel *>(control))
            QCOMPARE(label->text(), caption);
    }

    void windows_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<bool>("resizable");
        QTest::newRow("Lesen") << int(Kind::Lesen) << "ortilo (Lesen)" << QSize(10830, 7590) << false;
        QTest::newRow("Begleiter") << int(Kind::Begleiter) << "ortilo (Begleiter)" << QSize(10815, 7590) << false;
        QTest::newRow("Ergänzen") << int(Kind::Ergaenzen) << "ortilo (Ergänzung)" << QSize(10815, 7560) << true;
    }
    void windows()
    {
        QFETCH(int, kind);
        QFETCH(QString, title);
        QFETCH(QSize, client);
        QFETCH(bool, resizable);
        FakeContext host;
        const auto window = makeWindow(Kind(kind), host);
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(window->size(), twipsSize(client.width(), client.height()));
        QCOMPARE(window->minimumSize() != window->maximumSize(), resizable);
        QCOMPARE(window->palette().color(QPalette::Window), QColor(192, 192, 255));
        QCOMPARE(window->findChild<QWidget *>(QStringLiteral("Shape1"))->palette().color(QPalette::Window),
                 QColor(128, 128, 255));
        // The strip keeps its own font (Verdana 36 pt bold) whatever font the window has.
        QCOMPARE(window->strip()->font().pixelSize(), verdana(36, true).pixelSize());
        QVERIFY(window->strip()->font().bold());
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    }

    // Opening a window draws a word on the strip: in the strip's background colour from the
    // main window, a blank first and after every letter, vowels and consonants in their colours
    // (by default RGB(255,0,0) and RGB(0,255,0)), and never the article.
    void stripDrawing_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("consonant");
        QTest::addColumn<int>("vowel");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("Lesen Ufo") << int(Kind::Lesen) << "DASUFO.GIF" << 10 << 12 << " U f o " << "_v_c_v_";
        QTest::newRow("Begleiter Äpfel") << int(Kind::Begleiter) << "DIEÄPFEL.BMP" << 10 << 12 << " Ä p f e l "
                                         << "_v_c_c_v_c_";
        QTest::newRow("Ergänzen Fuß") << int(Kind::Ergaenzen) << "DERFUß.JPG" << 10 << 12 << " F u ß " << "_c_v_c_";
        QTest::newRow("Lesen other colours") << int(Kind::Lesen) << "DIEKATZE.BMP" << 1 << 14 << " K a t z e "
                                             << "_c_v_c_c_v_";
    }
    void stripDrawing()
    {
        QFETCH(int, kind);
        QFETCH(QString, entry);
        QFETCH(int, consonant);
        QFETCH(int, vowel);
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        FakeContext host;
        host.colours = {consonant, vowel};
        useFolder(host, m_pictures.path(), {entry});
        const auto window = makeWindow(Kind(kind), host);
        open(*window);
        if (consonant == 10 && vowel == 12)
            QCOMPARE(paletteColor(consonant), QColor(0, 255, 0));
        checkStrip(*window->strip(), text, pattern, paletteColor(consonant), paletteColor(vowel), host.backgroundColor);
        QCOMPARE(window->strip()->backgroundColor(), host.backgroundColor);
        // The window keeps its own colour.
        QCOMPARE(window->palette().color(QPalette::Window), QColor(192, 192, 255));
    }

    // The picture fills the landscape frame when it is at least as wide as high, else the
    // portrait frame; the other frame stays empty. A picture that cannot be loaded shows as a
    // grey placeholder, without any message.
    void pictureFrames_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("landscape");
        QTest::newRow("Lesen square") << int(Kind::Lesen) << "DERHUND.JPG" << true;
        QTest::newRow("Lesen one pixel higher") << int(Kind::Lesen) << "DIEKATZE.BMP" << false;
        QTest::newRow("Begleiter wide gif") << int(Kind::Begleiter) << "DASUFO.GIF" << true;
        QTest::newRow("Begleiter tall") << int(Kind::Begleiter) << "DERFUß.JPG" << false;
        QTest::newRow("Ergänzen beyond 2184 pixels") << int(Kind::Ergaenzen) << "DASTAXI.BMP" << true;
        QTest::newRow("Ergänzen square") << int(Kind::Ergaenzen) << "DERHUND.JPG" << true;
    }
    void pictureFrames()
    {
        QFETCH(int, kind);
        QFETCH(QString, entry);
        QFETCH(bool, landscape);
        FakeContext host;
        useFolder(host, m_pictures.path(), {entry});
        const auto window = makeWindow(Kind(kind), host);
        open(*window);
        PictureFrame *shown = landscape ? window->image1() : window->image2();
        PictureFrame *other = landscape ? window->image2() : window->image1();
        QVERIFY(shown->picture().isLoaded());
        QVERIFY(other->picture().isEmpty());
        QVERIFY(showsTestPicture(shown));
        QCOMPARE(host.fakeMessages.count(), 0);
    }

    // Reading records every word it shows: opening and pressing ">>" twice gives three lines.
    void readingRecords()
    {
        FakeContext host;
        useFolder(host, m_pictures.path(), {QStringLiteral("DASUFO.GIF"), QStringLiteral("DERHUND.JPG"),
                                            QStringLiteral("DIEKATZE.BMP")});
        Form2 window(host, host);
        open(window);
        click(&window, QStringLiteral("Command3"));
        click(&window, QStringLiteral("Command3"));
        QStringList lines = host.usageLines(Activity::Lesen);
        QCOMPARE(lines.size(), 3);
        lines.sort();
        QCOMPARE(lines, (QStringList{QStringLiteral("Hund"), QStringLiteral("Katze"), QStringLiteral("Ufo")}));
        click(&window, QStringLiteral("Command2"));
        QCOMPARE(host.usageLines(Activity::Lesen).size(), 4);
        QCOMPARE(host.fakeMessages.count(), 0);
    }

    // "<<" and ">>" both present another word of the pass; "Abbruch . . ." empties the
    // pictures, hides the window and keeps the deck, so reopening continues the pass; the close
    // box discards the window, and a new one starts a new pass.
    void deckAcrossVisits_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("Lesen") << int(Kind::Lesen);
        QTest::newRow("Begleiter") << int(Kind::Begleiter);
        QTest::newRow("Ergänzen") << int(Kind::Ergaenzen);
    }
    void deckAcrossVisits()
    {
        QFETCH(int, kind);
        FakeContext host;
        const QStringList entries{QStringLiteral("DASUFO.GIF"), QStringLiteral("DERHUND.JPG"),
                                  QStringLiteral("DIEKATZE.BMP"), QStringLiteral("DIEÄPFEL.BMP")};
        useFolder(host, m_pictures.path(), entries);
        QPointer<ExerciseWindow> window = makeWindow(Kind(kind), host).release();
        QStringList seen;
        open(*window);
        seen << window->frame().currentWord().noun();
        click(window, QStringLiteral("Command1"));
        QVERIFY(!window->isVisible());
        QCOMPARE(host.returnToMenuCalls, 1);
        QVERIFY(window->image1()->picture().isEmpty());
        QVERIFY(window->image2()->picture().isEmpty());
        open(*window);
        seen << window->frame().currentWord().noun();
        QTest::mouseClick(window->previousButton(), Qt::LeftButton);
        seen << window->frame().currentWord().noun();
        QTest::mouseClick(window->nextButton(), Qt::LeftButton);
        seen << window->frame().currentWord().noun();
        seen.sort();
        QCOMPARE(seen, (QStringList{QStringLiteral("Hund"), QStringLiteral("Katze"), QStringLiteral("Ufo"),
                                    QStringLiteral("Äpfel")}));

        // A fresh pass, half used, then the close box.
        QTest::mouseClick(window->nextButton(), Qt::LeftButton);
        QTest::mouseClick(window->nextButton(), Qt::LeftButton);
        QCOMPARE(window->frame().deck().size(), 2);
        window->close();
        QCOMPARE(host.returnToMenuCalls, 2);
        QTRY_VERIFY(window.isNull());

        const auto reopened = makeWindow(Kind(kind), host);
        open(*reopened);
        QCOMPARE(reopened->frame().deck().size(), 3);
    }

    // The answer buttons of Begleiter and Ergänzen: a right answer records the noun, confirms
    // it when confirmations are on and presents the next word; a wrong one shows the error
    // and leaves the word and the strip as they were.
    void answers_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("noun");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("right");
        QTest::addColumn<bool>("confirmations");
        const int b = int(Kind::Begleiter), e = int(Kind::Ergaenzen);
        QTest::newRow("Äpfel die") << b << "Äpfel" << "Command3" << true << true;
        QTest::newRow("Äpfel die, no confirmations") << b << "Äpfel" << "Command3" << true << false;
        QTest::newRow("Äpfel der") << b << "Äpfel" << "Command2" << false << true;
        QTest::newRow("Äpfel das, no confirmations") << b << "Äpfel" << "Command4" << false << false;
        QTest::newRow("Ufo das") << b << "Ufo" << "Command4" << true << true;
        QTest::newRow("Hund der") << b << "Hund" << "Command2" << true << true;
        QTest::newRow("Hund einen") << e << "Hund" << "Command6" << true << true;
        QTest::newRow("Hund einen, no confirmations") << e << "Hund" << "Command6" << true << false;
        QTest::newRow("Hund ein") << e << "Hund" << "Command4" << false << true;
        QTest::newRow("Hund eine, no confirmations") << e << "Hund" << "Command5" << false << false;
        QTest::newRow("Ufo ein") << e << "Ufo" << "Command4" << true << true;
        QTest::newRow("Katze eine") << e << "Katze" << "Command5" << true << true;
        QTest::newRow("Katze einen") << e << "Katze" << "Command6" << false << true;
    }
    void answers()
    {
        QFETCH(int, kind);
        QFETCH(QString, noun);
        QFETCH(QString, button);
        QFETCH(bool, right);
        QFETCH(bool, confirmations);
        FakeContext host;
        useFolder(host, m_pictures.path(), {QStringLiteral("DASUFO.GIF"), QStringLiteral("DERHUND.JPG"),
                                            QStringLiteral("DIEKATZE.BMP"), QStringLiteral("DIEÄPFEL.BMP")});
        host.confirmations = confirmations;
        const auto window = makeWindow(Kind(kind), host);
        open(*window);
        QVERIFY(presentNoun(*window, noun));
        const Activity list = Kind(kind) == Kind::Begleiter ? Activity::Begleiter : Activity::Ergaenzen;
        const QImage stripBefore = window->strip()->image();
        const qsizetype deckBefore = window->frame().deck().size();

        click(window.get(), button);
        if (right) {
            QCOMPARE(host.usageLines(list), QStringList{noun});
            if (confirmations) {
                QCOMPARE(host.fakeMessages.count(), 1);
                QCOMPARE(host.fakeMessages.last().caption, QStringLiteral("Lösung"));
                QCOMPARE(host.fakeMessages.last().text, QStringLiteral("Der Begleiter ist richtig, weiter nun!") + kCr2);
            } else {
                QCOMPARE(host.fakeMessages.count(), 0);
            }
            QVERIFY(window->frame().currentWord().noun() != noun || deckBefore == 0);
            QVERIFY(window->strip()->image() != stripBefore || window->frame().currentWord().noun() == noun);
        } else {
            const QString text = Kind(kind) == Kind::Begleiter
                                     ? QStringLiteral("Das stimmt leider nicht, überlege nochmal!")
                                     : QStringLiteral("Das stimmt leider nicht!");
            QCOMPARE(host.fakeMessages.count(), 1);
            QCOMPARE(host.fakeMessages.last().caption, QStringLiteral("Fehler"));
            QCOMPARE(host.fakeMessages.last().text, text + kCr2);
            QCOMPARE(host.fakeMessages.last().buttons, Messages::Buttons::Ok);
            QCOMPARE(window->frame().currentWord().noun(), noun);
            QCOMPARE(window->strip()->image(), stripBefore);
            QCOMPARE(window->frame().deck().size(), deckBefore);
            QVERIFY(host.usageLines(list).isEmpty());
            // Three wrong clicks, three messages, still no record.
            click(window.get(), button);
            click(window.get(), button);
            QCOMPARE(host.fakeMessages.count(), 3);
            QVERIFY(host.usageLines(list).isEmpty());
        }
        QVERIFY(window->isVisible());
    }

    // With no word to present (an empty active list, which the menu lets through to these
    // windows, or for copying and dictation only a picture named by its article) the window
    // says there are no words and goes back to the menu. With such a picture the article
    // exercises still go on: "das" is its answer.
    void noWordToPresent_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("refused");
        QTest::newRow("Begleiter, no word") << int(Kind::Begleiter) << QStringList{} << true;
        QTest::newRow("Ergänzen, no word") << int(Kind::Ergaenzen) << QStringList{} << true;
        QTest::newRow("Abschrift, no word") << int(Kind::Abschrift) << QStringList{} << true;
        QTest::newRow("Diktat, no word") << int(Kind::Diktat) << QStringList{} << true;
        QTest::newRow("Abschrift, only das") << int(Kind::Abschrift) << QStringList{"DAS.BMP"} << true;
        QTest::newRow("Diktat, only das") << int(Kind::Diktat) << QStringList{"DAS.BMP"} << true;
        QTest::newRow("Begleiter, only das") << int(Kind::Begleiter) << QStringList{"DAS.BMP"} << false;
        QTest::newRow("Ergänzen, only das") << int(Kind::Ergaenzen) << QStringList{"DAS.BMP"} << false;
    }
    void noWordToPresent()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, entries);
        QFETCH(bool, refused);
        FakeContext host;
        host.confirmations = false;
        useFolder(host, m_pictures.path(), entries);
        const auto window = makeWindow(Kind(kind), host);
        open(*window);
        QCoreApplication::processEvents(); // the menu's event loop, right after the window is shown
        QCOMPARE(window->isVisible(), !refused);
        QCOMPARE(host.returnToMenuCalls, refused ? 1 : 0);
        if (!refused) {
            click(window.get(), QStringLiteral("Command4")); // "das", and "ein" for a neuter noun
            QCOMPARE(host.fakeMessages.count(), 0);
            QCOMPARE(host.usageLines(Kind(kind) == Kind::Begleiter ? Activity::Begleiter : Activity::Ergaenzen).size(), 1);
            return;
        }
        QCOMPARE(host.fakeMessages.count(), 1);
        QCOMPARE(host.fakeMessages.last().caption, QStringLiteral("Zeichjagd"));
        QCOMPARE(host.fakeMessages.last().text, QStringLiteral("Es sind keine Wörter vorhanden.") + QChar(13)
                                                    + QStringLiteral("bitte die Filterwahl kontrollieren!") + QChar(13));
    }

    // A folder of broken files: a truncated JPEG, a zero-byte GIF, text named derText.bmp and
    // a BMP header claiming 60000 × 60000 pixels. Every word is still presented and can be
    // answered; its picture shows as the placeholder.
    void brokenPictures_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("Lesen") << int(Kind::Lesen);
        QTest::newRow("Begleiter") << int(Kind::Begleiter);
        QTest::newRow("Ergänzen") << int(Kind::Ergaenzen);
    }
    void brokenPictures()
    {
        QFETCH(int, kind);
        FakeContext host;
        host.confirmations = false;
        const QStringList entries{QStringLiteral("DERBRUCH.JPG"), QStringLiteral("DASNICHTS.GIF"),
                                  QStringLiteral("DERTEXT.BMP"), QStringLiteral("DIEBOMBE.BMP")};
        useFolder(host, m_hostile.path(), entries);
        const auto window = makeWindow(Kind(kind), host);
        open(*window);
        QStringList seen;
        for (int i = 0; i < 8; ++i) {
            QVERIFY(window->frame().hasWord());
            seen << window->frame().currentWord().noun();
            QVERIFY(window->image1()->picture().isUnloadable());
            QVERIFY(window->image2()->picture().isEmpty());
            QVERIFY(showsPlaceholder(window->image1()));
            QVERIFY(!stripBlank(*window->strip(), host.backgroundColor));
            if (Kind(kind) == Kind::Lesen) {
                QTest::mouseClick(window->nextButton(), Qt::LeftButton);
                continue;
            }
            const QString article = window->frame().currentWord().article();
            const QString button = Kind(kind) == Kind::Begleiter
                                       ? (article == u"der" ? "Command2" : article == u"die" ? "Command3" : "Command4")
                                       : (article == u"der" ? "Command6" : article == u"die" ? "Command5" : "Command4");
            click(window.get(), button);
        }
        QCOMPARE(host.fakeMessages.count(), 0);
        seen.sort();
        QCOMPARE(seen, (QStringList{QStringLiteral("Bombe"), QStringLiteral("Bombe"), QStringLiteral("Bruch"),
                                    QStringLiteral("Bruch"), QStringLiteral("Nichts"), QStringLiteral("Nichts"),
                                    QStringLiteral("Text"), QStringLiteral("Text")}));
        if (Kind(kind) != Kind::Lesen) {
            const Activity list = Kind(kind) == Kind::Begleiter ? Activity::Begleiter : Activity::Ergaenzen;
            QCOMPARE(host.usageLines(list).size(), 8);
        }
    }
};

QTEST_MAIN(TestExerciseWindows)
#include "tst_exercisewindows.moc"
