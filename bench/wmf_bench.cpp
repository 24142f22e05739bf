// SPDX-License-Identifier: MIT
// Times the WMF renderer. Usage: wmf_bench [file.wmf ...]
//  - without arguments: world.wmf from the shared corpus and the project's test files, parsed and
//    drawn many times at 400 and 1200 pixels (median): the goal is world.wmf (18,511 records) well
//    under 100 ms;
//  - then the costly files of tests/data/wmf/regress/slow-*.wmf, drawn at the program's frame sizes
//    (353 x 257 and 600 x 437, best of three): each must be drawn or given up within about 0.3 s.
//    Each column tells whether the picture was drawn whole or given up and how much of the
//    default work budget it used.
// Not run by CTest.
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

void benchSlow(const QString &path)
{
    QByteArray data;
    const std::optional<Metafile> m = load(path, &data);
    if (!m)
        return;
    std::printf("%-36s %7lld KB", qPrintable(QFileInfo(path).fileName()), qlonglong(data.size() / 1024));
    for (const QSize size : {QSize(353, 257), QSize(600, 437)}) {
        // One run first: files that take seconds are not run again.
        wortilo::wmf::RenderOutcome outcome;
        const double first = bestOf(1, [&] { m->toImage(size, &outcome); });
        const double best = first > 1000 ? first : std::min(first, bestOf(2, [&] { m->toImage(size); }));
        std::printf("  %dx%d %8.1f ms %s %5.1f%%", size.width(), size.height(), best,
                    outcome.complete ? "whole    " : outcome.outOfTime ? "timed out" : "given up ",
                    100.0 * outcome.work / wortilo::wmf::RenderLimits::kDefaultWork);
        std::fflush(stdout);
    }
    std::printf("\n");
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
    std::printf("\nCostly files, best of three (one run when it takes over a second):\n");
    const QDir regress(QStringLiteral(WORTILO_TESTDATA "/wmf/regress"));
    for (const QString &name : regress.entryList({QStringLiteral("slow-*.wmf")}, QDir::Files))
        benchSlow(regress.filePath(name));
    return 0;
}
