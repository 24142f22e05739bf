// SPDX-License-Identifier: MIT
#include "word.h"

#include "germantext.h"

namespace wortilo {

bool startsWithArticle(const QString &upperName)
{
    const QStringView article = QStringView(upperName).left(3);
    return article == u"DER" || article == u"DIE" || article == u"DAS";
}

std::optional<Word> Word::fromFileName(const QString &fileName, const QString &letters)
{
    Word word = fromEntry(fileName.normalized(QString::NormalizationForm_C));
    if (!startsWithArticle(word.m_entry))
        return std::nullopt;
    for (const QChar c : QStringView(word.m_entry).sliced(3, word.m_stemLength - 3))
        if (!letters.contains(c))
            return std::nullopt;
    return word;
}

Word Word::fromEntry(const QString &entry)
{
    Word word;
    word.m_entry = germanUpper(entry);
    const qsizetype dot = word.m_entry.indexOf(u'.');
    word.m_stemLength = dot < 0 ? word.m_entry.size() : dot;
    return word;
}

QString Word::article() const
{
    // The three are shared by all words.
    static const QString der = QStringLiteral("der"), die = QStringLiteral("die"), das = QStringLiteral("das");
    if (!startsWithArticle(m_entry))
        return {};
    const QStringView upper = QStringView(m_entry).left(3);
    return upper == u"DER" ? der : upper == u"DIE" ? die : das;
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

QList<Word> Word::fromEntries(const QStringList &entries)
{
    QList<Word> words;
    words.reserve(entries.size());
    for (const QString &entry : entries)
        words.append(fromEntry(entry));
    return words;
}

} // namespace wortilo
