// SPDX-License-Identifier: MIT
#pragma once
#include "core/deck.h"
#include "core/activitycontext.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QStringList>
#include <memory>

namespace wortilo {

class Ticker;

// The catch game without widgets: a figure steered over an 18 × 11 field catches a word's
// letters in order, while the letters still to catch jump to new cells every few seconds.
// A game is prepared (start text, figure hidden), then runs from the click on the field until
// the word is caught; it runs exactly while its one-second timer runs.
class CatchGame : public QObject
{
    Q_OBJECT
public:
    static constexpr int kColumns = 18;
    static constexpr int kRows = 11;
    static constexpr int kCellTwips = 400;
    static constexpr int kStartColumn = 9;
    static constexpr int kStartRow = 6;
    static constexpr int kMaxWordLength = 100;
    static constexpr int kMinSpeed = 3;
    static constexpr int kMaxSpeed = 15;
    static constexpr int kDefaultSpeed = 10;
    static constexpr int kTickMs = 1000;

    // The word played when a word is empty or too long, and the caption of the completion message.
    static inline const QString kFallbackWord = QStringLiteral("Zeichjagd");
    static inline const QString kDoneCaption = QStringLiteral("Zeichjagd");
    // The rules, shown by "Hilfe zeigen".
    static inline const QString kHelpCaption = QStringLiteral("F a n g e");
    static const QString kHelpText;

    // A game is prepared (the figure still moves), runs, or its completion is confirmed: while
    // the message box is open nothing counts, neither keys nor clicks nor the timer; the next
    // prepared game ends that phase.
    enum class Phase { Prepared, Running, Confirming };

    explicit CatchGame(ActivityContext &context);
    ~CatchGame() override;

    // Fills the word list with the nouns of the active words, in their order.
    void fangliste();
    // Draws a word at random from the list (refilling it first when it is empty) and prepares it.
    void fangwort();
    // A click on entry index of the word list: that word is prepared (a running game ends), and
    // an emptied list is refilled at once.
    void chooseWord(int index);
    // The click on the field: starts the prepared game. Nothing happens while one runs.
    void start();
    // An arrow key: moves the figure one cell, never over the border, then checks for a catch.
    // The figure moves also while no game runs.
    void move(int dColumn, int dRow);
    // Stops a running game: timer off, figure hidden (leaving the window, or hiding it).
    void fangstopp();
    // Seconds between two jumps of the letters (3 to 15); read at every tick.
    void setSpeed(int seconds);
    // The speaker button: says the word being played (nothing for the stand-in word).
    void sayWord();
    int speed() const { return m_speed; }

    // The nouns still to be drawn, in the order of the active words.
    QStringList wordList() const { return m_deck.nouns(); }
    // The letters still to catch; the first is the next one.
    const QString &spielwort() const { return m_word; }
    // The three parts of the bottom row: caught, next letter, the letters after it.
    const QString &caught() const { return m_caught; }
    QString nextLetter() const { return m_word.left(1); }
    QString rest() const { return m_word.mid(1); }
    int seconds() const { return m_seconds; }
    Phase phase() const { return m_phase; }
    bool isRunning() const { return m_phase == Phase::Running; }
    // Whether the letters stand on the field (after a start), or the start text does.
    bool lettersPlaced() const { return m_lettersPlaced; }
    bool isFigureVisible() const { return m_figureVisible; }
    // The figure's cell (column, row).
    QPoint figure() const { return m_figure; }
    // Column and row of each letter still to catch; entry i belongs to letter i of spielwort.
    const QList<int> &fangspalte() const { return m_columns; }
    const QList<int> &fangzeile() const { return m_rows; }
    // Top-left corner in twips of a cell on the field.
    static QPoint cellTwips(QPoint cell) { return cell * kCellTwips; }

Q_SIGNALS:
    void wordListChanged();
    // The field shows other letters, other places, or the start text.
    void fieldChanged();
    // The figure, the bottom row or the seconds changed.
    void stateChanged();

private:
    void fangrunde();
    void fangverteilen();
    void fangpruefen();
    void catchFirst();
    void fanggeschafft();
    void tick();

    ActivityContext &m_context;
    std::unique_ptr<Ticker> m_zeit1; // the one-second timer, running exactly in the running phase
    Deck m_deck;
    Word m_drawn; // the word played, unless the stand-in word is
    QString m_word;
    QString m_caught;
    QList<int> m_columns;
    QList<int> m_rows;
    QPoint m_figure{kStartColumn, kStartRow};
    int m_seconds = 0;
    int m_speed = kDefaultSpeed;
    bool m_lettersPlaced = false;
    bool m_figureVisible = false;
    Phase m_phase = Phase::Prepared;
};

} // namespace wortilo
