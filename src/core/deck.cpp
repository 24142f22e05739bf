// SPDX-License-Identifier: MIT
#include "deck.h"

#include "core/random.h"

namespace wortilo {

Deck::Deck(int refillBelow, Admits admits) : m_refillBelow(refillBelow), m_admits(std::move(admits)) {}

QStringList Deck::nounsOf(const QList<Word> &words)
{
    QStringList nouns;
    nouns.reserve(words.size());
    for (const Word &word : words)
        nouns.append(word.noun());
    return nouns;
}

void Deck::refill(const QList<Word> &list)
{
    m_words = list;
    if (m_admits)
        m_words.removeIf([this](const Word &word) { return !m_admits(word); });
}

Word Deck::draw(Random &random)
{
    if (m_words.isEmpty())
        return {};
    return m_words.takeAt(random.index(int(m_words.size())));
}

Word Deck::peek(const Random &random) const
{
    Random copy = random;
    return m_words.isEmpty() ? Word() : m_words.at(copy.index(int(m_words.size())));
}

Word Deck::take(qsizetype index)
{
    if (index < 0 || index >= m_words.size())
        return {};
    return m_words.takeAt(index);
}

} // namespace wortilo
