// SPDX-License-Identifier: MIT
// libFuzzer entry for the picture service: BMP, GIF and JPEG told by content, loaded within the
// size caps and rendered small. Metafiles have their own target (wmf_fuzzer) and are skipped.
// Run with a memory limit and a timeout that fit the caps: the slowest files within them (a
// 48 MB BMP, a 16-megapixel JPEG of 64 scans) load in under 2 s and 400 MB, e.g.
//   build-fuzz/fuzz/picture_fuzzer -rss_limit_mb=2048 -timeout=10 -max_len=65536 work/ fuzz/corpus/picture
#include "fuzzcheck.h"
#include "pictures/picture.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

using namespace wortilo;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "picture_fuzzer";
    static char *argv[] = {name, nullptr};
    new QGuiApplication(argc, argv); // as in the program; it lives as long as the process
    // The image readers warn about every damaged file; thousands a second drown the fuzzer's log.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const bool raster = bytes.startsWith("BM") || bytes.startsWith("GIF8") || bytes.startsWith("\xFF\xD8\xFF");
    if (!raster)
        return 0;
    const Picture picture = Picture::fromData(bytes);
    FUZZ_CHECK(!picture.isEmpty());
    if (!picture.isLoaded()) {
        FUZZ_CHECK(picture.naturalSizeTwips() == QSize(0, 0));
        FUZZ_CHECK(picture.render(QSize(16, 16)).isNull());
        return 0;
    }
    const QSize pixels = picture.naturalSizePixels();
    FUZZ_CHECK(pixels.width() > 0 && pixels.height() > 0);
    FUZZ_CHECK(picture.naturalSizeTwips() == pixels * 15);
    FUZZ_CHECK(picture.format() == "bmp" || picture.format() == "gif" || picture.format() == "jpeg");
    for (const QSize frame : {QSize(36, 26), QSize(1, 1)}) {
        const QImage shown = picture.render(frame);
        FUZZ_CHECK(shown.size() == frame);
    }
    return 0;
}
