// SPDX-License-Identifier: MIT
// Picture loading: the formats by content, natural sizes, stretched rendering, and files that
// must come out unloadable without hanging or eating memory.
#include "pictures/picture.h"
#include "exercises/testpictures.h"

#include <QtTest>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace wortilo;
using namespace testpictures;

Q_DECLARE_METATYPE(wortilo::Picture::Fault)

namespace {

// The peak memory of the process in kilobytes.
long peakKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').first().toLong();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The peak brought down to the memory in use now where Linux allows it, so that an earlier
// large test cannot hide the peak of the next one.
long resetPeakKilobytes()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
    return peakKilobytes();
}

// A placeable metafile whose bounding box is width × height units at unitsPerInch, drawing
// one rectangle over the whole box with the default pen and brush.
QByteArray placeableMetafile(int width, int height, int unitsPerInch, int commentWords = 0)
{
    QByteArray wmf;
    auto put16 = [&wmf](int v) {
        wmf.append(char(v & 0xFF));
        wmf.append(char((v >> 8) & 0xFF));
    };
    auto put32 = [&put16](quint32 v) {
        put16(int(v & 0xFFFF));
        put16(int(v >> 16));
    };
    put32(0x9AC6CDD7u);
    put16(0);
    put16(0);
    put16(0);
    put16(width);
    put16(height);
    put16(unitsPerInch);
    put32(0);
    quint16 checksum = 0;
    for (int i = 0; i < 20; i += 2)
        checksum ^= quint16(uchar(wmf[i]) | uchar(wmf[i + 1]) << 8);
    put16(checksum);
    QList<QList<int>> records = {{0x020B, 0, 0}, {0x020C, height, width}, {0x041B, height, width, 0, 0}, {0x0000}};
    if (commentWords > 0) { // an escape record with a comment of that many words
        QList<int> comment(commentWords + 3, 0);
        comment[0] = 0x0626;
        comment[1] = 0x000F;
        comment[2] = commentWords * 2;
        records.insert(records.size() - 1, comment);
    }
    int words = 9;
    int largest = 0;
    for (const QList<int> &r : records) {
        words += 3 + int(r.size()) - 1;
        largest = qMax(largest, 3 + int(r.size()) - 1);
    }
    put16(1);
    put16(9);
    put16(0x0300);
    put32(quint32(words));
    put16(0);
    put32(quint32(largest));
    put16(0);
    for (const QList<int> &r : records) {
        put32(quint32(3 + r.size() - 1));
        put16(r[0]);
        for (qsizetype i = 1; i < r.size(); ++i)
            put16(r[i]);
    }
    return wmf;
}

const QColor kFill(0, 0, 255), kBlock(255, 255, 0), kMarker(255, 0, 0);

// The picture as a top-down BMP (rows stored from the top, told by a negative height), as some
// programs write it: Qt writes bottom-up, so the picture is mirrored and its height negated.
QByteArray topDownBmp(const QImage &image)
{
    QByteArray bmp = encode(image.mirrored(), "BMP");
    const qint32 height = -image.height();
    for (int i = 0; i < 4; ++i)
        bmp[22 + i] = char((quint32(height) >> (8 * i)) & 0xFF);
    return bmp;
}

bool near(QRgb a, QColor b, int tolerance = 40)
{
    return qAbs(qRed(a) - b.red()) <= tolerance && qAbs(qGreen(a) - b.green()) <= tolerance
           && qAbs(qBlue(a) - b.blue()) <= tolerance;
}

// The JPEG with its last scan repeated until it has the given number of scans (each one is
// decoded over the whole picture again).
QByteArray withScans(const QByteArray &jpeg, int scans)
{
    const qsizetype end = jpeg.size() - 2; // the end-of-image marker
    const qsizetype last = jpeg.lastIndexOf("\xFF\xDA");
    const qsizetype had = jpeg.count("\xFF\xDA");
    return jpeg.left(end) + jpeg.mid(last, end - last).repeated(scans - had) + jpeg.right(2);
}

} // namespace

class TestPicture : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString file(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        if (!writeFile(path, bytes))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private Q_SLOTS:
    void emptyPicture()
    {
        const Picture empty;
        QVERIFY(empty.isEmpty());
        QVERIFY(!empty.isLoaded());
        QCOMPARE(empty.naturalSizeTwips(), QSize(0, 0));
        QVERIFY(empty.render(QSize(10, 10)).isNull());
    }

    // Every format loads by its content, whatever the file is called, with its natural size in
    // twips (15 per pixel, in int range) and the landscape rule width ≥ height.
    void formats_data()
    {
        QTest::addColumn<QByteArray>("writeAs");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<bool>("landscape");
        QTest::newRow("bmp") << QByteArray("BMP") << "derHund.bmp" << QSize(64, 48) << QByteArray("bmp") << true;
        QTest::newRow("jpeg") << QByteArray("JPEG") << "dieKatze.jpg" << QSize(48, 64) << QByteArray("jpeg") << false;
        QTest::newRow("gif") << QByteArray("GIF") << "dasUfo.gif" << QSize(30, 20) << QByteArray("gif") << true;
        QTest::newRow("square") << QByteArray("BMP") << "dasQuadrat.bmp" << QSize(50, 50) << QByteArray("bmp") << true;
        QTest::newRow("one higher") << QByteArray("GIF") << "derTurm.gif" << QSize(50, 51) << QByteArray("gif") << false;
        QTest::newRow("progressive jpeg") << QByteArray("progressive") << "derFalter.jpg" << QSize(64, 48) << QByteArray("jpeg") << true;
        QTest::newRow("jpeg named bmp") << QByteArray("JPEG") << "dasFoto.bmp" << QSize(40, 30) << QByteArray("jpeg") << true;
        QTest::newRow("gif named jpg") << QByteArray("GIF") << "dieMaus.jpg" << QSize(10, 30) << QByteArray("gif") << false;
        QTest::newRow("bmp named wmf") << QByteArray("BMP") << "derBaum.wmf" << QSize(20, 10) << QByteArray("bmp") << true;
        QTest::newRow("wide beyond 16 bits") << QByteArray("BMP") << "dieBrücke.bmp" << QSize(2185, 4) << QByteArray("bmp") << true;
        QTest::newRow("high beyond 16 bits") << QByteArray("JPEG") << "derMast.jpg" << QSize(8, 3000) << QByteArray("jpeg") << false;
        QTest::newRow("both beyond 16 bits") << QByteArray("BMP") << "dasFeld.bmp" << QSize(2300, 2200) << QByteArray("bmp") << true;
        QTest::newRow("top-down bmp") << QByteArray("top-down") << "dasDach.bmp" << QSize(40, 30) << QByteArray("bmp") << true;
        QTest::newRow("larger than 4 MB") << QByteArray("BMP") << "derFelsen.bmp" << QSize(1400, 1100) << QByteArray("bmp") << true;
    }
    void formats()
    {
        QFETCH(QByteArray, writeAs);
        QFETCH(QString, name);
        QFETCH(QSize, pixels);
        QFETCH(QByteArray, format);
        QFETCH(bool, landscape);
        const QImage image = makeImage(pixels.width(), pixels.height());
        const QByteArray bytes = writeAs == "GIF"           ? encodeGif(image)
                                 : writeAs == "progressive" ? encodeProgressiveJpeg(image)
                                 : writeAs == "top-down"    ? topDownBmp(image)
                                                            : encode(image, writeAs.constData());
        const Picture picture = Picture::load(file(name, bytes));
        QVERIFY(picture.isLoaded());
        QCOMPARE(picture.format(), format);
        QCOMPARE(picture.naturalSizePixels(), pixels);
        QCOMPARE(picture.naturalSizeTwips(), QSize(pixels.width() * 15, pixels.height() * 15));
        QCOMPARE(picture.isLandscape(), landscape);
        if (format != "jpeg") // the others keep every pixel
            QCOMPARE(picture.render(pixels), image.convertToFormat(QImage::Format_RGB32));
    }

    // A picture is stretched to exactly the size asked for, without keeping its aspect ratio:
    // the outer fill reaches every corner and the middle block stays in the middle.
    void renderStretched_data()
    {
        QTest::addColumn<QByteArray>("writeAs");
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<QSize>("target");
        QTest::newRow("bmp wide into square") << QByteArray("BMP") << QSize(80, 20) << QSize(120, 120);
        QTest::newRow("gif tall into landscape") << QByteArray("GIF") << QSize(20, 80) << QSize(353, 257);
        QTest::newRow("jpeg shrunk") << QByteArray("JPEG") << QSize(400, 300) << QSize(40, 90);
        QTest::newRow("same size") << QByteArray("BMP") << QSize(353, 257) << QSize(353, 257);
        QTest::newRow("bmp shrunk twenty times") << QByteArray("BMP") << QSize(2000, 1600) << QSize(100, 80);
    }
    void renderStretched()
    {
        QFETCH(QByteArray, writeAs);
        QFETCH(QSize, pixels);
        QFETCH(QSize, target);
        const QImage image = makeImage(pixels.width(), pixels.height(), kFill, kBlock);
        const QByteArray bytes = writeAs == "GIF" ? encodeGif(image) : encode(image, writeAs.constData());
        const Picture picture = Picture::fromData(bytes);
        QVERIFY(picture.isLoaded());
        const QImage shown = picture.render(target);
        QCOMPARE(shown.size(), target);
        const int w = target.width(), h = target.height();
        for (const QPoint corner : {QPoint(1, 1), QPoint(w - 2, 1), QPoint(1, h - 2), QPoint(w - 2, h - 2)})
            QVERIFY2(near(shown.pixel(corner), kFill), qPrintable(QStringLiteral("corner %1,%2").arg(corner.x()).arg(corner.y())));
        QVERIFY(near(shown.pixel(w / 2, h / 2), kBlock));
        // The block covers the middle half in both directions.
        QVERIFY(near(shown.pixel(w * 3 / 10, h / 2), kBlock));
        QVERIFY(near(shown.pixel(w / 2, h * 7 / 10), kBlock));
        QVERIFY(near(shown.pixel(w / 10, h / 2), kFill));
        QVERIFY(near(shown.pixel(w / 2, h * 9 / 10), kFill));
    }

    // A picture drawn much smaller shows the average of what it covers: a fine black and white
    // pattern turns grey, whatever the factor (whole or not).
    void shrinkingAverages_data()
    {
        QTest::addColumn<QSize>("target");
        QTest::newRow("a whole factor") << QSize(40, 30);
        QTest::newRow("between factors") << QSize(47, 29);
    }
    void shrinkingAverages()
    {
        QFETCH(QSize, target);
        QImage pattern(480, 360, QImage::Format_RGB32);
        for (int y = 0; y < pattern.height(); ++y)
            for (int x = 0; x < pattern.width(); ++x)
                pattern.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        const Picture picture = Picture::fromData(encode(pattern, "BMP"));
        QVERIFY(picture.isLoaded());
        const QImage shown = picture.render(target);
        QCOMPARE(shown.size(), target);
        for (int y = 0; y < target.height(); ++y)
            for (int x = 0; x < target.width(); ++x)
                QVERIFY2(qAbs(qGray(shown.pixel(x, y)) - 128) <= 8, qPrintable(QStringLiteral("%1,%2: %3").arg(x).arg(y).arg(qGray(shown.pixel(x, y)))));
    }

    // A metafile stopped by the processor-time guard is cut where the machine happened to be:
    // it is drawn once more, and if stopped again no part of it is given out.
    void guardedMetafile_data()
    {
        QTest::addColumn<int>("stops");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("never stopped") << 0 << true;
        QTest::newRow("stopped once: drawn again") << 1 << true;
        QTest::newRow("stopped twice: the placeholder") << 2 << false;
    }
    void guardedMetafile()
    {
        QFETCH(int, stops);
        QFETCH(bool, drawn);
        const Picture picture = Picture::load(QStringLiteral(WORTILO_TESTDATA "/wmf/grid.wmf"));
        QVERIFY(picture.isLoaded());
        const QSize size(353, 257);
        wortilo::wmf::RenderLimits limits;
        int left = stops, stopped = 0;
        limits.processorNs = [&] {
            if (left == 0)
                return qint64(0);
            --left;
            ++stopped;
            return limits.guardNs + 1;
        };
        const QImage image = picture.render(size, limits);
        QCOMPARE(stopped, stops);
        QCOMPARE(!image.isNull(), drawn);
        if (drawn)
            QCOMPARE(image, picture.render(size)); // the whole picture
    }

    // Photos from a phone have far more pixels than other pictures may, and are often stored
    // sideways with an EXIF orientation telling how the camera was held. A photo has the size of
    // the whole picture turned upright, takes its frame by that size and is shown upright: the
    // marker in the top left corner of the upright picture is there in the frame. Loading it
    // needs only a small part of the memory the whole picture would.
    void photos_data()
    {
        QTest::addColumn<QSize>("upright");
        QTest::addColumn<QByteArray>("bytes");
        // storedTurn: degrees clockwise the upright picture was turned when the camera stored it.
        auto photo = [](QSize upright, int storedTurn, int orientation) {
            QImage image = makeImage(upright.width(), upright.height(), kFill, kBlock);
            QPainter(&image).fillRect(0, 0, upright.width() / 8, upright.height() / 8, kMarker);
            if (storedTurn != 0)
                image = image.transformed(QTransform().rotate(storedTurn));
            const QByteArray jpeg = encode(image, "JPEG", 50);
            return orientation ? withExifOrientation(jpeg, orientation) : jpeg;
        };
        QTest::newRow("48 megapixels") << QSize(8000, 6000) << photo(QSize(8000, 6000), 0, 0);
        QTest::newRow("48 megapixels, portrait stored sideways (6)") << QSize(6000, 8000) << photo(QSize(6000, 8000), -90, 6);
        QTest::newRow("portrait stored sideways (6)") << QSize(300, 400) << photo(QSize(300, 400), -90, 6);
        QTest::newRow("portrait stored sideways (8)") << QSize(300, 400) << photo(QSize(300, 400), 90, 8);
        QTest::newRow("landscape stored upside down (3)") << QSize(400, 300) << photo(QSize(400, 300), 180, 3);
    }
    void photos()
    {
        QFETCH(QSize, upright);
        QFETCH(QByteArray, bytes);
        const long before = resetPeakKilobytes();
        const Picture picture = Picture::fromData(bytes);
        const long grownKilobytes = peakKilobytes() - before;
        QVERIFY(picture.isLoaded());
        QCOMPARE(picture.naturalSizeTwips(), upright * 15);
        const bool landscape = upright.width() >= upright.height();
        QCOMPARE(picture.isLandscape(), landscape);
        const QSize frame = landscape ? QSize(353, 257) : QSize(257, 353);
        const QImage shown = picture.render(frame);
        QCOMPARE(shown.size(), frame);
        const int w = frame.width(), h = frame.height();
        QVERIFY(near(shown.pixel(2, 2), kMarker));
        for (const QPoint corner : {QPoint(w - 3, 2), QPoint(2, h - 3), QPoint(w - 3, h - 3)})
            QVERIFY2(near(shown.pixel(corner), kFill), qPrintable(QStringLiteral("corner %1,%2").arg(corner.x()).arg(corner.y())));
        QVERIFY(near(shown.pixel(w / 2, h / 2), kBlock));
        // Less than a quarter of what the largest BMP allowed takes as a decoded picture.
        QVERIFY2(grownKilobytes * 1024 < Picture::kMaxPixels, qPrintable(QStringLiteral("%1 KiB").arg(grownKilobytes)));
    }

    // Files that are missing, empty, cut off, not a picture or of a hostile size are
    // unloadable: natural size 0 × 0, nothing rendered.
    void unloadable_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Picture::Fault>("fault");
        const QImage image = makeImage(120, 80);
        const QByteArray jpeg = encode(image, "JPEG");
        const QByteArray bmp = encode(image, "BMP");
        const QByteArray gif = encodeGif(image);
        QTest::newRow("zero bytes") << QByteArray() << Picture::Fault::Damaged;
        QTest::newRow("text") << QByteArray("Dies ist kein Bild, nur Text.\n") << Picture::Fault::NotAPicture;
        QTest::newRow("jpeg half") << jpeg.left(jpeg.size() / 2) << Picture::Fault::Damaged;
        QTest::newRow("jpeg without end marker") << jpeg.left(jpeg.size() - 2) << Picture::Fault::Damaged;
        QTest::newRow("jpeg header only") << jpeg.left(20) << Picture::Fault::Damaged;
        QTest::newRow("bmp half") << bmp.left(bmp.size() / 2) << Picture::Fault::Damaged;
        QTest::newRow("bmp one byte short") << bmp.left(bmp.size() - 1) << Picture::Fault::Damaged;
        QTest::newRow("bmp header only") << bmp.left(54) << Picture::Fault::Damaged;
        QTest::newRow("gif half") << gif.left(gif.size() / 2) << Picture::Fault::Damaged;
        QTest::newRow("gif without block end") << gif.left(gif.size() - 2) << Picture::Fault::Damaged;
        QTest::newRow("gif header only") << gif.left(13) << Picture::Fault::Damaged;
        QTest::newRow("bmp bomb 60000 x 60000") << bmpHeaderOnly(60000, 60000) << Picture::Fault::TooLarge;
        QTest::newRow("bmp bomb 60000 x 1") << bmpHeaderOnly(60000, 1) << Picture::Fault::TooLarge;
        QTest::newRow("bmp bomb at the 32-bit limit") << bmpHeaderOnly(0x7FFFFFFF, 0x7FFFFFFF) << Picture::Fault::TooLarge;
        QTest::newRow("bmp bomb top-down, most negative height") << bmpHeaderOnly(1000, 0x80000000u) << Picture::Fault::TooLarge;
        QTest::newRow("gif bomb 60000 x 60000") << gifHeaderOnly(60000, 60000) << Picture::Fault::TooLarge;
        QTest::newRow("jpeg bomb 60000 x 60000") << jpegClaiming(jpeg, 60000, 60000) << Picture::Fault::TooLarge;
        // A progressive JPEG is held whole while decoding, so it gets no more room than a BMP.
        QTest::newRow("progressive jpeg claiming 48 megapixels") << jpegClaiming(encodeProgressiveJpeg(image), 8000, 6000) << Picture::Fault::TooLarge;
        // Thousands of scans of a few bytes each would keep the loader busy for minutes.
        QTest::newRow("jpeg with too many scans") << withScans(encodeProgressiveJpeg(image), Picture::kMaxJpegScans + 1) << Picture::Fault::TooLarge;
        QTest::newRow("one-pass jpeg with scans after its last") << withScans(jpeg, 1000) << Picture::Fault::Damaged;
        QTest::newRow("wider than the limit") << encode(makeImage(Picture::kMaxSide + 1, 2), "BMP") << Picture::Fault::TooLarge;
        QTest::newRow("png is not a vocabulary format") << encode(image, "PNG") << Picture::Fault::NotAPicture;
        QTest::newRow("bytes of a metafile header only") << QByteArray::fromHex("d7cdc69a0000") << Picture::Fault::Damaged;
    }
    void unloadable()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Picture::Fault, fault);
        const QString path = file(QStringLiteral("derText.bmp"), bytes);
        const long before = resetPeakKilobytes();
        const Picture picture = Picture::load(path);
        QVERIFY(picture.isUnloadable());
        QCOMPARE(picture.fault(), fault);
        QCOMPARE(picture.naturalSizeTwips(), QSize(0, 0));
        QVERIFY(picture.render(QSize(50, 50)).isNull());
        // Refused before anything large was allocated.
        QVERIFY2(peakKilobytes() - before < 32 * 1024, "a hostile header made the loader allocate memory");
    }

    void missingFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("no such file") << m_dir.filePath(QStringLiteral("derGeist.jpg"));
        QTest::newRow("empty path") << QString();
        QTest::newRow("a folder") << m_dir.path();
    }
    void missingFile()
    {
        QFETCH(QString, path);
        QCOMPARE(Picture::load(path).fault(), Picture::Fault::Unreadable);
    }

    // A FIFO in a picture's place (the folder's scan leaves FIFOs out, but the folder may change
    // while the program runs) is unloadable at once: opening it must not wait for a writer.
    void fifoDoesNotBlock()
    {
        const QString path = m_dir.filePath(QStringLiteral("dieRöhre.jpg"));
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0644) == 0);
        // Should the load wait after all, a writer that comes and goes after two seconds ends the
        // wait, and the time taken tells.
        std::mutex mutex;
        std::condition_variable loaded;
        bool done = false;
        std::thread rescue([&] {
            std::unique_lock lock(mutex);
            while (!loaded.wait_for(lock, std::chrono::seconds(2), [&] { return done; })) {
                const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0)
                    ::close(fd);
            }
        });
        QElapsedTimer timer;
        timer.start();
        const Picture picture = Picture::load(path);
        const qint64 ms = timer.elapsed();
        {
            const std::lock_guard lock(mutex);
            done = true;
        }
        loaded.notify_all();
        rescue.join();
        QVERIFY(picture.isUnloadable());
        QVERIFY2(ms < 2000, qPrintable(QStringLiteral("the load waited %1 ms").arg(ms)));
    }

    // The largest picture within the limits still loads.
    void largestAllowed()
    {
        const Picture picture = Picture::fromData(encode(makeImage(Picture::kMaxSide, 2), "BMP"));
        QVERIFY(picture.isLoaded());
        QCOMPARE(picture.naturalSizeTwips(), QSize(Picture::kMaxSide * 15, 30));
    }

    // A metafile measures its bounding box in its own units per inch and is drawn at the size
    // asked for, not scaled from a bitmap.
    void metafile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("twips");
        QTest::addColumn<bool>("landscape");
        QTest::newRow("two inches by one") << placeableMetafile(2000, 1000, 1000) << QSize(2880, 1440) << true;
        QTest::newRow("one inch by three") << placeableMetafile(1440, 4320, 1440) << QSize(1440, 4320) << false;
        QTest::newRow("beyond 16 bits") << placeableMetafile(30000, 1000, 1000) << QSize(43200, 1440) << true;
        // Read into memory of its own, which is gone once read: the metafile keeps a copy.
        QTest::newRow("larger than 4 MB") << placeableMetafile(2000, 1000, 1000, 3 << 20) << QSize(2880, 1440) << true;
    }
    void metafile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, twips);
        QFETCH(bool, landscape);
        const Picture picture = Picture::load(file(QStringLiteral("derPlan.wmf"), bytes));
        QVERIFY(picture.isLoaded());
        QCOMPARE(picture.format(), QByteArray("wmf"));
        // The exact measure is the metafile renderer's business (and tested there); here it
        // must come through as twips, not as pixels or 16-bit values.
        const QSize natural = picture.naturalSizeTwips();
        QVERIFY2(qAbs(natural.width() - twips.width()) <= 2 && qAbs(natural.height() - twips.height()) <= 2,
                 qPrintable(QStringLiteral("%1 x %2 twips").arg(natural.width()).arg(natural.height())));
        QCOMPARE(picture.naturalSizePixels(), QSize((natural.width() + 7) / 15, (natural.height() + 7) / 15));
        QCOMPARE(picture.isLandscape(), landscape);
        const QImage shown = picture.render(QSize(353, 257));
        QCOMPARE(shown.size(), QSize(353, 257));
        // The rectangle covers the whole picture, so its middle is drawn.
        QCOMPARE(qAlpha(shown.pixel(176, 128)), 255);
    }

    // Copies share the loaded picture; two loads of one file do not.
    void copiesShare()
    {
        const QString path = file(QStringLiteral("dasHaus.bmp"), encode(makeImage(10, 10), "BMP"));
        const Picture a = Picture::load(path);
        const Picture b = a;
        QVERIFY(a.isSameAs(b));
        QVERIFY(!a.isSameAs(Picture::load(path)));
        QVERIFY(!a.isSameAs(Picture()));
    }
};

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"
