// SPDX-License-Identifier: MIT
#include "germantext.h"

#include <algorithm>

namespace wortilo {

QString germanUpper(const QString &s)
{
    QString out;
    out.reserve(s.size());
    for (const QChar c : s)
        out.append(c == u'ß' ? c : c.toUpper());
    return out;
}

QString germanLower(const QString &s)
{
    return s.toLower(); // lower-casing never changes the length for German letters
}

bool isVowel(QChar c)
{
    return kVowels.contains(c);
}

namespace {
struct FoldedChar {
    char16_t base;
    int accent; // 0 plain, 1 umlaut or ß
};

void fold(const QString &s, std::vector<FoldedChar> &out)
{
    out.clear();
    out.reserve(s.size() + 2);
    for (const QChar qc : s) {
        const char16_t c = qc.toLower().unicode();
        switch (c) {
        case u'ä': out.push_back({u'a', 1}); break;
        case u'ö': out.push_back({u'o', 1}); break;
        case u'ü': out.push_back({u'u', 1}); break;
        case u'ß':
            out.push_back({u's', 1});
            out.push_back({u's', 1});
            break;
        default: out.push_back({c, 0}); break;
        }
    }
}
} // namespace

int germanCompare(const QString &a, const QString &b)
{
    thread_local std::vector<FoldedChar> fa, fb;
    fold(a, fa);
    fold(b, fb);
    const size_t n = std::min(fa.size(), fb.size());
    for (size_t i = 0; i < n; ++i)
        if (fa[i].base != fb[i].base)
            return fa[i].base < fb[i].base ? -1 : 1;
    if (fa.size() != fb.size())
        return fa.size() < fb.size() ? -1 : 1;
    for (size_t i = 0; i < n; ++i)
        if (fa[i].accent != fb[i].accent)
            return fa[i].accent < fb[i].accent ? -1 : 1;
    return 0;
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
