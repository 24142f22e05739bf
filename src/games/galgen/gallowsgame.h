// SPDX-License-Identifier: MIT
#pragma once
#include "core/deck.h"
#include "core/activitycontext.h"
#include "pictures/picture.h"
#include "pictures/pictureloader.h"

#include <QObject>
#include <QString>
#include <array>

namespace wortilo {

// The word gallows without widgets: a noun from the active words is guessed letter by letter on
// a keyboard of thirty letters. A right letter is filled in wherever it occurs; a wrong one adds a
// part to the gallows. Ten wrong letters lose, all letters found wins; either way the picture is
// shown, a message follows and the next game begins.
//
// The state is held plainly (the word, the letters found, the wrong count, the highlighted keys);
// the display line is only its shown form.
class GallowsGame : public QObject
{
    Q_OBJECT
public:
    // The keyboard's letters in the order they are added; filled column by column into two rows,
    // the upper row reads A to O and the lower P to Z, Ä, Ö, Ü, ß.
    static inline const QString kKeys = QStringLiteral("APBQCRDSETFUGVHWIXJYKZLÄMÖNÜOß");
    static constexpr int kKeyCount = 30;
    static constexpr int kParts = 10; // wrong letters that complete the gallows
    static inline const QString kCaption = QStringLiteral("Galgenspiel");

    enum class Phase {
        NoWord,  // no word to play (no active word has a noun)
        Playing,
        Won,     // the end message and the next game follow
        Lost,
    };

    explicit GallowsGame(ActivityContext &context, QObject *parent = nullptr);

    // A game prepared, as each activation does: a fresh keyboard, the next word from the deck
    // (words without a noun are never drawn).
    void galgenrunde();
    // A new game after the last one or on leaving: the drawing taken away (galgenweg), a game
    // prepared, the solution and the picture taken away.
    void galgenneu();
    // A click on key i (0..29) of the keyboard: toggles its highlight and tries its letter.
    void letterClicked(int key);
    // Whether the game has ended (won or lost): the solution may be said.
    bool hasEnded() const { return m_phase == Phase::Won || m_phase == Phase::Lost; }
    // Says the solution, once the game has ended; the end of a game says it by itself.
    void saySolution();

    Phase phase() const { return m_phase; }
    const Word &word() const { return m_word; }
    // The display line: a blank and then the letter or "_" for each letter of the noun.
    QString galgenanzeige() const;
    bool isKeyHighlighted(int key) const { return m_highlighted[std::size_t(key)]; }
    int highlightedCount() const;
    int galgenfehler() const { return m_wrong; }
    // Whether part p (1..10) of the hanging figure's gallows is drawn: the parts up to the wrong
    // count, but after a win only the gallows itself (parts 1 to 4), the figure being rescued.
    bool isPartShown(int part) const;
    bool isRescueShown() const { return m_phase == Phase::Won; }
    // The solution line after a lost game (empty otherwise).
    QString solution() const { return m_phase == Phase::Lost ? m_word.noun() : QString(); }
    // The word's picture, shown at the end of a game (empty otherwise, and while it is still
    // being decoded: it is decoded on a worker thread while the game is played).
    const Picture &picture() const { return m_picture; }
    // The size the picture is shown at: it is drawn at that size while decoded.
    void setShownSize(QSize size) { m_queue.setShownSizes(size, size); }

    // The key's text in the keyboard: a blank, the letter, a blank.
    static QString keyText(int key) { return u' ' + kKeys.mid(key, 1) + u' '; }

Q_SIGNALS:
    // Anything shown changed: display, keyboard highlights, drawing, solution or picture.
    void changed();

private:
    // The gallows drawing and the rescue scene taken away.
    void galgenweg();
    bool isFound(QChar c) const;
    void endGame(Phase phase);
    // The end message, then the next game.
    void finish();

    ActivityContext &m_context;
    Phase m_phase = Phase::NoWord;
    // A picture named by its article alone has no letter to guess.
    Deck m_deck{1, Deck::hasNoun};
    Word m_word;
    QString m_foundLetters; // the right letters clicked, as on the keys (upper case, ß)
    int m_wrong = 0;
    std::array<bool, kKeyCount> m_highlighted{};
    Picture m_picture;
    PictureQueue m_queue;
    QString m_waitingFor; // the picture's path while the ended game waits for it
    int m_attempts = 0;
};

} // namespace wortilo
