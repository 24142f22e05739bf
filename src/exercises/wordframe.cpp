// SPDX-License-Identifier: MIT
#include "wordframe.h"

#include "pictures/folder.h"
#include "core/germantext.h"
#include "core/globals.h"
#include "core/host.h"
#include "core/random.h"

namespace wortilo {

WordFrame::WordFrame(Host &host, StripStyle style, int refillBelow)
    : m_host(host), m_style(style), m_refillBelow(refillBelow)
{
}

WordFrame::~WordFrame() = default;

void WordFrame::wortstapel()
{
    m_deck = m_host.activeEntries();
}

QString WordFrame::drawEntry()
{
    if (m_deck.size() < m_refillBelow)
        wortstapel();
    if (m_deck.isEmpty()) {
        m_label1.clear();
        return {};
    }
    m_label1 = m_deck.takeAt(rng().index(int(m_deck.size())));
    return m_label1;
}

void WordFrame::neueswort()
{
    const QString entry = drawEntry();
    if (entry.isEmpty()) {
        // No active word: nothing to show, and no picture size to pass on.
        bildbreite = 0;
        bildhoehe = 0;
        clearPictures();
        return;
    }
    loadPicture(entry);
}

void WordFrame::loadPicture(const QString &entry)
{
    m_image3 = Picture::load(m_host.pictureFolder().resolve(entry));
    m_image1 = Picture();
    m_image2 = Picture();
    const QSize size = m_image3.naturalSizeTwips();
    bildbreite = size.width();
    bildhoehe = size.height();
    // A picture that cannot be loaded has the size 0 × 0 and so takes the landscape frame,
    // which shows it as a placeholder.
    if (bildbreite >= bildhoehe)
        m_image1 = m_image3;
    else
        m_image2 = m_image3;
    notifyPictures();
}

void WordFrame::clearPictures()
{
    m_image1 = Picture();
    m_image2 = Picture();
    m_image3 = Picture();
    notifyPictures();
}

void WordFrame::notifyPictures()
{
    if (m_view)
        m_view->picturesChanged();
}

QString WordFrame::displayText(const QString &entry)
{
    QString s = germanUpper(entry);
    const qsizetype dot = s.indexOf(u'.');
    if (dot >= 0)
        s.truncate(dot);
    for (const QLatin1StringView article : {QLatin1StringView("DER"), QLatin1StringView("DIE"), QLatin1StringView("DAS")})
        if (s.left(3) == article)
            s = s.left(3) + u' ' + s.mid(3);
    return germanLower(s.left(4)) + germanUpper(s.mid(4, 1)) + germanLower(s.mid(5));
}

QList<StripGlyph> WordFrame::spacedGlyphs(const QString &word)
{
    QList<StripGlyph> glyphs;
    glyphs.reserve(2 * word.size() + 1);
    int colour = mitlautfarbe;
    glyphs.append({QStringLiteral(" "), colour});
    for (const QChar c : word) {
        colour = letterColor(c, mitlautfarbe, selbstlautfarbe);
        glyphs.append({QString(c), colour});
        glyphs.append({QStringLiteral(" "), colour});
    }
    return glyphs;
}

QList<StripGlyph> WordFrame::compactGlyphs(const QString &word)
{
    QList<StripGlyph> glyphs;
    glyphs.reserve(word.size());
    for (const QChar c : word)
        glyphs.append({QString(c), letterColor(c, mitlautfarbe, selbstlautfarbe)});
    return glyphs;
}

void WordFrame::wortzeigen()
{
    m_strip.clear();
    if (!m_label1.isEmpty()) {
        const QString display = displayText(m_label1);
        if (m_style == StripStyle::Spaced) {
            m_label1 = display;
            m_strip = spacedGlyphs(display.mid(4));
        } else {
            m_label1 = display.mid(4);
            m_strip = compactGlyphs(m_label1);
        }
    }
    if (m_view)
        m_view->stripChanged();
    if (hasWord())
        wordShown();
}

QString WordFrame::noun() const
{
    return m_style == StripStyle::Spaced ? m_label1.mid(4) : m_label1;
}

} // namespace wortilo
