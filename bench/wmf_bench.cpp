// SPDX-License-Identifier: MIT
// Times the WMF renderer. Usage: wmf_bench [file.wmf ...]
//  - without arguments: world.wmf from the shared corpus and the project's test files, parsed and
//    drawn many times at 400 and 1200 pixels (median): the goal is world.wmf (18,511 records) well
//    under 100 ms;
//  - then the costly files of tests/data/wmf/regress/slow-*.wmf, drawn at every size of the
//    regression table (16 x 16 to 1200 x 900): each must be drawn or given up within 0.3 s.
//    Each column tells whether the picture was drawn whole or given up and how much of the
//    default work budget it used.
// Not run by CTest.
#include "slowfiles.h"
#include "timing.h"
#include "wmf/metafile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <vector>

using wortilo::wmf::Metafile;

namespace {

double medianMs(std::vector<qint64> &ns)
{
    std::sort(ns.begin(), ns.end());
    return ns.empty() ? 0 : ns[ns.size() / 2] / 1e6;
}

std::optional<Metafile> load(const QString &path, QByteArray *data)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::printf("%-36s missing\n", qPrintable(QFileInfo(path).fileName()));
        return std::nullopt;
    }
    *data = file.readAll();
    auto m = Metafile::parse(*data);
    if (!m)
        std::printf("%-36s rejected\n", qPrintable(QFileInfo(path).fileName()));
    return m;
}

void bench(const QString &path)
{
    QByteArray data;
    std::optional<Metafile> m = load(path, &data);
    if (!m)
        return;
    constexpr int kRuns = 30;
    std::vector<qint64> parse, render400, render1200;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer t;
        t.start();
        m = Metafile::parse(data);
        parse.push_back(t.nsecsElapsed());
    }
    const QSize natural = m->naturalSizeTwips();
    auto frame = [&](int width) {
        return QSize(width, std::max(1, int(qint64(width) * natural.height() / std::max(1, natural.width()))));
    };
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer t;
        t.start();
        const QImage a = m->toImage(frame(400));
        render400.push_back(t.nsecsElapsed());
        t.restart();
        const QImage b = m->toImage(frame(1200));
        render1200.push_back(t.nsecsElapsed());
    }
    std::printf("%-36s %6d records  parse %7.3f ms  render 400px %7.2f ms  1200px %7.2f ms\n",
                qPrintable(QFileInfo(path).fileName()), m->recordCount(), medianMs(parse), medianMs(render400),
                medianMs(render1200));
}

// One line per file: for each target size of the regression table, the time of the best of three
// runs (one when it takes over a second), w(hole), g(iven up) or s(topped by the guard), and the
// share of the work budget used; at the end the slowest size.
void benchSlow(const QString &path)
{
    QByteArray data;
    const std::optional<Metafile> m = load(path, &data);
    if (!m)
        return;
    std::printf("%-34s %5lld KB", qPrintable(QFileInfo(path).fileName()), qlonglong(data.size() / 1024));
    double worst = 0;
    QSize worstSize;
    for (const QSize size : wmftest::regressionSizes()) {
        wortilo::wmf::RenderOutcome outcome;
        const double first = bestOf(1, [&] { m->toImage(size, &outcome); });
        const double best = first > 1000 ? first : std::min(first, bestOf(2, [&] { m->toImage(size); }));
        std::printf(" %dx%d %.1f %c%.0f%%", size.width(), size.height(), best,
                    outcome.complete ? 'w' : outcome.outOfTime ? 's' : 'g',
                    100.0 * outcome.work / wortilo::wmf::RenderLimits::kDefaultWork);
        std::fflush(stdout);
        if (best >= worst) {
            worst = best;
            worstSize = size;
        }
    }
    std::printf("  slowest %.1f ms at %dx%d\n", worst, worstSize.width(), worstSize.height());
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    if (argc > 1) {
        for (int i = 1; i < argc; ++i)
            benchSlow(QString::fromLocal8Bit(argv[i]));
        return 0;
    }
    bench(QStringLiteral(WORTILO_SHARED_TESTDATA "/wmf/world.wmf"));
    const QDir dir(QStringLiteral(WORTILO_TESTDATA "/wmf"));
    for (const QString &name : dir.entryList({QStringLiteral("*.wmf")}, QDir::Files))
        bench(dir.filePath(name));
    std::printf("\nCostly files, ms at each size, best of three (one run when it takes over a second):\n");
    const QDir regress(QStringLiteral(WORTILO_TESTDATA "/wmf/regress"));
    for (const QString &name : regress.entryList({QStringLiteral("slow-*.wmf")}, QDir::Files))
        benchSlow(regress.filePath(name));
    return 0;
}
