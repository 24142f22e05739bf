// SPDX-License-Identifier: MIT
#include "abcgame.h"

#include "core/random.h"
#include "pictures/folder.h"

#include <QSet>

namespace wortilo {

AbcGame::AbcGame(ActivityContext &context) : m_context(context), m_queue(context.pictureLoader())
{
    connect(&m_queue, &PictureQueue::ready, this, [this](const QString &path, const Picture &picture) {
        const qsizetype slot = m_waiting.indexOf(path);
        if (slot < 0)
            return;
        m_pictures[slot] = picture;
        m_waiting[slot].clear();
        Q_EMIT slotsChanged();
    });
}

void AbcGame::abcneu()
{
    if (m_phase == Phase::Solved) {
        m_phase = Phase::Sorting;
        Q_EMIT solvedChanged(false);
    }
    abcleeren();
    m_context.random().seedFromClock(m_context.clock());
    m_chosen.clear();
    const QList<Word> words = m_context.activeWords();
    QSet<QString> distinct;
    for (const Word &w : words)
        distinct.insert(w.entry());
    const qsizetype wanted = std::min<qsizetype>(kSlots, distinct.size());
    // A word drawn twice is drawn again, so the set holds distinct words.
    while (m_chosen.size() < wanted) {
        const Word &w = words.at(m_context.random().index(int(words.size())));
        if (!m_chosen.contains(w))
            m_chosen.append(w);
    }
    m_pictures.clear();
    m_waiting.clear();
    m_target.clear();
    m_slots.clear();
    for (const Word &w : std::as_const(m_chosen)) {
        const QString path = m_context.pictureFolder().resolve(w.entry());
        const std::optional<Picture> picture = m_queue.take(path);
        m_pictures.append(picture.value_or(Picture()));
        m_waiting.append(picture ? QString() : path);
        insertSorted(m_target, w.upperNoun());
        m_slots.append(w.upperNoun());
    }
    Q_EMIT slotsChanged();
}

void AbcGame::abcleeren()
{
    m_pictures.fill(Picture());
    m_waiting.fill(QString());
    m_queue.cancel();
    Q_EMIT slotsChanged();
}

void AbcGame::drop(int target, int source)
{
    const int n = slotCount();
    if (m_phase != Phase::Sorting || target < 0 || target >= n || source < 0 || source >= n)
        return;
    m_pictures.swapItemsAt(target, source);
    m_waiting.swapItemsAt(target, source);
    m_slots.swapItemsAt(target, source);
    Q_EMIT slotsChanged();
    abcpruefen();
}

void AbcGame::abcpruefen()
{
    if (m_phase != Phase::Sorting || m_slots.isEmpty() || m_target.join(QString()) != m_slots.join(QString()))
        return;
    m_phase = Phase::Solved;
    QString line;
    for (const QString &noun : std::as_const(m_target))
        line += noun + u' ';
    m_context.appendUsage(Activity::Abc, line);
    Q_EMIT solvedChanged(true);
}

Picture AbcGame::picture(int slot) const
{
    return slot >= 0 && slot < m_pictures.size() ? m_pictures.at(slot) : Picture();
}

QList<AbcGame::ResultLine> AbcGame::resultLines() const
{
    QList<ResultLine> lines;
    for (const QString &noun : m_target)
        lines.append({germanUpper(noun.left(1)), germanLower(noun.mid(1))});
    return lines;
}

} // namespace wortilo
