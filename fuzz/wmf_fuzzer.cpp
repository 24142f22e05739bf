// SPDX-License-Identifier: MIT
// libFuzzer entry for the WMF renderer: parse, ask for the size, draw small. Any crash, hang,
// sanitizer report or memory blow-up is a bug; each finding becomes a file in tests/data/wmf/regress.
#include "wmf/metafile.h"

#include <QGuiApplication>
#include <QImage>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "wmf_fuzzer";
    static char *argv[] = {name, nullptr};
    new QGuiApplication(argc, argv); // fonts need a GUI application; it lives as long as the process
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto metafile = wortilo::wmf::Metafile::parse(bytes);
    if (!metafile)
        return 0;
    const QSize twips = metafile->naturalSizeTwips();
    if (twips.width() <= 0 || twips.height() <= 0)
        __builtin_trap();
    const QImage image = metafile->toImage(QSize(64, 64));
    if (image.size() != QSize(64, 64))
        __builtin_trap();
    return 0;
}
