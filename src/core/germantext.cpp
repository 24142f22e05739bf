// SPDX-License-Identifier: MIT
#include "germantext.h"

#include <algorithm>

namespace wortilo {

namespace {
// Case mapping of one UTF-16 unit, without a call into Qt's tables for ASCII and the German
// letters of Latin-1: names of pictures are mostly such, and a folder of thousands of them is
// sorted at every start.
char16_t lower(char16_t c)
{
    if (c < 0x80)
        return c >= u'A' && c <= u'Z' ? char16_t(c + 0x20) : c;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) // À..Þ without ×
        return char16_t(c + 0x20);
    return c < 0x100 ? c : QChar(c).toLower().unicode();
}
char16_t upper(char16_t c)
{
    if (c < 0x80)
        return c >= u'a' && c <= u'z' ? char16_t(c - 0x20) : c;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) // à..þ without ÷
        return char16_t(c - 0x20);
    return c == u'ß' ? c : QChar(c).toUpper().unicode();
}

// Reads a text as dictionary order compares it, one letter at a time: in lower case, ä/ö/ü as
// a/o/u and ß as s s, each with a mark whether it was an umlaut or ß.
class FoldedReader
{
public:
    explicit FoldedReader(QStringView s) : m_p(s.utf16()), m_end(m_p + s.size()) {}
    // False at the end of the text.
    bool next(char16_t &base, int &accent)
    {
        accent = 1;
        if (m_secondS) {
            m_secondS = false;
            base = u's';
            return true;
        }
        if (m_p == m_end)
            return false;
        switch (const char16_t c = lower(*m_p++)) {
        case u'ä': base = u'a'; break;
        case u'ö': base = u'o'; break;
        case u'ü': base = u'u'; break;
        case u'ß':
            base = u's';
            m_secondS = true;
            break;
        default:
            base = c;
            accent = 0;
        }
        return true;
    }

private:
    const char16_t *m_p;
    const char16_t *m_end;
    bool m_secondS = false;
};
} // namespace

QString germanUpper(const QString &s)
{
    QString out(s.size(), Qt::Uninitialized);
    const char16_t *from = QStringView(s).utf16();
    auto *to = reinterpret_cast<char16_t *>(out.data());
    for (qsizetype i = 0; i < s.size(); ++i)
        to[i] = upper(from[i]);
    return out;
}

QChar germanUpper(QChar c)
{
    return upper(c.unicode());
}

QString germanLower(const QString &s)
{
    // ASCII quickly; anything else as Qt lower-cases it (which never changes the length for
    // German letters).
    QString out(s.size(), Qt::Uninitialized);
    const char16_t *from = QStringView(s).utf16();
    auto *to = reinterpret_cast<char16_t *>(out.data());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (from[i] >= 0x80)
            return s.toLower();
        to[i] = lower(from[i]);
    }
    return out;
}

bool isVowel(QChar c)
{
    return kVowels.contains(c);
}

// Compared letter by letter as read, so that two names part at their first different letter
// without being folded whole. Names are mostly ASCII: their common ASCII beginning, which holds
// no umlaut, is passed over first.
int germanCompare(const QString &a, const QString &b)
{
    const char16_t *pa = QStringView(a).utf16(), *pb = QStringView(b).utf16();
    const qsizetype common = std::min(a.size(), b.size());
    qsizetype same = 0;
    while (same < common && pa[same] < 0x80 && pb[same] < 0x80 && lower(pa[same]) == lower(pb[same]))
        ++same;
    FoldedReader ra(QStringView(a).sliced(same)), rb(QStringView(b).sliced(same));
    int accents = 0; // the first difference in umlauts, which counts only when the letters are equal
    for (;;) {
        char16_t baseA, baseB;
        int accentA, accentB;
        const bool moreA = ra.next(baseA, accentA);
        const bool moreB = rb.next(baseB, accentB);
        if (!moreA || !moreB)
            return moreA == moreB ? accents : moreA ? 1 : -1;
        if (baseA != baseB)
            return baseA < baseB ? -1 : 1;
        if (accents == 0 && accentA != accentB)
            accents = accentA < accentB ? -1 : 1;
    }
}

int insertSorted(QStringList &list, const QString &s)
{
    const auto it = std::upper_bound(list.begin(), list.end(), s, [](const QString &x, const QString &y) {
        return germanCompare(x, y) < 0;
    });
    const int index = int(it - list.begin());
    list.insert(index, s);
    return index;
}

} // namespace wortilo
