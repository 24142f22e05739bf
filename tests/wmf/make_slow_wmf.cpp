// SPDX-License-Identifier: MIT
// Writes the costly-to-draw metafiles of slowfiles.h into a folder (not run by CTest):
//   make_slow_wmf tests/data/wmf/regress && cp tests/data/wmf/regress/slow-*.wmf fuzz/corpus/wmf/
#include "slowfiles.h"

#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    for (const auto &[name, bytes] : wmftest::slowFiles()) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
        std::printf("%-36s %8lld bytes\n", qPrintable(name), qlonglong(bytes.size()));
    }
    return 0;
}
