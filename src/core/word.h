// SPDX-License-Identifier: MIT
#pragma once
#include <QList>
#include <QString>
#include <algorithm>
#include <optional>

namespace wortilo {

// One word of the vocabulary: a picture file named article + noun + extension. Its forms:
//   entry     DERHUND.JPG   the file name in upper case (ß kept), under which the picture is found
//   article   der           in lower case
//   noun      Hund          up to the first ".", first letter upper case, the rest lower case
//   display   der Hund      article, a blank, noun
// Only the entry is stored (a folder may hold thousands of words); the other forms are read
// from it when asked for.
class Word
{
public:
    Word() = default;

    // The word of a picture file, when its name (in any case) starts with der, die or das and
    // its noun uses only the given letters; nothing otherwise.
    static std::optional<Word> fromFileName(const QString &fileName, const QString &letters);
    // The word of an entry as the word list holds it (any case is upper-cased first).
    static Word fromEntry(const QString &entry);
    // Words of several entries, in order.
    static QList<Word> fromEntries(const QStringList &entries);

    const QString &entry() const { return m_entry; }
    // Empty when the entry does not start with an article.
    QString article() const;
    QString noun() const;
    QString display() const { return article() + u' ' + noun(); }
    // The noun as the entry writes it, in upper case (HUND).
    QString upperNoun() const { return m_entry.mid(3, std::max<qsizetype>(0, m_stemLength - 3)); }

    bool isNull() const { return m_entry.isEmpty(); }
    friend bool operator==(const Word &a, const Word &b) { return a.m_entry == b.m_entry; }

private:
    QString m_entry;
    qsizetype m_stemLength = 0; // up to the first "."
};

// Whether an upper-cased name starts with one of the three articles.
bool startsWithArticle(const QString &upperName);

} // namespace wortilo
