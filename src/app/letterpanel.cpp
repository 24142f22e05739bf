// SPDX-License-Identifier: MIT
#include "letterpanel.h"

#include "core/twips.h"
#include "session/session.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"

#include <QListWidget>
#include <QPushButton>

namespace wortilo {

LetterPanel::LetterPanel(Session &session, QWidget *parent)
    : MenuPanel(QStringLiteral("Picture4"), QSize(6855, 2535), parent), m_session(session)
{
    const QFont bold = verdana(9.75);

    m_letters = addList(this, QStringLiteral("List1"), QStringLiteral("Laute"), QRect(120, 120, 4095, 1755), bold);
    m_letters->setSelectionMode(QAbstractItemView::MultiSelection);
    m_letters->setFlow(QListView::TopToBottom);
    m_letters->setWrapping(true);
    m_letters->setUniformItemSizes(true);
    m_letters->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_letters->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Six columns of five letters.
    m_letters->setGridSize(QSize((m_letters->width() - 6) / 6, (m_letters->height() - 6) / 5));
    connect(m_letters, &QListWidget::itemSelectionChanged, this, [this] {
        if (m_showing)
            return;
        // Ctrl+A or a fast drag changes several letters in one step: all of them go over at once,
        // since the answer redraws the list from the session.
        QVector<bool> shown(m_letters->count());
        for (int i = 0; i < m_letters->count(); ++i)
            shown[i] = m_letters->item(i)->isSelected();
        if (shown != m_session.words().selection())
            m_session.setLetterSelection(shown);
    });

    m_nouns = addList(this, QStringLiteral("List3"), QStringLiteral("Nomen mit diesen Lauten"),
                      QRect(4320, 120, 2415, 2190), bold);
    m_nouns->setSelectionMode(QAbstractItemView::NoSelection);
    QPalette grey = m_nouns->palette();
    grey.setColor(QPalette::Base, QColor(224, 224, 224));
    m_nouns->setPalette(grey);

    addCloseButton(QStringLiteral("Command5"), QStringLiteral("Abbruch"), QRect(120, 1920, 1335, 495), bold);
    auto *all = addButton(this, QStringLiteral("Command6"), QStringLiteral("A l l e"), QRect(1560, 1920, 1215, 495), bold);
    auto *none = addButton(this, QStringLiteral("Command7"), QStringLiteral("Keiner"), QRect(2880, 1920, 1335, 495), bold);
    connect(all, &QPushButton::clicked, this, [this] { m_session.setAllLettersSelected(true); });
    connect(none, &QPushButton::clicked, this, [this] { m_session.setAllLettersSelected(false); });

    showWords();
    connect(&session, &Session::wordsChanged, this, &LetterPanel::showWords);
}

void LetterPanel::showWords()
{
    m_showing = true;
    const WordStore &store = m_session.words();
    if (m_letters->count() != store.letters().size()) {
        m_letters->clear();
        for (const QString &letter : store.letters())
            (new QListWidgetItem(letter, m_letters))->setTextAlignment(Qt::AlignCenter);
    }
    // Only letters that differ are set: after a change the list already shows what it handed over.
    for (int i = 0; i < m_letters->count(); ++i)
        if (m_letters->item(i)->isSelected() != store.isSelected(i))
            m_letters->item(i)->setSelected(store.isSelected(i));
    m_nouns->clear();
    m_nouns->addItems(store.filteredNouns());
    m_showing = false;
}

} // namespace wortilo
