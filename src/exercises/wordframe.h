// SPDX-License-Identifier: MIT
#pragma once
#include "core/deck.h"
#include "core/activitycontext.h"
#include "pictures/picture.h"
#include "pictures/pictureloader.h"

#include <QList>
#include <QObject>
#include <QString>

namespace wortilo {

// How the word strip shows a word: spaced (a blank first and after every letter; the shown text
// is the display form with the article) or compact (letters side by side; the shown text is the
// noun).
enum class StripStyle { Spaced, Compact };

// One piece printed on the word strip, in the order of printing: a character or a blank, and
// the palette index of its colour.
struct StripGlyph {
    QString text;
    int colour = 0;
    friend bool operator==(const StripGlyph &, const StripGlyph &) = default;
};

// The exercise frame without widgets: the private deck, the current word, the loader and the
// two picture frames (landscape and portrait), and what the word strip shows. Every word
// exercise owns one (or a class derived from it); its window shows what the signals announce.
class WordFrame : public QObject
{
    Q_OBJECT
public:
    // refillBelow: the deck is refilled before a draw when it holds fewer words than this.
    WordFrame(ActivityContext &context, StripStyle style, int refillBelow = 1);

    ActivityContext &context() const { return m_context; }
    StripStyle style() const { return m_style; }

    // The deck: words not yet drawn in this pass, in the order of the active list.
    const QList<Word> &deck() const { return m_deck.words(); }
    // Refills the deck with the active words (only those with a noun, where the exercise asks
    // for nouns only).
    void wortstapel();
    // Draws the next word at random from the deck, loads its picture and fits it into a frame.
    // With no active word at all there is no word and no picture.
    void neueswort();
    // Lays out the strip for the current word and announces the word (wordPresented).
    void wortzeigen();
    // A new word: neueswort, then wortzeigen. Exercises that present their task in another way
    // override it; the window calls it at activation and for "<<" and ">>".
    virtual void presentNewWord();

    // The draw of neueswort alone: removes a random word from the deck (refilling it first when
    // it runs short) and makes it the current word; a null word when there is none.
    Word drawWord();
    const Word &currentWord() const { return m_word; }
    bool hasWord() const { return !m_word.isNull(); }
    // The text the exercise reads its answer from: the display form (spaced) or the noun
    // (compact) of the current word.
    QString shownText() const;

    // Loads the picture of a word into the loader and shows it in the fitting frame. A picture
    // decoded ahead is handed over at once; otherwise both frames stay empty until it is decoded
    // on a worker thread. Then the picture of the word that comes next is decoded ahead.
    void showPicture(const Word &word);
    // The sizes the window shows landscape and portrait pictures at: they are drawn at that size
    // while they are decoded.
    void setShownSizes(QSize landscape, QSize portrait) { m_pictures.setShownSizes(landscape, portrait); }
    // The pictures decoded ahead, or being decoded.
    const PictureQueue &pictureQueue() const { return m_pictures; }
    // Empties the loader and both frames.
    void clearPictures();
    const Picture &loader() const { return m_loader; }
    const Picture &landscapeFrame() const { return m_landscape; }
    const Picture &portraitFrame() const { return m_portrait; }

    // What the strip shows after wortzeigen (empty when it is blank), and the word drawn there.
    const QList<StripGlyph> &strip() const { return m_strip; }
    const QString &stripText() const { return m_stripText; }
    // The strip pieces of a word in the given letter colours.
    static QList<StripGlyph> spacedGlyphs(const QString &word, const LetterColours &colours);
    static QList<StripGlyph> compactGlyphs(const QString &word, const LetterColours &colours);

    // The word the window shows for its speaker button: the task word (a null word with none).
    virtual Word spokenWord() const { return m_word; }
    // The speaker button: says the noun of spokenWord().
    void sayWord();

    // An answer is handled in the confirming phase (its message box may be open): further
    // answers and moves are ignored until it is done, so a double click answers once.
    enum class Phase { Answering, Confirming };
    Phase phase() const { return m_phase; }
    bool isBusy() const { return m_phase == Phase::Confirming; }

Q_SIGNALS:
    void picturesChanged();
    void stripChanged();
    // A word was presented (after every wortzeigen with a word: at activation, "<<", ">>" and
    // after a right answer).
    void wordPresented();

protected:
    // Starts decoding the pictures the exercise will show next: the picture of the word the deck
    // gives next.
    virtual void preparePictures();
    void preparePicture(const Word &word);

    // For an exercise whose task is the noun itself: a picture named by its article alone is
    // never drawn.
    void setNounsOnly(bool nounsOnly) { m_deck.setAdmits(nounsOnly ? Deck::Admits(Deck::hasNoun) : Deck::Admits()); }

    // Draws a word on the strip in the frame's style and the letter colours (an empty word
    // leaves the strip blank).
    void showOnStrip(const QString &word);

    // Holds the frame in the confirming phase for its lifetime.
    class ConfirmingScope
    {
    public:
        explicit ConfirmingScope(WordFrame &frame) : m_frame(frame), m_was(frame.m_phase)
        {
            frame.m_phase = Phase::Confirming;
        }
        ~ConfirmingScope() { m_frame.m_phase = m_was; }
        ConfirmingScope(const ConfirmingScope &) = delete;
        ConfirmingScope &operator=(const ConfirmingScope &) = delete;

    private:
        WordFrame &m_frame;
        Phase m_was;
    };

private:
    void fitPicture(const Picture &picture);

    ActivityContext &m_context;
    StripStyle m_style;
    Deck m_deck;
    Word m_word;
    Picture m_landscape;
    Picture m_portrait;
    Picture m_loader;
    PictureQueue m_pictures;
    QString m_waitingFor; // the path of the picture to show when it is decoded
    QList<StripGlyph> m_strip;
    QString m_stripText;
    Phase m_phase = Phase::Answering;
};

} // namespace wortilo
