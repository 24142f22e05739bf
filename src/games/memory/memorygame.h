// SPDX-License-Identifier: MIT
#pragma once
#include "core/deck.h"
#include "core/activitycontext.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <array>

namespace wortilo {

// The pairs game with nouns, without widgets. Eighteen cards in two columns of nine hide up to
// nine nouns, each on two cards. A new board is shown uncovered so that the child can memorise
// it; start() covers the cards; then two cards at a time are uncovered, and a pair of equal
// nouns stays open. When every pair is found the nouns go to the usage list and a new board
// follows.
//
// With fewer than nine active words the game is played with one pair per word: k words give k
// pairs on cards 1 to 2k (card order, so the left column fills first); the other cards take no
// part in the game.
class MemoryGame : public QObject
{
    Q_OBJECT
public:
    static constexpr int kCards = 18;
    static constexpr int kMaxPairs = 9;
    static constexpr int kRows = 9; // cards per column

    static inline const QString kCaption = QStringLiteral("Nomen-Memory");
    static inline const QString kEndCaption = QStringLiteral("Memory");

    enum class Phase {
        Idle,       // no board (before the first activation, after "Abbruch . . .")
        Memorising, // the board lies open; "Start" is offered
        Playing,    // cards are covered and can be clicked
        Finished,   // every pair found; the success message and the next board follow
    };

    explicit MemoryGame(ActivityContext &context, QObject *parent = nullptr);

    // The window was shown from the menu: "Start" is offered and a new game begins (a game in
    // progress is abandoned).
    void activate();
    // A new board, all cards open, the memorising message, then "Start".
    void neuesspiel();
    // "Start": covers every card of the game.
    void start();
    // A click on card k (1..18).
    void feldklick(int card);
    // "Hilfe": the rules.
    void help();
    // "Abbruch . . .": forgets the board (the noun pool stays).
    void abort();

    Phase phase() const { return m_phase; }
    // Whether "Start" is shown.
    bool startOffered() const { return m_phase == Phase::Memorising; }

    // The noun pool: noun forms not yet used in a game, in the order of the active word list.
    QStringList pool() const { return m_pool.nouns(); }
    // The card layout: card k shows entry k − 1; two entries per pair of the game.
    const QStringList &layout() const { return m_layout; }
    // The nouns of the current game in dictionary order.
    const QStringList &gameNouns() const { return m_gameNouns; }

    // Card k takes part in the current game.
    bool isUsed(int card) const { return card >= 1 && card <= m_layout.size(); }
    // Card k is still in play (not part of a found pair, and used).
    bool inPlay(int card) const { return isUsed(card) && m_inPlay[std::size_t(card - 1)]; }
    // A used card whose pair has been found.
    bool isFound(int card) const { return isUsed(card) && !m_inPlay[std::size_t(card - 1)]; }
    // Card k is covered (its label is shown over the noun).
    bool isCovered(int card) const { return isUsed(card) && m_covered[std::size_t(card - 1)]; }
    QString nounOf(int card) const { return isUsed(card) ? m_layout[card - 1] : QString(); }

    // The first open card of the current attempt (0 = none).
    int firstOpen() const { return m_first; }

    // Column (0 left, 1 right) and row (0..8) of card k.
    static int columnOf(int card) { return (card - 1) / kRows; }
    static int rowOf(int card) { return (card - 1) % kRows; }

Q_SIGNALS:
    // A new board was laid: the nouns are to be printed afresh (and old frames cleared).
    void boardBuilt();
    // Cards were covered or uncovered, or the phase changed.
    void changed();
    // Cards a and b form a pair and are to be framed.
    void pairFound(int a, int b);

private:
    // The pool refilled with the noun form of every active word.
    void wortvorrat();
    // Draws the game's nouns and lays them out.
    void spielfeld();
    // Covers the two open cards of an unsuccessful attempt again.
    void paarzudecken();
    // No card is open any more.
    void offenloeschen();
    void setPhase(Phase phase);
    // Usage lines, the success message, the next game.
    void spielende();

    ActivityContext &m_context;
    Phase m_phase = Phase::Idle;
    // Refilled when it holds fewer words than a full board.
    Deck m_pool{kMaxPairs};
    QStringList m_layout;
    QStringList m_gameNouns;
    QHash<QString, Word> m_wordOf; // the word of each noun of the game, for the speaker
    std::array<bool, kCards> m_inPlay{};
    std::array<bool, kCards> m_covered{};
    int m_first = 0;
    int m_second = 0;
};

} // namespace wortilo
