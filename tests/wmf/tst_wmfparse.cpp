// SPDX-License-Identifier: MIT
// Parsing: what counts as a metafile, the natural size, and files that lie about themselves
// (sizes, counts, escapes, missing EOF) or attack the renderer (floods, huge claims). Hostile files
// must load or be rejected and must draw without crashing; a hang shows up as a CTest time-out.
#include "support/readfile.h"
#include "wmf/metafile.h"
#include "wmfbuilder.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using wmftest::WmfBuilder;
using wortilo::wmf::Metafile;

namespace {

WmfBuilder picture()
{
    WmfBuilder b;
    b.placeable(QRect(0, 0, 100, 100), 96).windowOrg(0, 0).windowExt(100, 100);
    return b;
}

WmfBuilder &redFill(WmfBuilder &b)
{
    return b.pen(5, 0, Qt::black).select(0).brush(0, Qt::red).select(1);
}

int redPixels(const QImage &img)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            n += qAlpha(p) > 200 && qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
        }
    return n;
}

// Renders at two sizes; returns the smaller image.
QImage drawBoth(const Metafile &m)
{
    const QImage big = m.toImage(QSize(317, 211));
    if (big.size() != QSize(317, 211))
        return {};
    return m.toImage(QSize(64, 64));
}

} // namespace

class TestWmfParse : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rejectsWhatIsNoMetafile_data();
    void rejectsWhatIsNoMetafile();
    void naturalSize_data();
    void naturalSize();
    void headerSizeIsNotTrusted();
    void truncatedRecordsEndTheFile();
    void escapesSkippedByRecordSize();
    void countsBoundedByTheRecord();
    void hostileFiles_data();
    void hostileFiles();
    void regressionFiles();
    void corpusLoads_data();
    void corpusLoads();
};

void TestWmfParse::rejectsWhatIsNoMetafile_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("#include <windows.h>\nint main() { return 0; }\n");
    QTest::newRow("truncated header") << picture().build().left(22 + 17);
    QTest::newRow("placeable header only") << picture().build().left(22);
    WmfBuilder nothing = picture();
    nothing.pen(0, 1, Qt::black).select(0);
    QTest::newRow("nothing drawn") << nothing.build();
    QByteArray badType = picture().build();
    badType[22] = 7;
    QTest::newRow("unknown type") << badType;
    QByteArray badHeaderSize = picture().build();
    badHeaderSize[24] = 12;
    QTest::newRow("wrong header size") << badHeaderSize;
}

void TestWmfParse::rejectsWhatIsNoMetafile()
{
    QFETCH(QByteArray, data);
    QVERIFY(!Metafile::parse(data));
}

void TestWmfParse::naturalSize_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QSize>("twips");
    {
        WmfBuilder b = picture(); // 100 units at 96 per inch
        redFill(b).rectangle(0, 0, 10, 10);
        QTest::newRow("placeable, 96 per inch") << b.build() << QSize(1500, 1500);
    }
    {
        WmfBuilder b;
        b.placeable(QRect(-100, 50, 2880, 1440), 1440).windowExt(10, 10);
        redFill(b).rectangle(0, 0, 10, 10);
        QTest::newRow("placeable, twips, window ignored for size") << b.build() << QSize(2880, 1440);
    }
    {
        WmfBuilder b;
        b.placeable(QRect(0, 0, 2540, 1270), 2540);
        redFill(b).rectangle(0, 0, 10, 10);
        QTest::newRow("placeable, 0.01 mm") << b.build() << QSize(1440, 720);
    }
    {
        WmfBuilder b; // no placeable header: window extent as pixels at 96 dpi
        b.windowOrg(10, 10).windowExt(96, -48);
        redFill(b).rectangle(0, 0, 10, 10);
        QTest::newRow("window extent") << b.build() << QSize(1440, 720);
    }
    {
        WmfBuilder b; // a zero-sized box does not count; the window does
        b.placeable(QRect(0, 0, 0, 0), 1440).windowExt(192, 96);
        redFill(b).rectangle(0, 0, 10, 10);
        QTest::newRow("empty box falls back to window") << b.build() << QSize(2880, 1440);
    }
    {
        WmfBuilder b; // no size at all: what is drawn, in pixels
        redFill(b).rectangle(20, 30, 120, 80);
        QTest::newRow("measured drawing") << b.build() << QSize(1500, 750);
    }
}

void TestWmfParse::naturalSize()
{
    QFETCH(QByteArray, data);
    QFETCH(QSize, twips);
    const auto m = Metafile::parse(data);
    QVERIFY(m);
    const QSize got = m->naturalSizeTwips();
    QVERIFY2(std::abs(got.width() - twips.width()) <= 30 && std::abs(got.height() - twips.height()) <= 30,
             qPrintable(QStringLiteral("%1x%2").arg(got.width()).arg(got.height())));
}

void TestWmfParse::headerSizeIsNotTrusted()
{
    WmfBuilder b = picture();
    redFill(b).rectangle(0, 0, 50, 50).rectangle(50, 50, 100, 100);
    QByteArray data = b.build();
    // Claim the file is much shorter, then much longer, than it is.
    for (quint32 words : {12u, 0x7fffffffu}) {
        data[22 + 6] = char(words & 0xff);
        data[22 + 7] = char((words >> 8) & 0xff);
        data[22 + 8] = char((words >> 16) & 0xff);
        data[22 + 9] = char((words >> 24) & 0xff);
        const auto m = Metafile::parse(data);
        QVERIFY(m);
        QCOMPARE(m->recordCount(), 8);
        QVERIFY(redPixels(m->toImage(QSize(100, 100))) > 4800);
    }
    // Without META_EOF, and with junk after it, the same picture.
    const auto noEof = Metafile::parse(b.build(false));
    QVERIFY(noEof);
    QCOMPARE(noEof->recordCount(), 8);
    const auto junk = Metafile::parse(b.build() + QByteArray(40, '\xff'));
    QVERIFY(junk);
    QCOMPARE(junk->recordCount(), 8);
}

void TestWmfParse::truncatedRecordsEndTheFile()
{
    WmfBuilder b = picture();
    redFill(b).rectangle(0, 0, 50, 100);
    QByteArray overrun;
    WmfBuilder::put32(overrun, 4849692); // as in a fuzzed file: far beyond the end
    WmfBuilder::put16(overrun, 0x02FB);
    overrun += QByteArray(30, 'x');
    b.raw(overrun);
    const auto m = Metafile::parse(b.build(false));
    QVERIFY(m);
    QCOMPARE(m->recordCount(), 7);
    QVERIFY(redPixels(m->toImage(QSize(100, 100))) > 4800);

    // A record of fewer than three words would never advance: reading stops there.
    WmfBuilder z = picture();
    redFill(z).rectangle(0, 0, 50, 100);
    QByteArray tiny;
    WmfBuilder::put32(tiny, 2);
    WmfBuilder::put16(tiny, 0x041B);
    z.raw(tiny);
    z.rectangle(50, 0, 100, 100);
    const auto mz = Metafile::parse(z.build());
    QVERIFY(mz);
    QCOMPARE(mz->recordCount(), 7);
}

void TestWmfParse::escapesSkippedByRecordSize()
{
    // An escape that claims 30000 bytes but holds 8: the next record must still be drawn.
    WmfBuilder b = picture();
    redFill(b).escape(15, 30000, QByteArray("WMF Conv")).rectangle(0, 0, 100, 100);
    const auto m = Metafile::parse(b.build());
    QVERIFY(m);
    QCOMPARE(m->recordCount(), 8);
    QVERIFY(redPixels(m->toImage(QSize(100, 100))) > 9000);
}

void TestWmfParse::countsBoundedByTheRecord()
{
    // Point and polygon counts far larger than the record: use what is there, read nothing beyond.
    WmfBuilder b = picture();
    redFill(b).bkMode(1);
    QByteArray poly;
    WmfBuilder::put16(poly, 65535);
    for (QPoint p : {QPoint(0, 0), QPoint(100, 0), QPoint(100, 100), QPoint(0, 100)}) {
        WmfBuilder::put16(poly, p.x());
        WmfBuilder::put16(poly, p.y());
    }
    b.recordBytes(WmfBuilder::Polygon, poly);
    QByteArray pp;
    WmfBuilder::put16(pp, 60000);
    WmfBuilder::put16(pp, 65535);
    b.recordBytes(WmfBuilder::PolyPolygon, pp);
    b.extTextOut(0, 0, 0, QByteArray(4, 'x')).raw(QByteArray());
    QByteArray text;
    WmfBuilder::put16(text, 0);
    WmfBuilder::put16(text, 0);
    WmfBuilder::put16(text, 60000); // string length far past the record
    WmfBuilder::put16(text, 0);
    text += "abc";
    b.recordBytes(WmfBuilder::ExtTextOut, text);
    const auto m = Metafile::parse(b.build());
    QVERIFY(m);
    QVERIFY(redPixels(drawBoth(*m)) > 3500);
}

void TestWmfParse::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("data");
    auto base = [] {
        WmfBuilder b = picture();
        redFill(b);
        return b;
    };
    {
        WmfBuilder b = base();
        for (int i = 0; i < 20000; ++i)
            b.excludeClip(i % 97, i % 89, i % 97 + 2, i % 89 + 2);
        b.rectangle(0, 0, 100, 100);
        QTest::newRow("clip flood") << b.build();
    }
    {
        WmfBuilder b = base();
        for (int i = 0; i < 70000; ++i)
            b.brush(0, QColor(i % 256, 0, 0));
        b.select(69000).rectangle(0, 0, 100, 100);
        QTest::newRow("object flood") << b.build();
    }
    {
        WmfBuilder b = base();
        for (int i = 0; i < 5000; ++i)
            b.saveDc();
        for (int i = 0; i < 6000; ++i)
            b.restoreDc(i % 2 ? 3000 : -7);
        b.rectangle(0, 0, 100, 100);
        QTest::newRow("save flood") << b.build();
    }
    {
        WmfBuilder b = base(); // a DIB claiming 60000x60000 pixels with 16 bytes of bits
        QByteArray dib;
        for (quint32 v : {40u, 60000u, 60000u})
            WmfBuilder::put32(dib, v);
        WmfBuilder::put16(dib, 1);
        WmfBuilder::put16(dib, 24);
        dib += QByteArray(24 + 16, '\x7f');
        b.stretchDib(0, 0, 100, 100, dib, QSize(60000, 60000)).rectangle(0, 0, 10, 10);
        QTest::newRow("bitmap claims") << b.build();
    }
    {
        WmfBuilder b = base(); // RLE8 data that jumps far outside its bitmap
        QByteArray dib;
        for (quint32 v : {40u, 8u, 8u})
            WmfBuilder::put32(dib, v);
        WmfBuilder::put16(dib, 1);
        WmfBuilder::put16(dib, 8);
        WmfBuilder::put32(dib, 1);
        dib += QByteArray(20, '\0');
        dib += QByteArray(1024, '\0'); // colour table
        dib += QByteArray::fromHex("0002ffff0002ffff05ff0003aabbcc00ff10") + QByteArray(64, '\xfe');
        b.stretchDib(0, 0, 100, 100, dib, QSize(8, 8)).rectangle(0, 0, 10, 10);
        QTest::newRow("rle overflow") << b.build();
    }
    {
        WmfBuilder b = base(); // thousands of compressed bitmaps that each unpack to 16 million pixels
        QByteArray dib = WmfBuilder::rle8Header(4096, 4096) + QByteArray::fromHex("0001");
        for (int i = 0; i < 2000; ++i)
            b.stretchDib(0, 0, 100, 100, dib, QSize(4096, 4096));
        b.rectangle(0, 0, 10, 10);
        QTest::newRow("bitmap flood") << b.build();
    }
    {
        WmfBuilder b = base(); // a tiny window makes every unit huge: giant font, far coordinates
        b.windowExt(1, 1).font(-32767, "Arial").select(2).pen(1, 1, Qt::blue).select(3);
        b.textOut(0, 0, "Huge").moveTo(-32768, -32768).lineTo(32767, 32767).rectangle(0, 0, 1, 1);
        b.arcLike(WmfBuilder::Arc, QRect(-30000, -30000, 60000, 60000), QPoint(1, 0), QPoint(0, 1));
        QTest::newRow("extreme scale") << b.build();
    }
    {
        WmfBuilder b = base(); // many points in one polyline with a dashed pen across a huge span
        b.pen(1, 0, Qt::black).select(2);
        QList<QPoint> pts;
        for (int i = 0; i < 16000; ++i)
            pts.append(QPoint(i % 2 ? 32000 : -32000, i % 3 * 20000 - 20000));
        b.windowExt(2, 2).points(WmfBuilder::Polyline, pts).rectangle(0, 0, 1, 1);
        QTest::newRow("dash storm") << b.build();
    }
    {
        WmfBuilder b = base(); // regions with odd counts and scans running past the record
        QByteArray region;
        for (int v : {0, 6, 0, 0, 999, 30000, 0, 0, 0, 100, 100, 7, 0, 10, 5, 90, 40})
            WmfBuilder::put16(region, v);
        b.recordBytes(WmfBuilder::CreateRegion, region).record(WmfBuilder::SelectClipRegion, {2})
            .fillRegion(2, 1).rectangle(0, 0, 100, 100);
        QTest::newRow("broken region") << b.build();
    }
}

void TestWmfParse::hostileFiles()
{
    QFETCH(QByteArray, data);
    const auto m = Metafile::parse(data);
    QVERIFY(m);
    const QSize twips = m->naturalSizeTwips();
    QVERIFY(twips.width() > 0 && twips.height() > 0);
    QVERIFY(!drawBoth(*m).isNull());
}

void TestWmfParse::regressionFiles()
{
    // Inputs the fuzzer found and the corpus' malformed files: each loads or is rejected, and draws.
    const QDir dir(QStringLiteral(WORTILO_TESTDATA "/wmf/regress"));
    const QStringList files = dir.entryList({QStringLiteral("*.wmf")}, QDir::Files);
    QVERIFY(!files.isEmpty());
    for (const QString &name : files) {
        const auto m = Metafile::parse(readFile(dir.filePath(name)));
        if (m)
            QVERIFY2(!drawBoth(*m).isNull(), qPrintable(name));
    }
    // The fuzzed corpus file still shows what precedes its broken record.
    const auto fuzzed = Metafile::parse(readFile(QStringLiteral(WORTILO_TESTDATA "/wmf/61338.wmf")));
    QVERIFY(fuzzed);
    QCOMPARE(fuzzed->recordCount(), 21);
}

void TestWmfParse::corpusLoads_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("records"); // from the corpus analysis (META_EOF not counted)
    const QList<std::pair<const char *, int>> local = {
        {"santa.wmf", 581}, {"60677.wmf", 829}, {"64716_image3.wmf", 1144}, {"empty-polygon-close.wmf", 272},
        {"testException2.doc-2.wmf", 215}, {"testWMF.wmf", 28}, {"testWMF_charset.wmf", 50},
        {"drawing.wmf", 28}, {"wmf2svg_fulltest.wmf", 405}, {"symbol-font-tables.wmf", 1368}, {"grid.wmf", 153},
        {"telescope_01.wmf", 224}, {"gdiwmfboundariesbug.wmf", 912}, {"asposenet_222_wmf_200.DrawImage.wmf", 31},
        {"eye.wmf", 194}, {"missing-font.wmf", 30}, {"pie.wmf", 20}, {"dash-dot.wmf", 30}};
    for (const auto &[name, records] : local)
        QTest::newRow(name) << QStringLiteral(WORTILO_TESTDATA "/wmf/") + QLatin1String(name) << records;
    const QList<std::pair<const char *, int>> shared = {
        {"2doorvan.wmf", 319}, {"Eg.wmf", 444}, {"anim0002.wmf", 194}, {"ant.wmf", 126}, {"cell.wmf", 3079},
        {"fjftest.wmf", 61}, {"formula1.wmf", 84}, {"fulltest.wmf", 278}, {"p0000001.wmf", 96}, {"text.wmf", 69},
        {"test_libuemf_ref.wmf", 1370}, {"bird.wmf", 67}, {"tucan.wmf", 174}, {"world.wmf", 18510},
        {"not_a_wmf.wmf", -1}}; // -1: must be rejected
    for (const auto &[name, records] : shared)
        QTest::newRow(name) << QStringLiteral(WORTILO_SHARED_TESTDATA "/wmf/") + QLatin1String(name) << records;
}

void TestWmfParse::corpusLoads()
{
    QFETCH(QString, path);
    QFETCH(int, records);
    if (path.startsWith(QStringLiteral(WORTILO_SHARED_TESTDATA)) && !QFile::exists(path))
        QSKIP("the shared WMF corpus (GPL/LGPL/CC-BY-SA files) is not next to the project");
    const QByteArray data = readFile(path);
    QVERIFY(!data.isEmpty());
    const auto m = Metafile::parse(data);
    if (records < 0) {
        QVERIFY(!m);
        return;
    }
    QVERIFY(m);
    QCOMPARE(m->recordCount(), records);
    const QImage small = drawBoth(*m);
    QVERIFY(!small.isNull());
    int drawn = 0;
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x)
            drawn += qAlpha(small.pixel(x, y)) > 0;
    QVERIFY2(drawn > 0, "something is drawn");
}

QTEST_MAIN(TestWmfParse)
#include "tst_wmfparse.moc"
