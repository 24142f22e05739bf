// SPDX-License-Identifier: MIT
// The exercise frame and the answer checks of reading, article choice and completion, without
// any widget: deck passes, word forms, strip colours, picture fitting, usage records, messages.
#include "exercises/articleexercise.h"
#include "exercises/reading.h"
#include "exercises/testpictures.h"
#include "support/fakecontext.h"

#include <QSet>
#include <QtTest>

using namespace wortilo;
using wortilo::test::FakeContext;

namespace {

const QString kCr2 = QString(QChar(13)) + QChar(13);

// A host whose messages note how many usage lines existed when each box was shown.
class OrderHost : public FakeContext
{
public:
    class Recorder : public Messages
    {
    public:
        explicit Recorder(OrderHost &host) : m_host(host) {}
        Answer show(const QString &caption, const QString &text, Buttons, Answer) override
        {
            int lines = 0;
            for (const QStringList &list : m_host.usage)
                lines += int(list.size());
            shown.append({caption + u'|' + text, lines});
            return Answer::Ok;
        }
        QList<QPair<QString, int>> shown;

    private:
        OrderHost &m_host;
    };
    Messages &messages() override { return recorder; }
    Recorder recorder{*this};
};

} // namespace

class TestWordFrame : public QObject
{
    Q_OBJECT

private:
    testpictures::PictureDir m_pictures;
    FakeContext hostWith(const QStringList &entries) { return FakeContext::withPictures(m_pictures.path(), entries); }

private Q_SLOTS:
    void initTestCase()
    {
        using testpictures::makeImage;
        QVERIFY(m_pictures.addImage(QStringLiteral("dasUfo.gif"), makeImage(60, 40), "GIF"));
        QVERIFY(m_pictures.addImage(QStringLiteral("derHund.jpg"), makeImage(50, 50), "JPEG"));
        QVERIFY(m_pictures.addImage(QStringLiteral("dieKatze.bmp"), makeImage(50, 51), "BMP"));
        QVERIFY(m_pictures.addImage(QStringLiteral("dieÄpfel.bmp"), makeImage(51, 50), "BMP"));
        QVERIFY(m_pictures.addImage(QStringLiteral("derFuß.jpg"), makeImage(30, 90), "JPEG"));
        QVERIFY(m_pictures.addImage(QStringLiteral("derTurm.bmp"), makeImage(10, 2185), "BMP"));
        QVERIFY(m_pictures.addImage(QStringLiteral("dieBrücke.bmp"), makeImage(2185, 10), "BMP"));
        QVERIFY(m_pictures.addImage(QStringLiteral("dasBild.bmp"), makeImage(40, 30), "JPEG")); // JPEG named .bmp
        QVERIFY(m_pictures.add(QStringLiteral("derText.bmp"), "Dies ist kein Bild.\n"));
        QVERIFY(m_pictures.add(QStringLiteral("dasLeere.gif"), QByteArray()));
    }

    // A deck pass draws every active entry exactly once, in random order; the next pass starts
    // over from the active list.
    void deckPass_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("one entry") << 1;
        QTest::newRow("three entries") << 3;
        QTest::newRow("seven entries") << 7;
    }
    void deckPass()
    {
        QFETCH(int, count);
        QStringList entries;
        for (int i = 0; i < count; ++i)
            entries << QStringLiteral("DERWORT%1.BMP").arg(QChar(u'A' + i));
        FakeContext host = hostWith(entries);
        WordFrame frame(host, StripStyle::Spaced);
        QVERIFY(frame.deck().isEmpty());
        for (int pass = 0; pass < 4; ++pass) {
            QStringList drawn;
            for (int i = 0; i < count; ++i) {
                frame.neueswort();
                drawn << frame.currentWord().entry();
                QCOMPARE(frame.deck().size(), count - 1 - i);
                frame.wortzeigen();
            }
            drawn.sort();
            QCOMPARE(drawn, entries);
        }
    }

    // The deck is a copy: a change of the active list reaches it only at its next refill.
    void activeListChangesAtRefill()
    {
        FakeContext host = hostWith({QStringLiteral("DERA.BMP"), QStringLiteral("DERB.BMP")});
        WordFrame frame(host, StripStyle::Spaced);
        frame.neueswort();
        const Word first = frame.currentWord();
        host.entries = {QStringLiteral("DIEC.BMP"), QStringLiteral("DIED.BMP"), QStringLiteral("DIEE.BMP")};
        frame.neueswort();
        QVERIFY(frame.currentWord() != first);
        QCOMPARE(frame.currentWord().article(), QStringLiteral("der"));
        frame.neueswort();
        QCOMPARE(frame.currentWord().article(), QStringLiteral("die"));
        QCOMPARE(frame.deck().size(), 2);
    }

    // Word choice and picture choice refill the deck whenever it holds fewer than ten entries.
    void refillThreshold()
    {
        QStringList entries;
        for (int i = 0; i < 12; ++i)
            entries << QStringLiteral("DASDING%1.BMP").arg(QChar(u'A' + i));
        FakeContext host = hostWith(entries);
        WordFrame frame(host, StripStyle::Spaced, 10);
        QList<qsizetype> sizes;
        for (int i = 0; i < 6; ++i) {
            frame.neueswort();
            sizes << frame.deck().size();
        }
        QCOMPARE(sizes, (QList<qsizetype>{11, 10, 9, 11, 10, 9}));
    }

    // What the strip shows: spaced with a blank first and after every letter, compact without
    // blanks; vowels (umlauts included) in the vowel colour, everything else (ß, y) in the
    // consonant colour; the article is never drawn.
    void stripColours_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("consonant");
        QTest::addColumn<int>("vowel");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("colours"); // per piece: c consonant, v vowel, _ blank
        QTest::newRow("Ufo spaced") << "DASUFO.GIF" << int(StripStyle::Spaced) << 10 << 12 << " U f o "
                                    << "_v_c_v_";
        QTest::newRow("Äpfel spaced") << "DIEÄPFEL.BMP" << int(StripStyle::Spaced) << 10 << 12 << " Ä p f e l "
                                      << "_v_c_c_v_c_";
        QTest::newRow("Fuß compact") << "DERFUß.JPG" << int(StripStyle::Compact) << 10 << 12 << "Fuß" << "cvc";
        QTest::newRow("Yak other colours") << "DERYAK.BMP" << int(StripStyle::Compact) << 1 << 14 << "Yak"
                                           << "cvc";
    }
    void stripColours()
    {
        QFETCH(QString, entry);
        QFETCH(int, style);
        QFETCH(int, consonant);
        QFETCH(int, vowel);
        QFETCH(QString, text);
        QFETCH(QString, colours);
        FakeContext host = hostWith({entry});
        host.colours = {consonant, vowel};
        WordFrame frame(host, StripStyle(style));
        frame.neueswort();
        frame.wortzeigen();
        const QList<StripGlyph> &strip = frame.strip();
        QCOMPARE(strip.size(), text.size());
        for (qsizetype i = 0; i < strip.size(); ++i) {
            QCOMPARE(strip[i].text, QString(text[i]));
            if (colours[i] == u'c')
                QCOMPARE(strip[i].colour, consonant);
            else if (colours[i] == u'v')
                QCOMPARE(strip[i].colour, vowel);
        }
    }

    // The picture goes into the landscape frame when it is at least as wide as high, otherwise
    // into the portrait frame; the other frame is empty. Pictures that cannot be loaded show in
    // the landscape frame as unloadable; sizes beyond 32767 twips do not overflow.
    void pictureFit_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<QSize>("twips");
        const int loaded = int(Picture::Status::Loaded), broken = int(Picture::Status::Unloadable);
        QTest::newRow("square gif") << "DERHUND.JPG" << loaded << true << QSize(750, 750);
        QTest::newRow("one pixel higher") << "DIEKATZE.BMP" << loaded << false << QSize(750, 765);
        QTest::newRow("one pixel wider") << "DIEÄPFEL.BMP" << loaded << true << QSize(765, 750);
        QTest::newRow("wide gif") << "DASUFO.GIF" << loaded << true << QSize(900, 600);
        QTest::newRow("tall, beyond 16 bits") << "DERTURM.BMP" << loaded << false << QSize(150, 32775);
        QTest::newRow("wide, beyond 16 bits") << "DIEBRÜCKE.BMP" << loaded << true << QSize(32775, 150);
        QTest::newRow("jpeg named bmp") << "DASBILD.BMP" << loaded << true << QSize(600, 450);
        QTest::newRow("text named bmp") << "DERTEXT.BMP" << broken << true << QSize(0, 0);
        QTest::newRow("zero bytes") << "DASLEERE.GIF" << broken << true << QSize(0, 0);
        QTest::newRow("missing file") << "DERGEIST.JPG" << broken << true << QSize(0, 0);
    }
    void pictureFit()
    {
        QFETCH(QString, entry);
        QFETCH(int, status);
        QFETCH(bool, landscape);
        QFETCH(QSize, twips);
        FakeContext host = hostWith({entry});
        WordFrame frame(host, StripStyle::Spaced);
        frame.neueswort();
        QCOMPARE(int(frame.loader().status()), status);
        QCOMPARE(frame.loader().naturalSizeTwips(), twips);
        const Picture &shown = landscape ? frame.landscapeFrame() : frame.portraitFrame();
        const Picture &other = landscape ? frame.portraitFrame() : frame.landscapeFrame();
        QCOMPARE(shown.naturalSizeTwips(), twips);
        QVERIFY(shown.isSameAs(frame.loader()));
        QVERIFY(other.isEmpty());
        // The word is presented whatever became of its picture.
        frame.wortzeigen();
        QVERIFY(frame.hasWord());
        QVERIFY(!frame.strip().isEmpty());

        frame.clearPictures();
        QVERIFY(frame.loader().isEmpty());
        QVERIFY(frame.landscapeFrame().isEmpty());
        QVERIFY(frame.portraitFrame().isEmpty());
    }

    // With no active entry there is no word: no picture, an empty strip, nothing recorded, and
    // the answer checks do nothing.
    void noActiveWord()
    {
        FakeContext host = hostWith({});
        Reading reading(host);
        reading.neueswort();
        reading.wortzeigen();
        QVERIFY(!reading.hasWord());
        QVERIFY(reading.strip().isEmpty());
        QVERIFY(reading.landscapeFrame().isEmpty());
        QVERIFY(reading.portraitFrame().isEmpty());
        QVERIFY(host.usageLines(Activity::Lesen).isEmpty());

        ArticleChoice choice(host);
        choice.neueswort();
        choice.wortzeigen();
        Completion completion(host);
        completion.neueswort();
        completion.wortzeigen();
        for (const char *a : {"der", "die", "das", ""})
            QCOMPARE(choice.check(QString::fromLatin1(a)), ArticleExercise::Result::NoWord);
        for (const char *a : {"ein", "eine", "einen"})
            QCOMPARE(completion.checkIndefinite(QString::fromLatin1(a)), ArticleExercise::Result::NoWord);
        QCOMPARE(host.fakeMessages.count(), 0);
        for (const QStringList &list : host.usage)
            QVERIFY(list.isEmpty());
    }

    // Reading records the noun of every word it shows, also a word shown twice.
    void readingRecordsEveryWord()
    {
        FakeContext host = hostWith({QStringLiteral("DASUFO.GIF")});
        Reading reading(host);
        for (int i = 0; i < 3; ++i) {
            reading.neueswort();
            reading.wortzeigen();
        }
        QCOMPARE(host.usageLines(Activity::Lesen), QStringList(3, QStringLiteral("Ufo")));
        QCOMPARE(host.fakeMessages.count(), 0);
    }

    // The answer checks of the article choice and the completion.
    void answers_data()
    {
        QTest::addColumn<bool>("completion");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("right");
        for (const char *b : {"der", "die", "das"})
            QTest::addRow("Begleiter Äpfel %s", b) << false << "DIEÄPFEL.BMP" << b << (QByteArray(b) == "die");
        QTest::newRow("Begleiter Ufo das") << false << "DASUFO.GIF" << "das" << true;
        QTest::newRow("Begleiter Dieb die") << false << "DERDIEB.JPG" << "die" << false;
        QTest::newRow("Begleiter capitalised") << false << "DERHUND.JPG" << "Der" << false;
        for (const char *b : {"ein", "eine", "einen"})
            QTest::addRow("Ergänzen Hund %s", b) << true << "DERHUND.JPG" << b << (QByteArray(b) == "einen");
        QTest::newRow("Ergänzen Ufo ein") << true << "DASUFO.GIF" << "ein" << true;
        QTest::newRow("Ergänzen Ufo einen") << true << "DASUFO.GIF" << "einen" << false;
        QTest::newRow("Ergänzen Katze eine") << true << "DIEKATZE.BMP" << "eine" << true;
        QTest::newRow("Ergänzen Katze ein") << true << "DIEKATZE.BMP" << "ein" << false;
    }
    void answers()
    {
        QFETCH(bool, completion);
        QFETCH(QString, entry);
        QFETCH(QString, button);
        QFETCH(bool, right);
        const Activity list = completion ? Activity::Ergaenzen : Activity::Begleiter;
        const QString wrongText = completion ? QStringLiteral("Das stimmt leider nicht!")
                                             : QStringLiteral("Das stimmt leider nicht, überlege nochmal!");
        const QString noun = Word::fromEntry(entry).noun();

        for (const bool confirmations : {true, false}) {
            FakeContext host = hostWith({entry, QStringLiteral("DASSCHAF.BMP"), QStringLiteral("DIEZIEGE.BMP")});
            host.confirmations = confirmations;
            std::unique_ptr<ArticleExercise> exercise;
            if (completion)
                exercise = std::make_unique<Completion>(host);
            else
                exercise = std::make_unique<ArticleChoice>(host);
            // Draw until the entry under test is the current word.
            do {
                exercise->neueswort();
                exercise->wortzeigen();
            } while (exercise->currentWord().noun() != noun);
            const Word word = exercise->currentWord();
            const qsizetype deckBefore = exercise->deck().size();

            const auto result = completion ? static_cast<Completion &>(*exercise).checkIndefinite(button)
                                           : exercise->check(button);
            if (right) {
                QCOMPARE(result, ArticleExercise::Result::Right);
                QCOMPARE(host.usageLines(list), QStringList{noun});
                if (confirmations) {
                    QCOMPARE(host.fakeMessages.count(), 1);
                    QCOMPARE(host.fakeMessages.last().caption, QStringLiteral("Lösung"));
                    QCOMPARE(host.fakeMessages.last().text, QStringLiteral("Der Begleiter ist richtig, weiter nun!") + kCr2);
                    QCOMPARE(host.fakeMessages.last().buttons, Messages::Buttons::Ok);
                } else {
                    QCOMPARE(host.fakeMessages.count(), 0);
                }
                // The next word has been drawn and shown.
                QVERIFY(exercise->deck().size() != deckBefore);
                QVERIFY(!exercise->strip().isEmpty());
            } else {
                QCOMPARE(result, ArticleExercise::Result::Wrong);
                QCOMPARE(host.fakeMessages.count(), 1);
                QCOMPARE(host.fakeMessages.last().caption, QStringLiteral("Fehler"));
                QCOMPARE(host.fakeMessages.last().text, wrongText + kCr2);
                QCOMPARE(host.fakeMessages.last().buttons, Messages::Buttons::Ok);
                QCOMPARE(exercise->currentWord(), word);
                QCOMPARE(exercise->deck().size(), deckBefore);
                for (const QStringList &lines : host.usage)
                    QVERIFY(lines.isEmpty());
            }
        }
    }

    // Wrong answers are reported every time and never recorded; a noun answered right again in
    // a later pass is recorded again.
    void repeatedAnswers()
    {
        FakeContext host = hostWith({QStringLiteral("DIEÄPFEL.BMP")});
        ArticleChoice choice(host);
        choice.neueswort();
        choice.wortzeigen();
        for (int i = 0; i < 3; ++i)
            QCOMPARE(choice.check(QStringLiteral("das")), ArticleExercise::Result::Wrong);
        QCOMPARE(host.fakeMessages.count(), 3);
        QVERIFY(host.usageLines(Activity::Begleiter).isEmpty());
        QCOMPARE(choice.check(QStringLiteral("die")), ArticleExercise::Result::Right);
        QCOMPARE(choice.check(QStringLiteral("die")), ArticleExercise::Result::Right);
        QCOMPARE(host.usageLines(Activity::Begleiter), QStringList(2, QStringLiteral("Äpfel")));
    }

    // A right answer is recorded before its confirmation is shown.
    void recordBeforeConfirmation()
    {
        for (const bool completion : {false, true}) {
            OrderHost host;
            host.entries = {QStringLiteral("DERHUND.JPG")};
            std::unique_ptr<ArticleExercise> exercise;
            if (completion)
                exercise = std::make_unique<Completion>(host);
            else
                exercise = std::make_unique<ArticleChoice>(host);
            exercise->neueswort();
            exercise->wortzeigen();
            exercise->check(QStringLiteral("der"));
            QCOMPARE(host.recorder.shown.size(), 1);
            QCOMPARE(host.recorder.shown[0].second, 1);
        }
    }

    // A second answer while the first one's box is still open (a double click) is not taken:
    // the word is recorded once and one next word follows.
    void answerDuringItsBox()
    {
        FakeContext host = hostWith({QStringLiteral("DERHUND.JPG"), QStringLiteral("DERBALL.BMP")});
        ArticleChoice choice(host);
        ArticleExercise::Result nested = ArticleExercise::Result::Right;
        host.fakeMessages.whileShown = [&] { nested = choice.check(QStringLiteral("der")); };
        choice.presentNewWord();
        QCOMPARE(choice.check(QStringLiteral("der")), ArticleExercise::Result::Right);
        QCOMPARE(nested, ArticleExercise::Result::NoWord);
        QCOMPARE(host.fakeMessages.count(), 1);
        QCOMPARE(host.usageLines(Activity::Begleiter).size(), 1);
        QCOMPARE(choice.deck().size(), 0);
        QVERIFY(!choice.isBusy());
    }
};

QTEST_GUILESS_MAIN(TestWordFrame)
#include "tst_wordframe.moc"
