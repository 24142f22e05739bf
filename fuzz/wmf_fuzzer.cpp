// SPDX-License-Identifier: MIT
// libFuzzer entry for the WMF renderer: parse, ask for the size, draw at a size the input chooses.
// Any crash, hang, sanitizer report or memory blow-up is a bug; each finding becomes a file in
// tests/data/wmf/regress. Run it with -timeout=2: every rendering must end well within that, e.g.
//   ASAN_OPTIONS=detect_leaks=0 build-fuzz/fuzz/wmf_fuzzer -timeout=2 -max_total_time=600 SCRATCH fuzz/corpus/wmf
// (without ASAN_OPTIONS the exit reports what fontconfig keeps for the process's life).
// The last four bytes choose the target (16 to 1200 pixels each way); the parser stops at the
// metafile's end record, so they do not change what is drawn.
#include "fuzzcheck.h"
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

namespace {

// 16 to 1200 pixels from two bytes of the input.
int side(const uint8_t *bytes)
{
    return 16 + (bytes[0] | bytes[1] << 8) % (1200 - 16 + 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto metafile = wortilo::wmf::Metafile::parse(bytes);
    if (!metafile)
        return 0;
    const QSize twips = metafile->naturalSizeTwips();
    FUZZ_CHECK(twips.width() > 0 && twips.height() > 0);
    const QSize target(side(data + size - 4), side(data + size - 2)); // parse needs at least 18 bytes
    wortilo::wmf::RenderOutcome outcome;
    const QImage image = metafile->toImage(target, &outcome);
    FUZZ_CHECK(image.size() == target);
    FUZZ_CHECK(outcome.work <= wortilo::wmf::RenderLimits::kDefaultWork * wortilo::wmf::RenderLimits::kMaxGrowth);
    return 0;
}
