// SPDX-License-Identifier: MIT
// Our renderings against pictures made by independent renderers at the same size:
//  - the corpus files drawn by LibreOffice Draw (tests/data/wmf/ref, and the GPL/LGPL/CC-BY-SA
//    files from ../shared/testdata/wmf when that folder exists),
//  - WMFs written by Inkscape from our own SVGs, against the SVG drawn by librsvg.
// The measure: both pictures composed onto white, halved in size (anti-aliasing averages out), and
// a pixel counts as wrong when no pixel within one step in the other picture is within 64 levels on
// every channel; the wrong pixels (both directions averaged), as a share of the drawn (non-white)
// pixels, must stay under the file's tolerance. selfCheck() proves that the tolerances still catch mirrored, shifted, recoloured and
// missing drawings.
#include "support/readfile.h"
#include "wmf/metafile.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QPainter>
#include <QtTest>

using wortilo::wmf::Metafile;

namespace {

QImage onWhite(const QImage &image)
{
    QImage out(image.size(), QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    p.drawImage(0, 0, image);
    return out;
}

inline int channelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

int unmatched(const QImage &a, const QImage &b)
{
    int bad = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            bool matched = false;
            for (int dy = -1; dy <= 1 && !matched; ++dy)
                for (int dx = -1; dx <= 1 && !matched; ++dx) {
                    const int X = x + dx, Y = y + dy;
                    matched = X >= 0 && Y >= 0 && X < b.width() && Y < b.height()
                           && channelDistance(p, b.pixel(X, Y)) <= 64;
                }
            bad += !matched;
        }
    return bad;
}

// Percentage of pixels that differ (see the file comment).
double differencePercent(const QImage &ours, const QImage &reference)
{
    const QSize half(std::max(1, reference.width() / 2), std::max(1, reference.height() / 2));
    const QImage a = onWhite(ours).scaled(half, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage b = onWhite(reference).scaled(half, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Relative to the drawn area (pixels that are not white in either picture), so that a sparse
    // drawing with half of it missing cannot hide behind a large white page.
    int ink = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            ink += channelDistance(a.pixel(x, y), qRgb(255, 255, 255)) > 32
                || channelDistance(b.pixel(x, y), qRgb(255, 255, 255)) > 32;
    return 100.0 * (unmatched(a, b) + unmatched(b, a)) / (2.0 * std::max(ink, 1));
}

QImage renderLike(const QString &wmfPath, const QImage &reference)
{
    const auto m = Metafile::parse(readFile(wmfPath));
    return m ? m->toImage(reference.size()) : QImage();
}

// Tolerances in percent, with what accounts for the difference, and the scripts (writing systems)
// the file's text needs a font for: a row whose script no installed font covers is skipped.
struct Expectation {
    const char *file;
    double tolerance;
    const char *why;
    QList<int> scripts = {};
};

// The first of the scripts that no installed font covers, by name; empty when all are covered.
QString missingScript(const QList<int> &scripts)
{
    for (int s : scripts) {
        const auto system = QFontDatabase::WritingSystem(s);
        if (QFontDatabase::families(system).isEmpty())
            return QFontDatabase::writingSystemName(system);
    }
    return {};
}

const Expectation kLocal[] = {
    {"santa.wmf", 1.5, "anti-aliasing"},
    {"60677.wmf", 2.5, "glyph-index text is not drawn by either; fonts", {QFontDatabase::Japanese}},
    {"64716_image3.wmf", 3.0, "Chinese font substitution", {QFontDatabase::SimplifiedChinese}},
    {"empty-polygon-close.wmf", 0.5, "anti-aliasing"},
    {"testException2.doc-2.wmf", 3.5, "fonts (Helvetica, Symbol)"},
    {"testWMF.wmf", 20.0, "a small bitmap of text enlarged: pixel copies (as Windows) against LibreOffice's smoothing"},
    {"testWMF_charset.wmf", 20.0, "the CJK substitute font is wider; the picture is mostly text",
     {QFontDatabase::Japanese, QFontDatabase::TraditionalChinese}},
    {"drawing.wmf", 1.5, "anti-aliasing"},
    {"wmf2svg_fulltest.wmf", 17.0, "LibreOffice draws no hatches, raster operations or pattern brushes"},
    {"symbol-font-tables.wmf", 4.5, "Wingdings glyphs are not mapped; font substitution"},
    {"grid.wmf", 22.0, "LibreOffice puts one-unit lines half a unit higher and further left"},
    {"telescope_01.wmf", 3.0, "anti-aliasing of thin lines"},
    {"gdiwmfboundariesbug.wmf", 3.5, "Arial substitute"},
    {"asposenet_222_wmf_200.DrawImage.wmf", 2.0, "bitmap smoothing, text"},
    {"eye.wmf", 1.5, "anti-aliasing"},
    {"missing-font.wmf", 7.5, "the missing font is substituted differently"},
};

const Expectation kShared[] = {
    {"2doorvan.wmf", 1.5, "anti-aliasing"},
    {"Eg.wmf", 11.0, "the large serif title is set in a different Times substitute"},
    {"anim0002.wmf", 1.5, "anti-aliasing"},
    {"ant.wmf", 20.0, "we draw Windows' one-pixel outlines; LibreOffice draws them 0.1 pixel wide"},
    {"bird.wmf", 2.0, "anti-aliasing"},
    {"cell.wmf", 8.0, "Times substitute; small text"},
    {"fjftest.wmf", 1.0, "anti-aliasing"},
    {"formula1.wmf", 20.0, "MathType fonts (Times, Symbol) substituted; the picture is all text"},
    {"fulltest.wmf", 23.0, "LibreOffice draws no hatches, no dashes and hairlines for thin pens"},
    {"p0000001.wmf", 17.0, "MathType fonts substituted; the picture is all text"},
    {"test_libuemf_ref.wmf", 6.0, "LibreOffice draws no hatches and no raster operations"},
    {"tucan.wmf", 1.0, "anti-aliasing"},
    {"world.wmf", 6.0, "hairlines"},
    // text.wmf has no size; LibreOffice's frame cuts off its rotated strings, ours holds them all:
    // it is checked for loading in tst_wmfparse, not here.
};

} // namespace

class TestWmfReference : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void corpus_data();
    void corpus();
    void sharedCorpus_data();
    void sharedCorpus();
    void inkscapeFiles_data();
    void inkscapeFiles();
    void selfCheck_data();
    void selfCheck();
};

void TestWmfReference::corpus_data()
{
    QTest::addColumn<QString>("wmf");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<QList<int>>("scripts");
    for (const Expectation &e : kLocal)
        QTest::newRow(e.file) << QStringLiteral(WORTILO_TESTDATA "/wmf/") + QLatin1String(e.file)
                              << QStringLiteral(WORTILO_TESTDATA "/wmf/ref/") + QLatin1String(e.file) + QStringLiteral(".lo.png")
                              << e.tolerance << e.scripts;
}

void TestWmfReference::corpus()
{
    QFETCH(QString, wmf);
    QFETCH(QString, reference);
    QFETCH(double, tolerance);
    QFETCH(QList<int>, scripts);
    if (const QString script = missingScript(scripts); !script.isEmpty())
        QSKIP(qPrintable(QStringLiteral("no installed font covers %1 text (tools/install-deps.sh installs one)")
                             .arg(script)));
    const QImage ref(reference);
    QVERIFY2(!ref.isNull(), qPrintable(reference));
    const QImage ours = renderLike(wmf, ref);
    QVERIFY(!ours.isNull());
    const double diff = differencePercent(ours, ref);
    qInfo("%s: %.2f%% differ (tolerance %.1f%%)", qPrintable(QFileInfo(wmf).fileName()), diff, tolerance);
    QVERIFY2(diff <= tolerance, qPrintable(QStringLiteral("%1% of the pixels differ").arg(diff, 0, 'f', 2)));
}

void TestWmfReference::sharedCorpus_data()
{
    QTest::addColumn<QString>("wmf");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<QList<int>>("scripts");
    const QString dir = QStringLiteral(WORTILO_SHARED_TESTDATA "/wmf/");
    for (const Expectation &e : kShared)
        QTest::newRow(e.file) << dir + QLatin1String(e.file) << dir + QStringLiteral("ref/") + QLatin1String(e.file)
                                     + QStringLiteral(".lo.png")
                              << e.tolerance << e.scripts;
}

void TestWmfReference::sharedCorpus()
{
    QFETCH(QString, wmf);
    if (!QFile::exists(wmf))
        QSKIP("the shared WMF corpus (GPL/LGPL/CC-BY-SA files, not copied into the project) is missing");
    corpus();
}

void TestWmfReference::inkscapeFiles_data()
{
    QTest::addColumn<QString>("wmf");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<QList<int>>("scripts");
    // Files Inkscape wrote from our SVGs (see tests/data/wmf/inkscape/README.md), against librsvg.
    const QDir dir(QStringLiteral(WORTILO_TESTDATA "/wmf/inkscape"));
    const QStringList files = dir.entryList({QStringLiteral("*.wmf")}, QDir::Files);
    QVERIFY2(!files.isEmpty(), qPrintable(dir.path()));
    for (const QString &name : files) {
        const QString base = name.chopped(4);
        const double tolerance = base.startsWith(QLatin1String("text")) ? 4.0 : 1.5;
        QTest::newRow(qPrintable(name)) << dir.filePath(name) << dir.filePath(base + QStringLiteral(".rsvg.png"))
                                        << tolerance << QList<int>();
    }
}

void TestWmfReference::inkscapeFiles()
{
    corpus();
}

void TestWmfReference::selfCheck_data()
{
    QTest::addColumn<QString>("wmf");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<double>("tolerance");
    // Files with tight and with loose tolerances. (For the loosest ones, where LibreOffice lacks
    // features, the comparison is only a smoke test; tst_wmfrender checks those features directly.)
    for (const char *name : {"santa.wmf", "eye.wmf", "telescope_01.wmf", "testWMF.wmf", "asposenet_222_wmf_200.DrawImage.wmf",
                             "grid.wmf"}) {
        for (const Expectation &e : kLocal)
            if (qstrcmp(e.file, name) == 0)
                QTest::newRow(name) << QStringLiteral(WORTILO_TESTDATA "/wmf/") + QLatin1String(name)
                                    << QStringLiteral(WORTILO_TESTDATA "/wmf/ref/") + QLatin1String(name)
                                               + QStringLiteral(".lo.png")
                                    << e.tolerance;
    }
}

void TestWmfReference::selfCheck()
{
    // The faults a renderer typically makes must all fail the comparison.
    QFETCH(QString, wmf);
    QFETCH(QString, reference);
    QFETCH(double, tolerance);
    const QImage ref(reference);
    const QImage ours = renderLike(wmf, ref).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!ours.isNull());

    const QImage upsideDown = ours.mirrored(false, true);
    QImage shifted(ours.size(), QImage::Format_ARGB32);
    shifted.fill(Qt::transparent);
    {
        QPainter p(&shifted);
        p.drawImage(ours.width() / 20, ours.height() / 20, ours); // a mapping 5% off
    }
    QImage swapped = ours.rgbSwapped(); // wrong colours: red and blue exchanged, black turned white
    swapped.invertPixels(QImage::InvertRgb);
    QImage halfMissing = ours.copy();
    {
        QPainter p(&halfMissing); // the lower half not drawn
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        p.fillRect(QRect(0, ours.height() / 2, ours.width(), ours.height()), Qt::transparent);
    }
    QImage squeezed(ours.size(), QImage::Format_ARGB32);
    squeezed.fill(Qt::transparent);
    {
        QPainter p(&squeezed); // aspect or window wrong: drawn into 80% of the width
        p.drawImage(QRectF(0, 0, ours.width() * 0.8, ours.height()), ours);
    }
    const std::pair<const char *, const QImage *> faults[] = {
        {"upside down", &upsideDown}, {"shifted", &shifted}, {"recoloured", &swapped},
        {"half missing", &halfMissing}, {"squeezed", &squeezed}};
    for (const auto &[what, image] : faults) {
        const double diff = differencePercent(*image, ref);
        QVERIFY2(diff > tolerance, qPrintable(QStringLiteral("%1 passes with %2%").arg(QLatin1String(what)).arg(diff)));
    }
}

QTEST_MAIN(TestWmfReference)
#include "tst_wmfreference.moc"
