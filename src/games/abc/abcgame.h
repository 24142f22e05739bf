// SPDX-License-Identifier: MIT
#pragma once
#include "core/activitycontext.h"
#include "pictures/picture.h"
#include "pictures/pictureloader.h"

#include <QList>
#include <QObject>
#include <QStringList>

namespace wortilo {

// The alphabetical-order game without widgets: five distinct words drawn at random, their
// pictures in five slots; dropping one slot on another exchanges the two, until the nouns
// stand in the program's dictionary order. Slots are numbered 0 to 4.
class AbcGame : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSlots = 5;

    static inline const QString kHelpCaption = QStringLiteral("Wortilo (ABC)");
    static inline const QString kHelpText = QStringLiteral("Ordne die Bilder nach dem ABC.") + QChar(13)
                                            + QStringLiteral("Dazu ziehst du die Bilder mit der") + QChar(13)
                                            + QStringLiteral("Maus in die richtige Reihenfolge.") + QChar(13)
                                            + QChar(13);

    // A noun of the result panel: its first letter (drawn red) and the rest in lower case
    // (drawn green).
    struct ResultLine {
        QString head;
        QString tail;
        friend bool operator==(const ResultLine &, const ResultLine &) = default;
    };

    // Drops count while the set is sorted; once it stands in order nothing more moves until
    // the next set.
    enum class Phase { Sorting, Solved };

    explicit AbcGame(ActivityContext &context);

    // A new set: five distinct active words at random, their pictures loaded into the slots.
    // With fewer distinct words, as many as there are. The pictures are decoded side by side on
    // worker threads, and each fills its slot when it is done (slotsChanged).
    void abcneu();
    // The size the slots show their pictures at: they are drawn at that size while decoded.
    void setShownSize(QSize size) { m_queue.setShownSizes(size, size); }
    // Empties the slots (the pictures; the words stay).
    void abcleeren();
    // A slot dropped on a slot: the two exchange their pictures and nouns, and the order is
    // checked (also when a slot is dropped on itself). Nothing happens once the set is solved.
    void drop(int target, int source);
    // Solves the set when the slots' nouns stand in the sorted order: records it and announces it.
    void abcpruefen();

    // The words of the set, in the order they were drawn.
    const QList<Word> &chosen() const { return m_chosen; }
    // Their upper-case nouns in dictionary order, and as they stand in the slots now.
    const QStringList &targetOrder() const { return m_target; }
    const QStringList &slotOrder() const { return m_slots; }
    int slotCount() const { return int(m_slots.size()); }
    // The picture in a slot (empty after abcleeren, and while it is being decoded).
    Picture picture(int slot) const;
    Phase phase() const { return m_phase; }
    bool isSolved() const { return m_phase == Phase::Solved; }
    // What the result panel lists, one line per noun in dictionary order.
    QList<ResultLine> resultLines() const;

Q_SIGNALS:
    // The pictures in the slots changed.
    void slotsChanged();
    // The set was solved, or a new set began.
    void solvedChanged(bool solved);

private:
    ActivityContext &m_context;
    QList<Word> m_chosen;
    QStringList m_target;
    QStringList m_slots;
    QList<Picture> m_pictures;
    QStringList m_waiting; // per slot, the path of its picture while it is being decoded
    PictureQueue m_queue;
    Phase m_phase = Phase::Sorting;
};

} // namespace wortilo
