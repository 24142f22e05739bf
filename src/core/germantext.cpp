// SPDX-License-Identifier: MIT
#include "germantext.h"

#include <algorithm>

namespace wortilo {

namespace {
// Case mapping of one UTF-16 unit, without a call into Qt's tables for ASCII: names of pictures
// are mostly ASCII, and a folder of thousands of them is sorted at every start.
char16_t lower(char16_t c)
{
    if (c < 0x80)
        return c >= u'A' && c <= u'Z' ? char16_t(c + 0x20) : c;
    return QChar(c).toLower().unicode();
}
char16_t upper(char16_t c)
{
    if (c < 0x80)
        return c >= u'a' && c <= u'z' ? char16_t(c - 0x20) : c;
    return c == u'ß' ? c : QChar(c).toUpper().unicode();
}

// Reads a text as dictionary order compares it, one letter at a time: in lower case, ä/ö/ü as
// a/o/u and ß as s s, each with a mark whether it was an umlaut or ß.
class FoldedReader
{
public:
    explicit FoldedReader(const QString &s) : m_p(QStringView(s).utf16()), m_end(m_p + s.size()) {}
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
// without being folded whole.
int germanCompare(const QString &a, const QString &b)
{
    FoldedReader ra(a), rb(b);
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

QString germanSortKey(const QString &s)
{
    // The folded letters, a separator below every letter (so that a prefix comes first), then
    // the umlaut marks, which decide only between equal letters. ß gives two letters; the key is
    // made at its exact length, since a folder's thousands of keys are held at once.
    const qsizetype letters = s.size() + s.count(u'ß') + s.count(QChar(0x1E9E)); // ß and ẞ read as s s
    QString key(2 * letters + 1, Qt::Uninitialized);
    char16_t base;
    int accent;
    auto *out = reinterpret_cast<char16_t *>(key.data());
    for (FoldedReader bases(s); bases.next(base, accent);)
        *out++ = base;
    *out++ = 0;
    for (FoldedReader accents(s); accents.next(base, accent);)
        *out++ = char16_t(u'0' + accent);
    return key;
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
