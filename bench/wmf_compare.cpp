// SPDX-License-Identifier: MIT
// Shows whether a change to the WMF renderer changes any picture the program shows. Usage:
//   wmf_compare write DIR       draws every metafile of ../shared/testdata/wmf and tests/data/wmf
//                               (with inkscape/ and regress/) at the program's frame sizes into DIR
//                               (raw ARGB32 pixels);
//   wmf_compare compare DIR     draws them again and compares each image byte for byte with DIR.
// Build it once from the old code to write, and from the new one to compare. Not run by CTest.
#include "wmf/metafile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstring>

using wortilo::wmf::Metafile;

namespace {

// The sizes of the program's picture frames: the exercises' landscape and portrait frames, the
// gallows' picture and the alphabet game's slots.
const QSize kFrames[] = {QSize(353, 257), QSize(257, 353), QSize(201, 217), QSize(113, 129)};

QStringList metafiles()
{
    QStringList paths;
    for (const QString &folder : {QStringLiteral(WORTILO_SHARED_TESTDATA "/wmf"), QStringLiteral(WORTILO_TESTDATA "/wmf"),
                                  QStringLiteral(WORTILO_TESTDATA "/wmf/inkscape"), QStringLiteral(WORTILO_TESTDATA "/wmf/regress")}) {
        const QDir dir(folder);
        for (const QString &name : dir.entryList({QStringLiteral("*.wmf")}, QDir::Files))
            paths << dir.filePath(name);
    }
    return paths;
}

QString key(const QString &path, QSize size)
{
    QString name = QDir(QStringLiteral(WORTILO_TESTDATA "/..")).relativeFilePath(path);
    if (path.startsWith(QStringLiteral(WORTILO_SHARED_TESTDATA)))
        name = QStringLiteral("shared/") + QDir(QStringLiteral(WORTILO_SHARED_TESTDATA)).relativeFilePath(path);
    name.replace(u'/', u'_');
    return QStringLiteral("%1@%2x%3.argb").arg(name).arg(size.width()).arg(size.height());
}

QByteArray draw(const QString &path, QSize size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("unreadable");
    const auto m = Metafile::parse(file.readAll());
    if (!m)
        return QByteArrayLiteral("rejected");
    const QImage image = m->toImage(size);
    return QByteArray(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const bool write = argc == 3 && std::strcmp(argv[1], "write") == 0;
    if (argc != 3 || (!write && std::strcmp(argv[1], "compare") != 0)) {
        std::fprintf(stderr, "usage: %s write|compare DIR\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(dir.path());
    int same = 0, different = 0;
    for (const QString &path : metafiles()) {
        for (const QSize size : kFrames) {
            const QByteArray image = draw(path, size);
            QFile stored(dir.filePath(key(path, size)));
            if (write) {
                if (!stored.open(QIODevice::WriteOnly) || stored.write(image) != image.size()) {
                    std::fprintf(stderr, "cannot write %s\n", qPrintable(stored.fileName()));
                    return 1;
                }
                continue;
            }
            const bool equal = stored.open(QIODevice::ReadOnly) && stored.readAll() == image;
            (equal ? same : different)++;
            if (!equal)
                std::printf("DIFFERENT %s\n", qPrintable(key(path, size)));
        }
    }
    if (!write)
        std::printf("%d images the same, %d different\n", same, different);
    return different == 0 ? 0 : 1;
}
