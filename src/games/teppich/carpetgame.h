// SPDX-License-Identifier: MIT
#pragma once
#include "core/deck.h"
#include "core/activitycontext.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <array>

namespace wortilo {

// The letter carpet without widgets: a noun's letters hidden among random fillers in a 5 × 5
// carpet; the child clicks the noun's letters in order. Cells are numbered down the first
// column, then down the second, and so on (cell k: column k / 5, row k % 5).
class CarpetGame : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSide = 5;
    static constexpr int kCells = kSide * kSide;
    // A cell is 2000 × 1000 twips.
    static constexpr int kCellWidth = 2000;
    static constexpr int kCellHeight = 1000;
    // The letters a filler is drawn from, each equally likely.
    static inline const QString kFillerLetters = QStringLiteral("aäbcdefghijklmnoöpqrsßtuüvwxyz");

    static inline const QString kCaption = QStringLiteral("Buchstabenteppich");
    static inline const QString kDoneText = QStringLiteral("Prima, du hast das Wort geschafft.");
    static inline const QString kHelpText = QStringLiteral("Klicke die Buchstaben des angezeigten") + QChar(13)
                                            + QStringLiteral("Wortes in der richtigen Reihenfolge an.") + QChar(13)
                                            + QChar(13);

    enum class Click { Ignored, Wrong, Right, Completed };

    // Clicks count only while a word is played. A completed word is confirmed in a phase of its
    // own, in which clicks (which the message box's event loop may deliver) are ignored; the next
    // word ends it.
    enum class Phase { NoWord, Playing, Confirming };

    explicit CarpetGame(ActivityContext &context);

    // Fills the deck with the nouns of the active words; an empty noun (a picture named by its
    // article alone) and nouns longer than the carpet could never be completed and are left out.
    void teppichliste();
    // Draws the next word from the deck (refilling it when it runs empty) and lays out a new
    // carpet. False, and no word, when no noun fits the carpet.
    bool teppichwort();
    // Leaving: deck, word, carpet and found letters are emptied.
    void clear();
    // The speaker button: says the word of the carpet.
    void sayWord();

    // A mouse press on the carpet: the letter of the cell counts when it is the next letter of
    // the word (same character, same case). Ignored without a word, outside the carpet, and
    // while a completed word is being confirmed.
    Click click(int cell);
    // The cell under a point of the carpet in twips, or -1 outside the grid.
    static int cellAt(QPoint twips);
    // Top-left corner of a cell, and where its letter is written (800 twips in, 300 down).
    static QPoint cellCorner(int cell);
    static QPoint letterPosition(int cell) { return cellCorner(cell) + QPoint(800, 300); }

    Phase phase() const { return m_phase; }
    QStringList deck() const { return m_deck.nouns(); }
    const QString &word() const { return m_word; }
    bool hasWord() const { return !m_word.isEmpty(); }
    // The word with a blank after each letter, as shown above the carpet (H u n d ).
    QString spacedWord() const;
    // The carpet's letters, one per cell.
    const QString &carpet() const { return m_carpet; }
    // The letters found so far (the beginning of the word).
    QString found() const { return m_word.left(m_found); }
    int foundCount() const { return m_found; }
    // Whether the cell has been clicked correctly for this word (it is drawn red).
    bool isMarked(int cell) const;
    // Whether the cell holds one of the word's own letters rather than a filler (a filler may
    // show the same letter, and counts as well).
    bool holdsWordLetter(int cell) const;

Q_SIGNALS:
    // A new word and carpet (or none, after clear()).
    void wordChanged();
    // A right click: a cell was marked and a letter found.
    void progressChanged();

private:
    void buildCarpet();

    ActivityContext &m_context;
    // An empty noun and a noun longer than the carpet could never be completed.
    Deck m_deck{1, [](const Word &word) { return word.hasNoun() && word.noun().size() <= kCells; }};
    Word m_drawn; // whose noun m_word is
    QString m_word;
    QString m_carpet;
    std::array<bool, kCells> m_fromWord{};
    std::array<bool, kCells> m_marked{};
    int m_found = 0;
    Phase m_phase = Phase::NoWord;
};

} // namespace wortilo
