// SPDX-License-Identifier: MIT
#pragma once
#include "core/word.h"

#include <QList>
#include <QStringList>
#include <functional>

namespace wortilo {

class Random;

// A private deck of words that an activity draws from without repeats: a pass begins with the
// admitted words of a list (the active words) in their order, every draw removes one at random,
// and the deck is refilled when it holds fewer words than the threshold. The generator is handed
// in with each draw; whoever seeds it does so before drawing.
class Deck
{
public:
    using Admits = std::function<bool(const Word &)>;

    // refillBelow: a refill is due when the deck holds fewer words than this. admits: which words
    // of the list a pass takes (all when empty).
    explicit Deck(int refillBelow = 1, Admits admits = {});
    // Which words the next pass takes.
    void setAdmits(Admits admits) { m_admits = std::move(admits); }

    // Words without a noun (a picture named by its article alone) are left out.
    static bool hasNoun(const Word &word) { return word.hasNoun(); }

    const QList<Word> &words() const { return m_words; }
    qsizetype size() const { return m_words.size(); }
    bool isEmpty() const { return m_words.isEmpty(); }
    // The nouns of the words in the deck, in its order.
    QStringList nouns() const { return nounsOf(m_words); }
    static QStringList nounsOf(const QList<Word> &words);

    // Whether the deck holds fewer words than the threshold.
    bool isShort() const { return m_words.size() < m_refillBelow; }
    // A new pass: the admitted words of the list, in its order.
    void refill(const QList<Word> &list);
    // The refill rule: a new pass from the list when the deck is short.
    void refillIfShort(const QList<Word> &list)
    {
        if (isShort())
            refill(list);
    }
    // Removes a random word; a null word (and no number drawn) when the deck is empty.
    Word draw(Random &random);
    // The refill rule, then a draw.
    Word draw(Random &random, const QList<Word> &list)
    {
        refillIfShort(list);
        return draw(random);
    }
    // The word draw(random) would remove, the generator left as it is (a null word when empty).
    Word peek(const Random &random) const;
    // Removes the word at index (a null word outside the deck).
    Word take(qsizetype index);
    void clear() { m_words.clear(); }

private:
    int m_refillBelow;
    Admits m_admits;
    QList<Word> m_words;
};

} // namespace wortilo
