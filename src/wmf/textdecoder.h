// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

#include <map>
#include <memory>

class QStringDecoder;

namespace wortilo::wmf {

// Turns the 8-bit strings of text records and font names into Unicode, using the code page that
// belongs to the font's character set (Shift-JIS for 128, Big5 for 136, cp1252 for ANSI, ...) and
// the Symbol font's own layout for symbol text. Decoders are cached: text-heavy files switch fonts
// hundreds of times.
class TextDecoder
{
public:
    TextDecoder();
    ~TextDecoder();
    TextDecoder(const TextDecoder &) = delete;
    TextDecoder &operator=(const TextDecoder &) = delete;

    // Decodes bytes. When bytesPerUnit is given it receives, for every UTF-16 unit of the result,
    // how many input bytes produced it (0 for the second unit of a surrogate pair), so per-byte
    // advance arrays can be summed per character.
    QString decode(const char *bytes, qsizetype size, quint8 charset, bool symbolFont,
                   QList<int> *bytesPerUnit = nullptr);

    // The Unicode character the Symbol font shows for byte b.
    static char16_t symbolToUnicode(uchar b);

private:
    QStringDecoder *decoderFor(quint8 charset);

    std::map<int, std::unique_ptr<QStringDecoder>> m_decoders;
};

} // namespace wortilo::wmf
