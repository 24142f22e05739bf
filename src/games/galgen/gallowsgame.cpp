// SPDX-License-Identifier: MIT
#include "gallowsgame.h"

#include "core/messages.h"
#include "core/random.h"
#include "pictures/folder.h"
#include "speech/speaker.h"

#include <algorithm>

namespace wortilo {

GallowsGame::GallowsGame(ActivityContext &context, QObject *parent)
    : QObject(parent), m_context(context), m_queue(context.pictureLoader())
{
    connect(&m_queue, &PictureQueue::ready, this, [this](const QString &path, const Picture &picture) {
        if (path != m_waitingFor)
            return;
        m_waitingFor.clear();
        m_picture = picture;
        Q_EMIT changed();
    });
}

void GallowsGame::galgenrunde()
{
    m_highlighted.fill(false);
    m_context.random().seedFromClock(m_context.clock());
    m_word = m_deck.draw(m_context.random(), m_context.activeWords());
    m_foundLetters.clear();
    m_wrong = 0;
    m_attempts = 0;
    m_phase = m_word.hasNoun() ? Phase::Playing : Phase::NoWord;
    // The picture shows when the game ends; it is decoded while the child plays.
    m_queue.cancel();
    m_waitingFor.clear();
    if (m_phase == Phase::Playing)
        m_queue.prepare(m_context.pictureFolder().resolve(m_word.entry()));
    Q_EMIT changed();
}

void GallowsGame::galgenweg()
{
    // The drawn parts follow the wrong letters, the rescue scene a won game.
    m_wrong = 0;
    m_phase = Phase::NoWord;
}

void GallowsGame::galgenneu()
{
    galgenweg();
    m_picture = Picture(); // the solution shows only in a lost game
    galgenrunde();
}

bool GallowsGame::isFound(QChar c) const
{
    return m_foundLetters.contains(germanUpper(c));
}

QString GallowsGame::galgenanzeige() const
{
    QString shown;
    for (const QChar c : m_word.noun()) {
        shown += u' ';
        shown += isFound(c) ? c : u'_';
    }
    return shown;
}

int GallowsGame::highlightedCount() const
{
    return int(std::count(m_highlighted.begin(), m_highlighted.end(), true));
}

bool GallowsGame::isPartShown(int part) const
{
    if (m_phase == Phase::Won && part > 4)
        return false;
    return part >= 1 && part <= m_wrong;
}

void GallowsGame::letterClicked(int key)
{
    // While a finished game's message is pending or open, the keyboard takes no letters.
    if (m_phase != Phase::Playing || key < 0 || key >= kKeyCount)
        return;
    bool &highlighted = m_highlighted[std::size_t(key)];
    highlighted = !highlighted;
    // Every click tries the letter, also one that takes the highlight away.
    const QChar letter = kKeys[key];
    if (!germanUpper(m_word.noun()).contains(letter)) {
        ++m_wrong;
        if (m_wrong >= kParts)
            endGame(Phase::Lost);
        else
            Q_EMIT changed();
        return;
    }
    if (!m_foundLetters.contains(letter))
        m_foundLetters += letter;
    if (galgenanzeige().contains(u'_')) {
        Q_EMIT changed();
        return;
    }
    m_attempts = highlightedCount();
    m_context.appendUsage(Activity::Galgen, m_word.noun());
    endGame(Phase::Won);
}

void GallowsGame::endGame(Phase phase)
{
    m_phase = phase;
    const QString path = m_context.pictureFolder().resolve(m_word.entry());
    const std::optional<Picture> picture = m_queue.take(path);
    m_picture = picture.value_or(Picture());
    m_waitingFor = picture ? QString() : path;
    Q_EMIT changed();
    // Heard while the end message is read, which leaves no click to the speaker button.
    saySolution();
    // The message and the next game come after this click has been handled, so the message box's
    // event loop never runs inside the click.
    QMetaObject::invokeMethod(this, &GallowsGame::finish, Qt::QueuedConnection);
}

void GallowsGame::saySolution()
{
    if (hasEnded())
        m_context.speaker().sayNoun(m_word);
}

void GallowsGame::finish()
{
    if (m_phase == Phase::Won) {
        m_context.messages().ok(kCaption, QStringLiteral("Du hast ") + QString::number(m_attempts)
                                           + QStringLiteral(" Versuche benötigt!") + kCr
                                           + QStringLiteral("Weiter zur nächsten Runde ...") + kCr + kCr);
    } else if (m_phase == Phase::Lost) {
        m_context.messages().ok(kCaption, QStringLiteral("Du hast leider verloren!") + kCr + kCr);
    } else {
        return; // the game was left in the meantime
    }
    galgenneu();
}

} // namespace wortilo
