// SPDX-License-Identifier: MIT
#include "word.h"

#include "germantext.h"

namespace wortilo {

bool startsWithArticle(const QString &upperName)
{
    const QStringView article = QStringView(upperName).left(3);
    return article == u"DER" || article == u"DIE" || article == u"DAS";
}

namespace {
// The article in lower case; the three are shared by all words (a folder may hold thousands).
QString lowerArticle(QStringView upper)
{
    static const QString der = QStringLiteral("der"), die = QStringLiteral("die"), das = QStringLiteral("das");
    return upper == u"DER" ? der : upper == u"DIE" ? die : das;
}
} // namespace

std::optional<Word> Word::fromFileName(const QString &fileName, const QString &letters)
{
    Word word = fromEntry(fileName.normalized(QString::NormalizationForm_C));
    if (word.m_article.isEmpty())
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
    if (startsWithArticle(word.m_entry))
        word.m_article = lowerArticle(QStringView(word.m_entry).left(3));
    const QString noun = word.upperNoun();
    if (!noun.isEmpty()) {
        // The first letter stays upper case. Lowered whole where each letter stays one unit, as
        // German letters do: one copy instead of three.
        word.m_noun = germanLower(noun);
        if (word.m_noun.size() == noun.size() && !noun[0].isSurrogate())
            word.m_noun[0] = noun[0];
        else
            word.m_noun = noun.left(1) + germanLower(noun.mid(1));
    }
    return word;
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
