// SPDX-License-Identifier: MIT
// The drawing budget: files that are cheap to store but dear to draw are given up with what was
// drawn so far, the cost model ranks drawings by what they cost the rasteriser, the processor-time
// guard stops between records and lets a slow machine draw what the budget allows, and normal
// pictures are drawn whole. Nothing here measures time:
// the clock is injected, and bench/wmf_bench times the same files.
#include "support/readfile.h"
#include "slowfiles.h"
#include "wmf/metafile.h"
#include "wmfbuilder.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <limits>

using wmftest::WmfBuilder;
using wortilo::wmf::Metafile;
using wortilo::wmf::RenderLimits;
using wortilo::wmf::RenderOutcome;

namespace {

// The default budget without the processor-time guard: the same result on every run.
RenderLimits budgetOnly()
{
    RenderLimits limits;
    limits.guardNs = 0;
    return limits;
}

// What the cost model charges for drawing the whole file.
qint64 workOf(const QByteArray &file, QSize size = QSize(353, 257))
{
    const auto m = Metafile::parse(file);
    if (!m)
        return -1;
    RenderLimits unlimited;
    unlimited.work = std::numeric_limits<qint64>::max() / 4;
    unlimited.guardNs = 0;
    RenderOutcome outcome;
    m->toImage(size, &outcome, unlimited);
    return outcome.complete ? outcome.work : -1;
}

WmfBuilder picture()
{
    return WmfBuilder().placeable(QRect(0, 0, 353, 257), 96).windowOrg(0, 0).windowExt(353, 257);
}

WmfBuilder filled(QList<QPoint> points)
{
    WmfBuilder b = picture();
    b.pen(5, 0, Qt::black).select(0).brush(0, Qt::red).select(1).points(WmfBuilder::Polygon, points);
    return b;
}

WmfBuilder stroked(int width, QList<QPoint> points)
{
    WmfBuilder b = picture();
    b.pen(0, width, Qt::black).select(0).points(WmfBuilder::Polyline, points);
    return b;
}

QList<QPoint> regularPolygon(int count)
{
    QList<QPoint> pts;
    for (int i = 0; i < count; ++i) {
        const double a = i * 2 * 3.14159265358979 / count;
        pts.append(QPoint(176 + int(120 * std::cos(a)), 128 + int(120 * std::sin(a))));
    }
    return pts;
}

// count points zig-zagging between the top and the bottom of the picture, and reach rows beyond
// them, each edge leaning by a few pixels.
QList<QPoint> leaning(int count, int reach)
{
    QList<QPoint> pts;
    for (int i = 0; i < count; ++i)
        pts.append(QPoint(20 + i % 300, i % 2 ? 257 + reach : -reach));
    return pts;
}

QByteArray ellipsesUnderClip(bool clip)
{
    WmfBuilder b = picture();
    QList<QRect> cells;
    for (int i = 0; i < 200; ++i)
        cells.append(QRect(i % 20 * 17, i / 20 * 25, 8, 12));
    b.region(cells).pen(5, 0, Qt::black).select(1).brush(0, Qt::red).select(2);
    if (clip)
        b.record(WmfBuilder::SelectClipRegion, {0});
    for (int i = 0; i < 100; ++i)
        b.ellipse(i, i, 353 - i, 257 - i);
    return b.build();
}

QByteArray stretchedBitmap(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::blue);
    return picture().stretchDib(0, 0, 353, 257, WmfBuilder::dib(image, 24), image.size()).build();
}

} // namespace

class TestWmfBudget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void slowFilesAreGivenUpWithinBudget_data();
    void slowFilesAreGivenUpWithinBudget();
    void costModel_data();
    void costModel();
    void givingUpKeepsWhatWasDrawn();
    void guardStopsBetweenRecords();
    void slowMachineDrawsWhatTheBudgetAllows();
    void normalPicturesAreDrawnWhole_data();
    void normalPicturesAreDrawnWhole();
};

void TestWmfBudget::slowFilesAreGivenUpWithinBudget_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    const QDir dir(QStringLiteral(WORTILO_TESTDATA "/wmf/regress"));
    const QStringList files = dir.entryList({QStringLiteral("slow-*.wmf")}, QDir::Files);
    QCOMPARE(files.size(), wmftest::slowFiles().size());
    for (const QString &name : files)
        for (const QSize size : wmftest::regressionSizes())
            QTest::addRow("%s %dx%d", qPrintable(name), size.width(), size.height()) << dir.filePath(name) << size;
}

void TestWmfBudget::slowFilesAreGivenUpWithinBudget()
{
    // Each took from a fifth of a second to minutes to draw whole (see bench/wmf_bench) at the
    // program's frames; the smallest targets may afford some of them whole.
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const auto m = Metafile::parse(readFile(path));
    QVERIFY(m);
    const RenderLimits limits = budgetOnly();
    RenderOutcome outcome;
    const QImage image = m->toImage(size, &outcome, limits);
    const bool frame = size.width() >= 113 && size.height() >= 113 && size.width() <= 600;
    QVERIFY2(outcome.outOfWork != outcome.complete && (outcome.outOfWork || !frame), "given up on the costly part");
    QVERIFY2(outcome.recordsPlayed >= 9, "the background records were played");
    QCOMPARE(qAlpha(image.pixel(1, 1)), 255); // and what they drew is kept
}

void TestWmfBudget::costModel_data()
{
    QTest::addColumn<QByteArray>("cheap");
    QTest::addColumn<QSize>("cheapSize");
    QTest::addColumn<QByteArray>("dear");
    QTest::addColumn<QSize>("dearSize");
    QTest::addColumn<double>("ratio"); // dear costs at least this many times cheap
    const QSize frame(353, 257);
    QTest::newRow("edges that all cross each other") << filled(regularPolygon(255)).build() << frame
                                                      << filled(wmftest::star(255)).build() << frame << 20.0;
    QTest::newRow("an edge reaching far beside the frame")
        << filled({QPoint(10, 10), QPoint(340, 128), QPoint(10, 250)}).build() << frame
        << filled({QPoint(10, 10), QPoint(30000, 128), QPoint(10, 250)}).build() << frame << 5.0;
    QTest::newRow("a wide pen") << stroked(0, wmftest::zigzag(64)).build() << frame
                                << stroked(40, wmftest::zigzag(64)).build() << frame << 5.0;
    QTest::newRow("a bigger target") << filled(wmftest::star(255)).build() << frame
                                     << filled(wmftest::star(255)).build() << QSize(600, 437) << 1.5;
    QTest::newRow("a clip path") << ellipsesUnderClip(false) << frame << ellipsesUnderClip(true) << frame << 1.5;
    // A wide line along the rows crowds none of them: it costs about what the same line across them does.
    QTest::newRow("a line along the rows") << stroked(8, {QPoint(0, 128), QPoint(353, 128)}).build() << frame
                                           << stroked(8, {QPoint(176, 0), QPoint(176, 257)}).build() << frame << 0.5;
    // Edges leaning through the picture from far above to far below are followed over every row.
    QTest::newRow("edges reaching far above and below")
        << filled(leaning(200, 0)).build() << frame << filled(leaning(200, 3000)).build() << frame << 10.0;
    QTest::newRow("bitmap pixels") << stretchedBitmap(8) << frame << stretchedBitmap(800) << frame << 10.0;
}

void TestWmfBudget::costModel()
{
    QFETCH(QByteArray, cheap);
    QFETCH(QSize, cheapSize);
    QFETCH(QByteArray, dear);
    QFETCH(QSize, dearSize);
    QFETCH(double, ratio);
    const qint64 low = workOf(cheap, cheapSize), high = workOf(dear, dearSize);
    QVERIFY(low > 0 && high > 0);
    QVERIFY2(high >= ratio * low, qPrintable(QStringLiteral("%1 against %2").arg(high).arg(low)));
}

void TestWmfBudget::givingUpKeepsWhatWasDrawn()
{
    // Red on the left, a polygon far beyond the budget, green on the right.
    WmfBuilder b = picture();
    b.pen(5, 0, Qt::black).select(0).brush(0, Qt::red).select(1).rectangle(0, 0, 150, 257);
    const int before = 9; // placeable header aside: window, pen, brush, selections, rectangle, this brush
    b.brush(0, Qt::blue).select(2).points(WmfBuilder::Polygon, wmftest::zigzag(65535));
    b.brush(0, Qt::green).select(3).rectangle(200, 0, 353, 257);
    const auto m = Metafile::parse(b.build());
    QVERIFY(m);
    RenderOutcome outcome;
    const QImage image = m->toImage(QSize(353, 257), &outcome, budgetOnly());
    QVERIFY(outcome.outOfWork && !outcome.outOfTime && !outcome.complete);
    QCOMPARE(outcome.recordsPlayed, before);
    QCOMPARE(image.pixel(50, 100), qRgb(255, 0, 0));
    QCOMPARE(qAlpha(image.pixel(300, 100)), 0); // neither the polygon nor the green rectangle
    QCOMPARE(qAlpha(image.pixel(170, 100)), 0);
}

void TestWmfBudget::guardStopsBetweenRecords()
{
    WmfBuilder b = picture();
    b.pen(5, 0, Qt::black).select(0).brush(0, Qt::red).select(1);
    for (int i = 0; i < 1000; ++i)
        b.rectangle(i % 300, i % 200, i % 300 + 10, i % 200 + 10);
    const auto m = Metafile::parse(b.build());
    QVERIFY(m);
    int reads = 0;
    RenderLimits limits;
    limits.guardNs = 250'000'000;
    limits.processorNs = [&reads] { return qint64(++reads) * 100'000'000; }; // a badly misjudged cost
    RenderOutcome outcome;
    m->toImage(QSize(353, 257), &outcome, limits);
    QVERIFY(outcome.outOfTime && !outcome.outOfWork && !outcome.complete);
    QCOMPARE(reads, 3);
    QVERIFY(outcome.recordsPlayed > 64 && outcome.recordsPlayed < 1000);

    reads = 0;
    limits.guardNs = 0; // no guard: the clock is never read
    m->toImage(QSize(353, 257), &outcome, limits);
    QVERIFY(outcome.complete);
    QCOMPARE(reads, 0);
}

void TestWmfBudget::slowMachineDrawsWhatTheBudgetAllows()
{
    // Self-crossing polygons until the picture uses most of the budget.
    const qint64 one = workOf(filled(wmftest::star(31)).build());
    QVERIFY(one > 0);
    WmfBuilder b = picture();
    b.pen(5, 0, Qt::black).select(0).brush(0, Qt::red).select(1);
    const qint64 count = RenderLimits::kDefaultWork * 9 / 10 / one;
    for (qint64 i = 0; i < count; ++i)
        b.points(WmfBuilder::Polygon, wmftest::star(31, int(i)));
    const QByteArray file = b.build();
    QVERIFY2(workOf(file) > RenderLimits::kDefaultWork * 3 / 4, qPrintable(QString::number(workOf(file))));
    const auto m = Metafile::parse(file);
    QVERIFY(m);
    // How often the guard asks the clock, and how much work lies between two questions.
    int reads = 0;
    RenderLimits limits;
    limits.processorNs = [&reads] { return qint64(++reads); };
    RenderOutcome outcome;
    m->toImage(QSize(353, 257), &outcome, limits);
    QVERIFY(outcome.complete && reads > 0);
    const qint64 workPerRead = outcome.work / reads;
    // A computer three times slower than the budget assumes (a nanosecond a unit).
    reads = 0;
    limits.processorNs = [&reads, workPerRead] { return qint64(++reads) * workPerRead * 3; };
    m->toImage(QSize(353, 257), &outcome, limits);
    QVERIFY2(outcome.complete, qPrintable(QStringLiteral("stopped after %1 records").arg(outcome.recordsPlayed)));
    limits.guardNs = 300'000'000; // a guard as tight as the budget would cut it
    reads = 0;
    m->toImage(QSize(353, 257), &outcome, limits);
    QVERIFY(outcome.outOfTime);
}

void TestWmfBudget::normalPicturesAreDrawnWhole_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QStringList paths;
    for (const QString &folder : {QStringLiteral(WORTILO_TESTDATA "/wmf"), QStringLiteral(WORTILO_TESTDATA "/wmf/inkscape"),
                                  QStringLiteral(WORTILO_SHARED_TESTDATA "/wmf"), QStringLiteral(WORTILO_BILDER)}) {
        const QDir dir(folder);
        const QStringList names = dir.entryList({QStringLiteral("*.wmf")}, QDir::Files);
        // A missing folder would leave its rows out unnoticed; the shared one is reported when
        // the build is configured.
        if (folder != QStringLiteral(WORTILO_SHARED_TESTDATA "/wmf") || dir.exists())
            QVERIFY2(!names.isEmpty(), qPrintable(folder));
        for (const QString &name : names)
            paths << dir.filePath(name);
    }
    for (const QString &path : paths)
        for (const QSize size : {QSize(353, 257), QSize(257, 353), QSize(600, 437), QSize(1200, 874)})
            QTest::addRow("%s %dx%d", qPrintable(QFileInfo(path).fileName()), size.width(), size.height()) << path << size;
}

void TestWmfBudget::normalPicturesAreDrawnWhole()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const auto m = Metafile::parse(readFile(path));
    // The corpus' one rejection file is refused; every other file must load.
    if (QFileInfo(path).fileName() == QStringLiteral("not_a_wmf.wmf")) {
        QVERIFY(!m);
        return;
    }
    QVERIFY2(m, "does not load");
    RenderOutcome outcome;
    m->toImage(size, &outcome, budgetOnly());
    QVERIFY2(outcome.complete, qPrintable(QStringLiteral("stopped after %1 of %2 records, %3 units")
                                               .arg(outcome.recordsPlayed).arg(m->recordCount()).arg(outcome.work)));
}

QTEST_MAIN(TestWmfBudget)
#include "tst_wmfbudget.moc"
