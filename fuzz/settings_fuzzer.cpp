// SPDX-License-Identifier: MIT
// libFuzzer entry for reading WORTILO.INI: any bytes read without a crash, and what the program
// writes back for the values read has exactly ten lines and reads back as the same values.
//   build-fuzz/fuzz/settings_fuzzer -timeout=10 work/ fuzz/corpus/settings
#include "fuzzcheck.h"
#include "core/germantext.h"
#include "words/settingsfile.h"

#include <cstddef>
#include <cstdint>

using namespace wortilo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const SettingsRead read = parseSettings(bytes);
    FUZZ_CHECK(read.goodLines >= 0 && read.goodLines <= kSettingsLineCount);

    const QByteArray written = formatSettings(read.values);
    FUZZ_CHECK(written.endsWith("\r\n"));
    FUZZ_CHECK(written.count('\n') == kSettingsLineCount && written.count('\r') == kSettingsLineCount);

    // Letters outside the alphabet are not written; everything else comes back as it was.
    Settings expected = read.values;
    expected.letters.clear();
    for (const QChar c : read.values.letters)
        if (kAlphabet.contains(c))
            expected.letters += c;
    const SettingsRead again = parseSettings(written, Settings{0, 0, 0, 0, 7, 7, 9, 9, 9, QStringLiteral("Q")});
    FUZZ_CHECK(again.goodLines == kSettingsLineCount);
    FUZZ_CHECK(again.values == expected);
    FUZZ_CHECK(formatSettings(again.values) == written);
    return 0;
}
