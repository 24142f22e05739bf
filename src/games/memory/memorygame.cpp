// SPDX-License-Identifier: MIT
#include "memorygame.h"

#include "core/messages.h"
#include "core/random.h"
#include "speech/speaker.h"

#include <algorithm>

namespace wortilo {

MemoryGame::MemoryGame(ActivityContext &context, QObject *parent) : QObject(parent), m_context(context) {}

void MemoryGame::setPhase(Phase phase)
{
    m_phase = phase;
    Q_EMIT changed();
}

void MemoryGame::activate()
{
    setPhase(Phase::Memorising);
    neuesspiel();
}

void MemoryGame::wortvorrat()
{
    m_pool.refill(m_context.activeWords());
}

void MemoryGame::spielfeld()
{
    if (m_pool.isShort())
        wortvorrat();
    m_context.random().seedFromClock(m_context.clock());
    m_layout.clear();
    m_gameNouns.clear();
    m_wordOf.clear();
    // Nine nouns, or as many as there are words.
    const int pairs = std::min<int>(kMaxPairs, int(m_pool.size()));
    for (int i = 0; i < pairs; ++i) {
        const Word word = m_pool.draw(m_context.random());
        const QString noun = word.noun();
        m_wordOf.insert(noun, word);
        m_layout.append(noun);
        insertSorted(m_gameNouns, noun);
    }
    // Each noun's second card goes in before one of the first `pairs` places, so the card of the
    // last noun drawn stays the last card.
    for (const QString &noun : std::as_const(m_gameNouns))
        m_layout.insert(m_context.random().index(pairs), noun);
    for (int k = 1; k <= kCards; ++k)
        m_inPlay[std::size_t(k - 1)] = isUsed(k);
    offenloeschen();
    Q_EMIT boardBuilt();
}

void MemoryGame::neuesspiel()
{
    m_covered.fill(false);
    spielfeld();
    Q_EMIT changed();
    m_context.messages().ok(kCaption, QStringLiteral("Merke dir die Lage der Wörter gut.") + kCr
                                       + QStringLiteral("Klicke danach auf den Startknopf!") + kCr + kCr);
    setPhase(Phase::Memorising);
}

void MemoryGame::start()
{
    if (m_phase != Phase::Memorising)
        return;
    for (int k = 1; k <= kCards; ++k)
        m_covered[std::size_t(k - 1)] = isUsed(k);
    setPhase(Phase::Playing);
}

void MemoryGame::paarzudecken()
{
    m_covered[std::size_t(m_first - 1)] = true;
    m_covered[std::size_t(m_second - 1)] = true;
    offenloeschen();
}

void MemoryGame::offenloeschen()
{
    m_first = 0;
    m_second = 0;
}

void MemoryGame::feldklick(int card)
{
    // Only covered cards can be clicked, and only while playing: not while the board is being
    // memorised, nor while the success message of a finished game is pending or open.
    if (m_phase != Phase::Playing || !inPlay(card) || !isCovered(card))
        return;
    if (m_first > 0 && m_second > 0)
        paarzudecken();
    m_covered[std::size_t(card - 1)] = false;
    // A card uncovered says its noun; the second card of an attempt cuts the first one short.
    m_context.speaker().sayNoun(m_wordOf.value(nounOf(card)));
    if (m_first == 0) {
        m_first = card;
        Q_EMIT changed();
        return;
    }
    m_second = card;
    if (m_layout[m_first - 1] == m_layout[m_second - 1]) {
        const int a = m_first, b = m_second;
        m_inPlay[std::size_t(a - 1)] = false;
        m_inPlay[std::size_t(b - 1)] = false;
        offenloeschen();
        Q_EMIT pairFound(a, b);
    }
    Q_EMIT changed();
    if (std::none_of(m_inPlay.begin(), m_inPlay.end(), [](bool b) { return b; })) {
        setPhase(Phase::Finished);
        // The message and the next board come after this click has been handled, so the message
        // box's event loop never runs inside the click.
        QMetaObject::invokeMethod(this, &MemoryGame::spielende, Qt::QueuedConnection);
    }
}

void MemoryGame::spielende()
{
    if (m_phase != Phase::Finished)
        return; // the game was left in the meantime
    for (const QString &noun : std::as_const(m_gameNouns))
        m_context.appendUsage(Activity::Memory, noun);
    m_context.messages().ok(kEndCaption, QStringLiteral("Prima, du hast es geschafft!") + kCr);
    neuesspiel();
}

void MemoryGame::help()
{
    m_context.messages().ok(kCaption, QStringLiteral("Immer zwei Felder bilden ein Wortpaar, klicke") + kCr
                                       + QStringLiteral("die Einzelfelder an und suche so Wortpaare!") + kCr);
}

void MemoryGame::abort()
{
    offenloeschen();
    m_layout.clear();
    m_gameNouns.clear();
    m_wordOf.clear();
    m_inPlay.fill(false);
    m_covered.fill(false);
    setPhase(Phase::Idle);
}

} // namespace wortilo
