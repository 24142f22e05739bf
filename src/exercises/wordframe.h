// SPDX-License-Identifier: MIT
#pragma once
#include "pictures/picture.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace wortilo {

class Host;

// How the word strip shows a word: spaced (a blank first and after every letter, the article
// kept in the current word) or compact (letters side by side, the current word is the noun).
enum class StripStyle { Spaced, Compact };

// One piece printed on the word strip, in the order of printing: a character or a blank, and
// the palette index of its colour.
struct StripGlyph {
    QString text;
    int colour = 0;
    friend bool operator==(const StripGlyph &, const StripGlyph &) = default;
};

// The window side of the exercise frame: told when the pictures or the strip have changed.
class WordFrameView
{
public:
    virtual ~WordFrameView() = default;
    virtual void picturesChanged() = 0;
    virtual void stripChanged() = 0;
};

// The exercise frame without widgets: the private deck (List1), the current word (Label1), the
// loader (Image3) and the two picture frames (Image1 landscape, Image2 portrait), and the text
// the word strip shows. Every word exercise owns one.
class WordFrame
{
public:
    // refillBelow: the deck is refilled before a draw when it holds fewer entries than this.
    WordFrame(Host &host, StripStyle style, int refillBelow = 1);
    virtual ~WordFrame();
    WordFrame(const WordFrame &) = delete;
    WordFrame &operator=(const WordFrame &) = delete;

    Host &host() const { return m_host; }
    StripStyle style() const { return m_style; }
    void setView(WordFrameView *view) { m_view = view; }

    // The deck: entries not yet drawn in this pass, in the order of the active list.
    const QStringList &deck() const { return m_deck; }
    // Refills the deck with the active entries.
    void wortstapel();
    // Draws the next word at random from the deck (refilling it first when it runs short),
    // loads its picture and fits it into a frame. With no active entry at all there is no word:
    // the current word is empty and no picture is shown.
    void neueswort();
    // Turns the current word into its display form (spaced) or noun form (compact) and lays out
    // the strip.
    void wortzeigen();

    // The draw of neueswort alone: removes a random entry from the deck and makes it the current
    // word; empty when there is none. No picture is loaded.
    QString drawEntry();
    // Loads the picture of an entry into the loader and shows it in the fitting frame.
    void loadPicture(const QString &entry);
    // Empties the loader and both frames.
    void clearPictures();

    // Label1: the raw entry right after a draw, its display or noun form after wortzeigen.
    const QString &currentWord() const { return m_label1; }
    bool hasWord() const { return !m_label1.isEmpty(); }
    // The noun of the current word after wortzeigen (without the article).
    QString noun() const;

    const Picture &loader() const { return m_image3; }
    const Picture &landscapeFrame() const { return m_image1; }
    const Picture &portraitFrame() const { return m_image2; }

    // What the strip shows after wortzeigen (empty when it is blank).
    const QList<StripGlyph> &strip() const { return m_strip; }

    // The display form of an entry, built letter by letter: DERHUND.JPG → "der Hund".
    static QString displayText(const QString &entry);
    // The strip pieces for a word in the current letter colours.
    static QList<StripGlyph> spacedGlyphs(const QString &word);
    static QList<StripGlyph> compactGlyphs(const QString &word);

protected:
    // Runs at the end of wortzeigen, after the strip has been laid out, when there is a word.
    virtual void wordShown() {}

private:
    void notifyPictures();

    Host &m_host;
    StripStyle m_style;
    int m_refillBelow;
    WordFrameView *m_view = nullptr;
    QStringList m_deck;
    QString m_label1;
    Picture m_image1;
    Picture m_image2;
    Picture m_image3;
    QList<StripGlyph> m_strip;
};

} // namespace wortilo
