// SPDX-License-Identifier: MIT
#include "word.h"

#include "germantext.h"

#include <algorithm>

namespace wortilo {

bool startsWithArticle(QStringView upperName)
{
    const QStringView article = upperName.left(3);
    return article == u"DER" || article == u"DIE" || article == u"DAS";
}

std::optional<Word> Word::fromFileName(const QString &fileName, const QString &letters)
{
    return judge(fileName, letters).word;
}

NameVerdict Word::judge(const QString &fileName, const QString &letters)
{
    return judge(fileName, CapitalSet(letters));
}

NameVerdict Word::judge(const QString &fileName, const CapitalSet &letters)
{
    // An ASCII name is composed already: most are, and a folder may hold ten thousand.
    const bool ascii = std::all_of(fileName.begin(), fileName.end(), [](QChar c) { return c.unicode() < 0x80; });
    Word word = fromEntry(ascii ? fileName : fileName.normalized(QString::NormalizationForm_C));
    if (!word.hasArticle())
        return {std::nullopt, NameFault::NoArticle, {}};
    const QStringView noun = word.stem().sliced(3);
    for (qsizetype i = 0; i < noun.size(); ++i) {
        if (!letters.containsUpperOf(noun[i])) {
            // A character beyond the first plane (an emoji) is told whole, not by its halves.
            const bool pair = noun[i].isHighSurrogate() && i + 1 < noun.size() && noun[i + 1].isLowSurrogate();
            return {std::nullopt, NameFault::NotALetter, noun.mid(i, pair ? 2 : 1).toString()};
        }
    }
    return {std::move(word), NameFault::None, {}};
}

Word Word::fromEntry(const QString &entry)
{
    Word word;
    word.m_name = entry;
    return word;
}

QString Word::entry() const
{
    return germanUpper(m_name);
}

bool Word::hasArticle() const
{
    if (m_name.size() < 3)
        return false;
    const QChar upper[] = {germanUpper(m_name[0]), germanUpper(m_name[1]), germanUpper(m_name[2])};
    return startsWithArticle(QStringView(upper, 3));
}

QStringView Word::stem() const
{
    const qsizetype dot = m_name.indexOf(u'.');
    return QStringView(m_name).left(dot < 0 ? m_name.size() : dot);
}

QString Word::article() const
{
    // The three are shared by all words.
    static const QString der = QStringLiteral("der"), die = QStringLiteral("die"), das = QStringLiteral("das");
    if (!hasArticle())
        return {};
    const QChar second = germanUpper(m_name[1]), third = germanUpper(m_name[2]);
    return second == u'A' ? das : third == u'R' ? der : die;
}

QString Word::upperNoun() const
{
    const QStringView stem = this->stem();
    return stem.size() > 3 ? germanUpper(stem.sliced(3).toString()) : QString();
}

CapitalSet::CapitalSet(const QString &upperLetters) : m_letters(upperLetters)
{
    for (char16_t c = 0; c < m_latin1.size(); ++c)
        m_latin1[c] = upperLetters.contains(germanUpper(QChar(c)));
}

bool CapitalSet::containsUpperOf(QChar c) const
{
    return c.unicode() < m_latin1.size() ? m_latin1[c.unicode()] : m_letters.contains(germanUpper(c));
}

bool Word::nounUsesOnly(const CapitalSet &letters) const
{
    // Letter by letter, without a copy of the noun: ten thousand words are filtered at start-up.
    const QStringView stem = this->stem();
    const QStringView noun = stem.size() > 3 ? stem.sliced(3) : QStringView();
    return std::all_of(noun.begin(), noun.end(), [&](QChar c) { return letters.containsUpperOf(c); });
}

QString Word::noun() const
{
    const QString upper = upperNoun();
    if (upper.isEmpty())
        return {};
    // The first letter stays upper case. Lowered whole where each letter stays one unit, as
    // German letters do: one copy instead of three.
    QString noun = germanLower(upper);
    if (noun.size() == upper.size() && !upper[0].isSurrogate())
        noun[0] = upper[0];
    else
        noun = upper.left(1) + germanLower(upper.mid(1));
    return noun;
}

bool operator==(const Word &a, const Word &b)
{
    return a.m_name.size() == b.m_name.size()
           && std::equal(a.m_name.begin(), a.m_name.end(), b.m_name.begin(),
                         [](QChar x, QChar y) { return germanUpper(x) == germanUpper(y); });
}

size_t qHash(const Word &word, size_t seed)
{
    // FNV-1a over the entry's letters
    size_t h = seed ^ 0xcbf29ce484222325u;
    for (const QChar c : word.m_name)
        h = (h ^ germanUpper(c).unicode()) * 0x100000001b3u;
    return h;
}

} // namespace wortilo
