// SPDX-License-Identifier: MIT
// Pictures decoded on worker threads and handed over: a picture decoded ahead is shown without a
// decode on the window's thread, one that is late fills its frame when it is done, and work is
// dropped when a window is left. A gate holds the one worker where a test needs work unfinished.
#include "exercises/testpictures.h"
#include "exercises/wordframe.h"
#include "games/abc/abcgame.h"
#include "pictures/pictureloader.h"
#include "session/session.h"
#include "support/fakecontext.h"
#include "support/manualclock.h"

#include <QSemaphore>
#include <QSignalSpy>
#include <QtTest>

using namespace wortilo;
using testpictures::makeImage;
using wortilo::test::FakeContext;

namespace {

const QSize kLandscape(353, 257);

// Holds the loader's one worker until opened, so that everything asked for stays undecoded.
class Gate
{
public:
    explicit Gate(PictureLoader &loader) : m_loader(loader)
    {
        loader.pool()->start([this] { m_open.acquire(); });
    }
    ~Gate() { open(); }
    // Lets the worker go and waits until everything asked for is decoded and delivered.
    void open()
    {
        if (!m_opened)
            m_open.release();
        m_opened = true;
        m_loader.pool()->waitForDone();
        QCoreApplication::processEvents();
    }

private:
    PictureLoader &m_loader;
    QSemaphore m_open;
    bool m_opened = false;
};

} // namespace

class TestPicturesAhead : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readyInTimeIsHandedOver_data()
    {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("jpeg") << QStringLiteral(".jpg") << QByteArray("JPEG");
        QTest::newRow("bmp") << QStringLiteral(".bmp") << QByteArray("BMP");
        QTest::newRow("gif") << QStringLiteral(".gif") << QByteArray("GIF");
        QTest::newRow("wmf") << QStringLiteral(".wmf") << QByteArray();
    }
    // The second word's picture is decoded while the first is shown: with the files gone, showing
    // it still hands over a picture drawn at its frame's size, so nothing was decoded on this thread.
    void readyInTimeIsHandedOver()
    {
        QFETCH(QString, extension);
        QFETCH(QByteArray, format);
        testpictures::PictureDir dir;
        const QStringList names{QStringLiteral("derHund") + extension, QStringLiteral("dieKatze") + extension};
        for (const QString &name : names) {
            if (format.isEmpty())
                QVERIFY(QFile::copy(QStringLiteral(WORTILO_TESTDATA "/wmf/61338.wmf"), dir.path() + u'/' + name));
            else
                QVERIFY(dir.addImage(name, makeImage(60, 40), format.constData()));
        }
        PictureLoader loader(1);
        FakeContext host = FakeContext::withPictures(dir.path(), {names[0].toUpper(), names[1].toUpper()});
        host.loader = &loader;
        WordFrame frame(host, StripStyle::Spaced);
        frame.setShownSizes(kLandscape, kLandscape.transposed());
        frame.presentNewWord();
        loader.pool()->waitForDone();
        QCoreApplication::processEvents();
        QVERIFY(frame.loader().isLoaded());
        for (const QString &name : names)
            QVERIFY(QFile::remove(dir.path() + u'/' + name));

        frame.presentNewWord();
        QVERIFY(frame.loader().isLoaded());
        const Picture &shown = frame.loader().isLandscape() ? frame.landscapeFrame() : frame.portraitFrame();
        QVERIFY(shown.isSameAs(frame.loader()));
        const QSize size = frame.loader().isLandscape() ? kLandscape : kLandscape.transposed();
        QVERIFY(shown.renderingAt(size).has_value());
        QVERIFY(!shown.renderingAt(size)->isNull());
    }

    void lateFillsInLater_data()
    {
        QTest::addColumn<bool>("movedPast");
        QTest::newRow("shown when done") << false;
        QTest::newRow("moved past meanwhile") << true;
    }
    // A picture not decoded when its word is shown: the word is there at once, the frames stay
    // empty, and the picture fills the frame of its shape when it is done, unless the frame was
    // cleared meanwhile.
    void lateFillsInLater()
    {
        QFETCH(bool, movedPast);
        testpictures::PictureDir dir;
        QVERIFY(dir.addImage(QStringLiteral("derTurm.bmp"), makeImage(30, 50), "BMP"));
        PictureLoader loader(1);
        FakeContext host = FakeContext::withPictures(dir.path(), {QStringLiteral("DERTURM.BMP")});
        host.loader = &loader;
        WordFrame frame(host, StripStyle::Spaced);
        Gate gate(loader);
        frame.presentNewWord();
        QCOMPARE(frame.stripText(), QStringLiteral("Turm"));
        QVERIFY(frame.loader().isEmpty());
        QVERIFY(frame.landscapeFrame().isEmpty() && frame.portraitFrame().isEmpty());
        if (movedPast)
            frame.clearPictures();
        QSignalSpy changed(&frame, &WordFrame::picturesChanged);
        gate.open();
        QCOMPARE(changed.size(), movedPast ? 0 : 1);
        QCOMPARE(frame.portraitFrame().naturalSizePixels(), movedPast ? QSize(0, 0) : QSize(30, 50));
        QVERIFY(frame.landscapeFrame().isEmpty());
    }

    // At most two pictures are held ahead: asking for a third drops the oldest.
    void atMostTwoAhead()
    {
        testpictures::PictureDir dir;
        QStringList paths;
        for (const char *name : {"derA.bmp", "derB.bmp", "derC.bmp"}) {
            QVERIFY(dir.addImage(QString::fromLatin1(name), makeImage(20, 10), "BMP"));
            paths.append(dir.path() + u'/' + QString::fromLatin1(name));
        }
        PictureLoader loader(1);
        PictureQueue queue(loader);
        Gate gate(loader);
        for (const QString &path : std::as_const(paths))
            queue.prepare(path);
        QCOMPARE(queue.heldCount(), PictureQueue::kHeldAhead);
        gate.open();
        QVERIFY(queue.take(paths[1]).has_value());
        QVERIFY(queue.take(paths[2]).has_value());
        QVERIFY(!queue.take(paths[0]).has_value());
    }

    // Leaving a window drops its work: a cancelled queue and a destroyed engine get nothing
    // delivered, and nothing touches them after they are gone.
    void leavingCancels()
    {
        testpictures::PictureDir dir;
        QVERIFY(dir.addImage(QStringLiteral("derA.bmp"), makeImage(20, 10), "BMP"));
        QVERIFY(dir.addImage(QStringLiteral("derB.bmp"), makeImage(20, 10), "BMP"));
        PictureLoader loader(1);
        FakeContext host = FakeContext::withPictures(dir.path(), {QStringLiteral("DERA.BMP"), QStringLiteral("DERB.BMP")});
        host.loader = &loader;
        Gate gate(loader);
        PictureQueue queue(loader);
        QSignalSpy ready(&queue, &PictureQueue::ready);
        QVERIFY(!queue.take(dir.path() + QStringLiteral("/derA.bmp")).has_value());
        queue.cancel();
        QCOMPARE(queue.heldCount(), 0);
        auto frame = std::make_unique<WordFrame>(host, StripStyle::Spaced);
        frame->presentNewWord();
        QCOMPARE(frame->pictureQueue().heldCount(), 2); // the word's picture and the next one
        frame.reset();
        gate.open();
        QCOMPARE(ready.size(), 0);
    }

    // A B C's pictures are decoded side by side and each fills the slot its noun stands in, also
    // when the child exchanged slots before it was done.
    void abcSlotsFillIn()
    {
        testpictures::PictureDir dir;
        QStringList entries;
        const QStringList nouns{QStringLiteral("Affe"), QStringLiteral("Baum"), QStringLiteral("Dach"),
                                QStringLiteral("Esel"), QStringLiteral("Fisch")};
        QHash<QString, QSize> sizes;
        for (int i = 0; i < nouns.size(); ++i) {
            const QString name = QStringLiteral("der") + nouns[i] + QStringLiteral(".bmp");
            QVERIFY(dir.addImage(name, makeImage(20 + i, 10), "BMP"));
            entries.append(name.toUpper());
            sizes.insert(nouns[i].toUpper(), QSize(20 + i, 10));
        }
        PictureLoader loader(1);
        FakeContext host = FakeContext::withPictures(dir.path(), entries);
        host.loader = &loader;
        AbcGame game(host);
        Gate gate(loader);
        game.abcneu();
        for (int slot = 0; slot < AbcGame::kSlots; ++slot)
            QVERIFY(game.picture(slot).isEmpty());
        game.drop(0, 3);
        gate.open();
        for (int slot = 0; slot < AbcGame::kSlots; ++slot)
            QCOMPARE(game.picture(slot).naturalSizePixels(), sizes.value(game.slotOrder().at(slot)));
    }

    void folderReadBeside_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::newRow("words") << QStringList{QStringLiteral("derHund.bmp"), QStringLiteral("dieKatze.bmp"),
                                              QStringLiteral("dieKATZE.bmp"), QStringLiteral("Bild.bmp")};
        QTest::newRow("no picture") << QStringList{QStringLiteral("notiz.txt")};
    }
    // The folder read and judged on a worker thread before the session starts: the picture check,
    // its message and the word list are what the session finds reading it itself.
    void folderReadBeside()
    {
        QFETCH(QStringList, names);
        testpictures::PictureDir dir;
        for (const QString &name : std::as_const(names))
            QVERIFY(dir.add(name, QByteArray("x")));
        test::ManualClock clock;
        test::FakeMessages readMessages, plainMessages;
        Session read(readMessages, dir.path(), clock), plain(plainMessages, dir.path(), clock);
        read.takeFolderReading(Session::readFolderInBackground(dir.path()));
        QCOMPARE(read.bildersuchen(), plain.bildersuchen());
        QCOMPARE(readMessages.calls.size(), plainMessages.calls.size());
        QCOMPARE(readMessages.calls.value(0).text, plainMessages.calls.value(0).text);
        read.loadWords();
        plain.loadWords();
        QCOMPARE(read.pictureFolder().pictureFiles(), plain.pictureFolder().pictureFiles());
        QCOMPARE(Deck::nounsOf(read.words().words()), Deck::nounsOf(plain.words().words()));
        QCOMPARE(read.words().label(), plain.words().label());
    }
};

QTEST_MAIN(TestPicturesAhead)
#include "tst_picturesahead.moc"
