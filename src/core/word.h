// SPDX-License-Identifier: MIT
#pragma once
#include <QList>
#include <QString>
#include <algorithm>
#include <bitset>
#include <optional>

namespace wortilo {

// Why a picture file's name makes no word.
enum class NameFault {
    None,
    NoArticle,  // it does not begin with der, die or das
    NotALetter, // its noun holds a character that is not one of the alphabet's letters
    SameWord,   // it differs from an earlier file's name only in letter case (the word store's rule)
};

struct NameVerdict;

// Capitals to test many letters against, as the letter filter does for every noun at start-up:
// those of the first 256 code points by table, any other by search.
class CapitalSet
{
public:
    explicit CapitalSet(const QString &upperLetters);
    // Whether this letter, in capitals, is one of the set.
    bool containsUpperOf(QChar c) const;

private:
    std::bitset<256> m_latin1;
    QString m_letters;
};

// One word of the vocabulary: a picture file named article + noun + extension. Its forms:
//   entry     DERHUND.JPG   the file name in upper case (ß kept), under which the picture is found
//   article   der           in lower case
//   noun      Hund          up to the first ".", first letter upper case, the rest lower case
//   display   der Hund      article, a blank, noun
// Only the name is kept, shared with the folder's list (a folder may hold thousands of words);
// the forms are read from it when asked for.
class Word
{
public:
    Word() = default;

    // The word of a picture file, when its name (in any case) starts with der, die or das and
    // its noun uses only the given upper-case letters; nothing otherwise.
    static std::optional<Word> fromFileName(const QString &fileName, const QString &letters);
    // The same rule, telling why a name makes no word.
    static NameVerdict judge(const QString &fileName, const QString &letters);
    static NameVerdict judge(const QString &fileName, const CapitalSet &letters);
    // The word of an entry as the word list holds it (in any case).
    static Word fromEntry(const QString &entry);

    QString entry() const;
    // Empty when the entry does not start with an article.
    QString article() const;
    QString noun() const;
    QString display() const { return article() + u' ' + noun(); }
    // The noun as the entry writes it, in upper case (HUND).
    QString upperNoun() const;
    // Whether every letter of the noun, in capitals, is one of these (true without a noun).
    bool nounUsesOnly(const CapitalSet &letters) const;
    // False for a picture named by its article alone (das.bmp): its noun is empty.
    bool hasNoun() const { return stem().size() > 3; }

    bool isNull() const { return m_name.isEmpty(); }
    // Words are equal when their entries are: letter case is ignored.
    friend bool operator==(const Word &a, const Word &b);
    friend size_t qHash(const Word &word, size_t seed);

private:
    bool hasArticle() const;
    // The name up to its first ".".
    QStringView stem() const;

    QString m_name; // as the file is named (composed), or the entry the word was made from
};

size_t qHash(const Word &word, size_t seed = 0);

// What a picture file's name makes: its word, or why it makes none.
struct NameVerdict {
    std::optional<Word> word;
    NameFault fault = NameFault::None;
    QString character;     // NotALetter: the first character of the noun that is no letter
    qsizetype sameAs = -1; // SameWord: the index of the earlier name, in the list judged
};

// Whether an upper-cased name starts with one of the three articles.
bool startsWithArticle(QStringView upperName);

} // namespace wortilo
