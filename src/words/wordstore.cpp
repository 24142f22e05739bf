// SPDX-License-Identifier: MIT
#include "wordstore.h"

#include "core/germantext.h"

#include <QHash>
#include <algorithm>
#include <iterator>

namespace wortilo {

QString WordStore::countLabel(qsizetype count, const QString &word)
{
    return u' ' + QString::number(count) + u' ' + word + u' ';
}

void WordStore::buchstabenliste()
{
    m_letters.clear();
    for (const QChar c : kAlphabet)
        m_letters.append(QString(c));
    m_selected = QVector<bool>(m_letters.size(), false);
}

void WordStore::setSelection(const QVector<bool> &selected)
{
    for (qsizetype i = 0; i < m_selected.size(); ++i)
        m_selected[i] = selected.value(i);
}

void WordStore::setAllSelected(bool selected)
{
    m_selected.fill(selected);
}

void WordStore::selectLettersIn(const QString &text)
{
    for (int i = 0; i < m_letters.size(); ++i)
        if (text.contains(m_letters[i]))
            m_selected[i] = true;
}

QString WordStore::selectedLetters() const
{
    QString s;
    for (int i = 0; i < m_letters.size(); ++i)
        if (m_selected[i])
            s += m_letters[i];
    return s;
}

namespace {

// The one place that decides which names make words: visit(verdict) for each name, in order.
template <typename Visit>
void judgeNames(const QStringList &fileNames, const QString &letters, Visit visit)
{
    QHash<Word, qsizetype> seen; // word → the index of the name that made it
    seen.reserve(fileNames.size());
    const CapitalSet capitals(letters);
    for (qsizetype i = 0; i < fileNames.size(); ++i) {
        NameVerdict verdict = Word::judge(fileNames[i], capitals);
        if (verdict.word) {
            // Names that differ only in letter case name one picture: the first is kept.
            const auto it = seen.constFind(*verdict.word);
            if (it != seen.constEnd()) {
                verdict.word.reset();
                verdict.fault = NameFault::SameWord;
                verdict.sameAs = it.value();
            } else {
                seen.insert(*verdict.word, i);
            }
        }
        visit(std::move(verdict));
    }
}

QList<Word> judgedWords(const QStringList &fileNames, const QString &letters)
{
    QList<Word> words;
    words.reserve(fileNames.size());
    judgeNames(fileNames, letters, [&words](NameVerdict &&verdict) {
        if (verdict.word)
            words.append(std::move(*verdict.word));
    });
    return words;
}

} // namespace

void WordStore::wortliste(const QStringList &fileNames)
{
    setWords(judgedWords(fileNames, m_letters.join(QString())));
}

QList<Word> WordStore::wordsOf(const QStringList &fileNames)
{
    return judgedWords(fileNames, kAlphabet);
}

void WordStore::setWords(QList<Word> words)
{
    m_words = std::move(words);
    m_label = countLabel(m_words.size(), QStringLiteral("Nomen"));
}

QList<NameVerdict> WordStore::judge(const QStringList &fileNames) const
{
    QList<NameVerdict> verdicts;
    verdicts.reserve(fileNames.size());
    judgeNames(fileNames, m_letters.join(QString()),
               [&verdicts](NameVerdict &&verdict) { verdicts.append(std::move(verdict)); });
    return verdicts;
}

void WordStore::filtern()
{
    const CapitalSet selected(germanUpper(selectedLetters()));
    auto written = [&selected](const Word &word) { return word.nounUsesOnly(selected); };
    // With every letter selected, as at first, the filtered list is the word list itself.
    if (std::all_of(m_words.begin(), m_words.end(), written)) {
        m_filteredWords = m_words;
    } else {
        m_filteredWords.clear();
        std::copy_if(m_words.begin(), m_words.end(), std::back_inserter(m_filteredWords), written);
    }
    m_label = countLabel(m_filteredWords.size(), QStringLiteral("Nomen"));
}

QStringList WordStore::filteredNouns() const
{
    QStringList nouns;
    nouns.reserve(m_filteredWords.size());
    for (const Word &word : m_filteredWords)
        nouns.append(word.noun());
    return nouns;
}

bool WordStore::setFilter(bool on)
{
    if (on == m_filter)
        return false;
    m_filter = on;
    const qsizetype count = m_filteredWords.size();
    m_label = count == 1 ? QStringLiteral(" 1 Wort ") : countLabel(count, QStringLiteral("Wörter"));
    if (count == 0) {
        m_filter = false; // the switch ends off without running these steps again
        return true;
    }
    return false;
}

} // namespace wortilo
