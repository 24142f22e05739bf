// SPDX-License-Identifier: MIT
#include "catchgame.h"

#include "core/clock.h"
#include "core/messages.h"
#include "core/random.h"
#include "speech/speaker.h"

#include <algorithm>

namespace wortilo {

const QString CatchGame::kHelpText = [] {
    const char *const lines[] = {
        "Du musst die Buchstaben eines Wortes der",   "Reihe nach fangen. Bei mehreren gleichen",
        "Buchstaben weißt du aber nicht, welcher",    "der Buchstaben zuerst gefangen werden",
        "muss. Da hilft nur eine schnelle Reaktion!", "Steuern musst du mit den vier Pfeiltasten.",
        "Du kannst dir aus der linken Liste auch ein", "beliebiges Wort für dein Spiel auswählen.",
    };
    QString text;
    for (const char *line : lines)
        text += QString::fromUtf8(line) + kCr;
    return text;
}();

CatchGame::CatchGame(ActivityContext &context) : m_context(context), m_zeit1(context.clock().createTicker())
{
    connect(m_zeit1.get(), &Ticker::ticked, this, &CatchGame::tick);
}

CatchGame::~CatchGame() = default;

void CatchGame::fangliste()
{
    m_deck.refill(m_context.activeWords());
    Q_EMIT wordListChanged();
}

void CatchGame::fangwort()
{
    if (m_deck.isShort())
        fangliste();
    m_context.random().seedFromClock(m_context.clock());
    m_drawn = m_deck.draw(m_context.random());
    m_word = m_drawn.noun();
    Q_EMIT wordListChanged();
    fangrunde();
}

void CatchGame::chooseWord(int index)
{
    if (m_phase == Phase::Confirming || index < 0 || index >= m_deck.size())
        return;
    m_drawn = m_deck.take(index);
    m_word = m_drawn.noun();
    fangrunde();
    if (m_deck.isShort())
        fangliste();
    Q_EMIT wordListChanged();
}

// A prepared game: timer off, figure hidden at its start cell, start text on the field.
void CatchGame::fangrunde()
{
    m_zeit1->stop();
    m_phase = Phase::Prepared;
    m_figureVisible = false;
    m_figure = QPoint(kStartColumn, kStartRow);
    if (m_word.isEmpty() || m_word.size() > kMaxWordLength) {
        m_word = kFallbackWord;
        m_drawn = Word();
    }
    m_caught.clear();
    m_seconds = 0;
    m_columns.clear();
    m_rows.clear();
    m_lettersPlaced = false;
    Q_EMIT fieldChanged();
    Q_EMIT stateChanged();
}

void CatchGame::start()
{
    if (m_phase != Phase::Prepared)
        return;
    m_phase = Phase::Running;
    m_zeit1->start(kTickMs);
    fangverteilen();
    m_figureVisible = true;
    fangpruefen();
    Q_EMIT stateChanged();
}

// Every letter gets a cell of its own, never the figure's (the word has at most 100 letters,
// the field 198 cells).
void CatchGame::fangverteilen()
{
    Random &random = m_context.random();
    m_columns.clear();
    m_rows.clear();
    for (qsizetype i = 0; i < m_word.size(); ++i) {
        for (;;) {
            const int column = random.index(kColumns);
            const int row = random.index(kRows);
            if (QPoint(column, row) == m_figure)
                continue;
            bool taken = false;
            for (qsizetype j = 0; j < i && !taken; ++j)
                taken = m_columns.at(j) == column && m_rows.at(j) == row;
            if (taken)
                continue;
            m_columns.append(column);
            m_rows.append(row);
            break;
        }
    }
    m_lettersPlaced = true;
    Q_EMIT fieldChanged();
}

void CatchGame::move(int dColumn, int dRow)
{
    if (m_phase == Phase::Confirming)
        return;
    m_figure.setX(std::clamp(m_figure.x() + dColumn, 0, kColumns - 1));
    m_figure.setY(std::clamp(m_figure.y() + dRow, 0, kRows - 1));
    fangpruefen();
    Q_EMIT stateChanged();
}

// Only the first remaining letter can be caught; a blank is caught without a move.
void CatchGame::fangpruefen()
{
    if (isRunning() && !m_word.isEmpty() && m_figure == QPoint(m_columns.first(), m_rows.first()))
        catchFirst();
    while (isRunning() && m_word.startsWith(u' '))
        catchFirst();
    if (m_word.isEmpty())
        fanggeschafft();
}

void CatchGame::catchFirst()
{
    m_caught.append(m_word.at(0));
    m_word.remove(0, 1);
    m_columns.removeFirst();
    m_rows.removeFirst();
    Q_EMIT fieldChanged();
    Q_EMIT stateChanged();
}

void CatchGame::fanggeschafft()
{
    m_phase = Phase::Confirming;
    m_zeit1->stop();
    m_figureVisible = false;
    Q_EMIT stateChanged();
    m_context.appendUsage(Activity::Fange, m_caught);
    m_context.messages().ok(kDoneCaption, QStringLiteral("Du hast es in") + u' ' + QString::number(m_seconds)
                                           + QStringLiteral(" Sekunden geschafft.") + kCr);
    fangwort();
}

void CatchGame::tick()
{
    if (m_phase != Phase::Running)
        return;
    ++m_seconds;
    if (m_seconds % m_speed == 0) {
        fangverteilen();
        fangpruefen();
    }
    Q_EMIT stateChanged();
}

void CatchGame::fangstopp()
{
    m_figureVisible = false;
    m_zeit1->stop();
    if (m_phase == Phase::Running)
        m_phase = Phase::Prepared;
    Q_EMIT stateChanged();
}

void CatchGame::setSpeed(int seconds)
{
    m_speed = std::clamp(seconds, kMinSpeed, kMaxSpeed);
}

void CatchGame::sayWord()
{
    m_context.speaker().sayNoun(m_drawn);
}

} // namespace wortilo
