// SPDX-License-Identifier: MIT
// Times the WMF renderer: parse and render each file many times at frame sizes, print the median.
// Usage: wmf_bench [file.wmf ...]  (default: world.wmf from the shared corpus and the project's
// test files). Not run by CTest: the goal is world.wmf (18,511 records) well under 100 ms.
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

void bench(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::printf("%-40s missing\n", qPrintable(QFileInfo(path).fileName()));
        return;
    }
    const QByteArray data = file.readAll();
    constexpr int kRuns = 30;
    std::vector<qint64> parse, render400, render1200;
    std::optional<Metafile> m;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer t;
        t.start();
        m = Metafile::parse(data);
        parse.push_back(t.nsecsElapsed());
    }
    if (!m) {
        std::printf("%-40s rejected (parse %.3f ms)\n", qPrintable(QFileInfo(path).fileName()), medianMs(parse));
        return;
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
    std::printf("%-40s %6d records  parse %7.3f ms  render 400px %7.2f ms  1200px %7.2f ms\n",
                qPrintable(QFileInfo(path).fileName()), m->recordCount(), medianMs(parse), medianMs(render400),
                medianMs(render1200));
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    QStringList files;
    for (int i = 1; i < argc; ++i)
        files << QString::fromLocal8Bit(argv[i]);
    if (files.isEmpty()) {
        files << QStringLiteral(WORTILO_SHARED_TESTDATA "/wmf/world.wmf");
        const QDir dir(QStringLiteral(WORTILO_TESTDATA "/wmf"));
        for (const QString &name : dir.entryList({QStringLiteral("*.wmf")}, QDir::Files))
            files << dir.filePath(name);
    }
    for (const QString &f : files)
        bench(f);
    return 0;
}
