// SPDX-License-Identifier: MIT
#include "carpetgame.h"

#include "core/messages.h"
#include "core/random.h"
#include "speech/speaker.h"

#include <QList>

namespace wortilo {

CarpetGame::CarpetGame(ActivityContext &context) : m_context(context) {}

void CarpetGame::teppichliste()
{
    m_deck.refill(m_context.activeWords());
}

bool CarpetGame::teppichwort()
{
    m_context.random().seedFromClock(m_context.clock());
    if (m_deck.isShort())
        teppichliste();
    if (m_deck.isEmpty()) {
        clear();
        return false;
    }
    m_drawn = m_deck.draw(m_context.random());
    m_word = m_drawn.noun();
    if (m_deck.isShort())
        teppichliste();
    buildCarpet();
    m_found = 0;
    m_marked.fill(false);
    m_phase = Phase::Playing;
    Q_EMIT wordChanged();
    return true;
}

void CarpetGame::buildCarpet()
{
    Random &random = m_context.random();
    struct Letter {
        QChar letter;
        bool fromWord;
    };
    QList<Letter> carpet;
    for (qsizetype i = m_word.size(); i < kCells; ++i) {
        QString filler = kFillerLetters.at(random.index(int(kFillerLetters.size())));
        if (random.index(5) == 0)
            filler = germanUpper(filler);
        carpet.append({filler.at(0), false});
    }
    // A word letter goes in front of a random entry, never behind the last one: while there is
    // a filler, the last cell always holds one.
    for (const QChar c : m_word)
        carpet.insert(random.index(int(carpet.size())), {c, true});

    m_carpet.clear();
    for (int k = 0; k < kCells; ++k) {
        m_carpet.append(carpet.at(k).letter);
        m_fromWord[std::size_t(k)] = carpet.at(k).fromWord;
    }
}

void CarpetGame::clear()
{
    m_deck.clear();
    m_drawn = Word();
    m_word.clear();
    m_carpet.clear();
    m_fromWord.fill(false);
    m_marked.fill(false);
    m_found = 0;
    m_phase = Phase::NoWord;
    Q_EMIT wordChanged();
}

void CarpetGame::sayWord()
{
    m_context.speaker().sayNoun(m_drawn);
}

int CarpetGame::cellAt(QPoint twips)
{
    const int column = twips.x() / kCellWidth;
    const int row = twips.y() / kCellHeight;
    if (twips.x() < 0 || twips.y() < 0 || column >= kSide || row >= kSide)
        return -1;
    return column * kSide + row;
}

QPoint CarpetGame::cellCorner(int cell)
{
    return QPoint(cell / kSide * kCellWidth, cell % kSide * kCellHeight);
}

CarpetGame::Click CarpetGame::click(int cell)
{
    if (m_phase != Phase::Playing || cell < 0 || cell >= kCells)
        return Click::Ignored;
    if (m_carpet.at(cell) != m_word.at(m_found))
        return Click::Wrong;
    m_marked[std::size_t(cell)] = true;
    ++m_found;
    Q_EMIT progressChanged();
    if (m_found < m_word.size())
        return Click::Right;

    m_phase = Phase::Confirming;
    m_context.appendUsage(Activity::Teppich, m_word);
    if (m_context.confirmationsOn())
        m_context.messages().ok(kCaption, kDoneText + kCr + kCr);
    teppichwort();
    return Click::Completed;
}

QString CarpetGame::spacedWord() const
{
    QString shown;
    for (const QChar c : m_word) {
        shown.append(c);
        shown.append(u' ');
    }
    return shown;
}

bool CarpetGame::isMarked(int cell) const
{
    return cell >= 0 && cell < kCells && m_marked[std::size_t(cell)];
}

bool CarpetGame::holdsWordLetter(int cell) const
{
    return cell >= 0 && cell < kCells && m_fromWord[std::size_t(cell)];
}

} // namespace wortilo
