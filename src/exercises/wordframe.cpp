// SPDX-License-Identifier: MIT
#include "wordframe.h"

#include "core/globals.h"
#include "core/random.h"
#include "pictures/folder.h"

namespace wortilo {

WordFrame::WordFrame(Host &host, StripStyle style, int refillBelow)
    : m_host(host), m_style(style), m_deck(refillBelow)
{
}

void WordFrame::wortstapel()
{
    m_deck.refill(m_host.activeWords());
}

Word WordFrame::drawWord()
{
    if (m_deck.isShort())
        wortstapel();
    m_word = m_deck.draw(m_host.random());
    return m_word;
}

void WordFrame::setCurrentWord(const Word &word)
{
    m_word = word;
}

void WordFrame::neueswort()
{
    if (drawWord().isNull()) {
        // No active word: nothing to show, and no picture size to pass on.
        bildbreite = 0;
        bildhoehe = 0;
        clearPictures();
        return;
    }
    showPicture(m_word);
}

void WordFrame::showPicture(const Word &word)
{
    m_loader = Picture::load(m_host.pictureFolder().resolve(word.entry()));
    m_landscape = Picture();
    m_portrait = Picture();
    const QSize size = m_loader.naturalSizeTwips();
    bildbreite = size.width();
    bildhoehe = size.height();
    // A picture that cannot be loaded has the size 0 × 0 and so takes the landscape frame,
    // which shows it as a placeholder.
    if (bildbreite >= bildhoehe)
        m_landscape = m_loader;
    else
        m_portrait = m_loader;
    Q_EMIT picturesChanged();
}

void WordFrame::clearPictures()
{
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
        const LetterColours colours = m_host.letterColours();
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

void WordFrame::presentNewWord()
{
    neueswort();
    wortzeigen();
}

} // namespace wortilo
