// SPDX-License-Identifier: MIT
#include "wordframe.h"

#include "core/random.h"
#include "pictures/folder.h"
#include "speech/speaker.h"

namespace wortilo {

WordFrame::WordFrame(ActivityContext &context, StripStyle style, int refillBelow)
    : m_context(context), m_style(style), m_deck(refillBelow), m_pictures(context.pictureLoader())
{
    connect(&m_pictures, &PictureQueue::ready, this, [this](const QString &path, const Picture &picture) {
        if (path != m_waitingFor)
            return;
        m_waitingFor.clear();
        fitPicture(picture);
    });
}

void WordFrame::wortstapel()
{
    m_deck.refill(m_context.activeWords());
}

Word WordFrame::drawWord()
{
    if (m_deck.isShort())
        wortstapel();
    m_word = m_deck.draw(m_context.random());
    return m_word;
}

void WordFrame::neueswort()
{
    if (drawWord().isNull()) {
        // No active word: nothing to show.
        clearPictures();
        return;
    }
    showPicture(m_word);
}

void WordFrame::showPicture(const Word &word)
{
    const QString path = m_context.pictureFolder().resolve(word.entry());
    if (path != m_waitingFor)
        m_pictures.drop(m_waitingFor);
    m_waitingFor.clear();
    if (const std::optional<Picture> picture = m_pictures.take(path)) {
        fitPicture(*picture);
    } else {
        m_waitingFor = path;
        m_loader = Picture();
        m_landscape = Picture();
        m_portrait = Picture();
        Q_EMIT picturesChanged();
    }
    preparePictures();
}

void WordFrame::preparePictures()
{
    // The deck as the next draw finds it: refilled first when it runs short.
    Deck next = m_deck;
    if (next.isShort())
        next.refill(m_context.activeWords());
    preparePicture(next.peek(m_context.random()));
}

void WordFrame::preparePicture(const Word &word)
{
    if (!word.isNull())
        m_pictures.prepare(m_context.pictureFolder().resolve(word.entry()));
}

void WordFrame::fitPicture(const Picture &picture)
{
    m_loader = picture;
    m_landscape = Picture();
    m_portrait = Picture();
    // The loader's natural size in twips (bildbreite × bildhoehe) decides the frame. A picture
    // that cannot be loaded has the size 0 × 0 and so takes the landscape frame, which shows it
    // as a placeholder.
    if (m_loader.isLandscape())
        m_landscape = m_loader;
    else
        m_portrait = m_loader;
    Q_EMIT picturesChanged();
}

void WordFrame::clearPictures()
{
    m_pictures.drop(m_waitingFor);
    m_waitingFor.clear();
    m_landscape = Picture();
    m_portrait = Picture();
    m_loader = Picture();
    Q_EMIT picturesChanged();
}

QString WordFrame::shownText() const
{
    if (!hasWord())
        return {};
    return m_style == StripStyle::Spaced ? m_word.display() : m_word.noun();
}

QList<StripGlyph> WordFrame::spacedGlyphs(const QString &word, const LetterColours &colours)
{
    QList<StripGlyph> glyphs;
    glyphs.reserve(2 * word.size() + 1);
    int colour = colours.consonant;
    glyphs.append({QStringLiteral(" "), colour});
    for (const QChar c : word) {
        colour = colours.of(c);
        glyphs.append({QString(c), colour});
        glyphs.append({QStringLiteral(" "), colour});
    }
    return glyphs;
}

QList<StripGlyph> WordFrame::compactGlyphs(const QString &word, const LetterColours &colours)
{
    QList<StripGlyph> glyphs;
    glyphs.reserve(word.size());
    for (const QChar c : word)
        glyphs.append({QString(c), colours.of(c)});
    return glyphs;
}

void WordFrame::showOnStrip(const QString &word)
{
    m_stripText = word;
    m_strip.clear();
    if (!word.isEmpty()) {
        const LetterColours colours = m_context.letterColours();
        m_strip = m_style == StripStyle::Spaced ? spacedGlyphs(word, colours) : compactGlyphs(word, colours);
    }
    Q_EMIT stripChanged();
}

void WordFrame::wortzeigen()
{
    showOnStrip(hasWord() ? m_word.noun() : QString());
    if (hasWord())
        Q_EMIT wordPresented();
}

void WordFrame::sayWord()
{
    m_context.speaker().sayNoun(spokenWord());
}

void WordFrame::presentNewWord()
{
    neueswort();
    wortzeigen();
}

} // namespace wortilo
