// SPDX-License-Identifier: MIT
#include "colourpanel.h"

#include "core/palette.h"
#include "core/twips.h"
#include "session/session.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/shape.h"

#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

namespace wortilo {

int swatchIndexAt(int xTwips)
{
    return std::clamp(xTwips / 300, 0, kPaletteSize - 1);
}

ColourPanel::ColourPanel(Session &session, QWidget *parent) : DrawingSurface(parent), m_session(session)
{
    setObjectName(QStringLiteral("Picture3"));
    resize(twipsSize(6855, 2535));
    setFont(verdana(9.75));
    setBackgroundColor(QColor(128, 255, 255));
    connect(this, &DrawingSurface::pressed, this, &ColourPanel::pick);

    m_consonantSample = addShape(this, QStringLiteral("Shape2"), QRect(3240, 105, 1455, 255), Qt::black);
    m_vowelSample = addShape(this, QStringLiteral("Shape3"), QRect(3240, 1605, 1455, 255), Qt::black);

    m_background = new DrawingSurface(this);
    m_background->setObjectName(QStringLiteral("Hintergrund"));
    setAccessibleContent(m_background, QStringLiteral("Hintergrundfarbe"), QString());
    m_background->setGeometry(twipsRect(4800, 0, 2055, 2535));
    m_background->setFont(verdana(12));
    m_background->setBackgroundColor(Qt::black);
    const char *const names[] = {"VScroll1", "VScroll2", "VScroll3"};
    const char *const purposes[] = {"Rot", "Grün", "Blau"};
    for (int i = 0; i < 3; ++i) {
        auto *bar = new QScrollBar(Qt::Vertical, m_background);
        bar->setObjectName(QString::fromLatin1(names[i]));
        bar->setAccessibleName(QStringLiteral("Hintergrund ") + QString::fromUtf8(purposes[i]));
        bar->setGeometry(twipsRect(240 + 600 * i, 480, 375, 1815));
        bar->setRange(0, 255);
        bar->setSingleStep(1);
        bar->setPageStep(16);
        // Every change, also while the thumb is dragged, shows the new background.
        connect(bar, &QScrollBar::valueChanged, this, [this, i](int value) { m_session.setBackgroundValue(i, value); });
        m_scrollBars[std::size_t(i)] = bar;
    }

    farbfelder();
    showColours();
    showBackgroundValues();
    connect(&session, &Session::coloursChanged, this, &ColourPanel::showColours);
    connect(&session, &Session::backgroundValuesChanged, this, &ColourPanel::showBackgroundValues);
    connect(&session, &Session::backgroundApplied, this, &ColourPanel::drawSample);
}

void ColourPanel::farbfelder()
{
    clear();
    const QColor text = Qt::black;
    const QString consonants = QStringLiteral("Farbe der Mitlaute:");
    const QString vowels = QStringLiteral("Farbe der Selbstlaute:");
    setAccessibleContent(this, QStringLiteral("Buchstabenfarben"), consonants + u' ' + vowels);
    setCurrentPos(QPoint(100, 100));
    print(consonants, text);
    for (int i = 0; i < kPaletteSize; ++i)
        drawRect(QRect(QPoint(300 * i, 500), QPoint(300 * i + 300, 1000)), paletteColor(i), text);
    setCurrentPos(QPoint(100, 1600));
    print(vowels, text);
    for (int i = 0; i < kPaletteSize; ++i)
        drawRect(QRect(QPoint(300 * i, 2000), QPoint(300 * i + 300, 2500)), paletteColor(i), text);
}

void ColourPanel::pick(QPoint pos)
{
    const int index = swatchIndexAt(pos.x());
    if (pos.y() < 1100) {
        m_session.setConsonantColour(index);
        m_session.farbprobe();
    } else if (pos.y() > 1800) {
        m_session.setVowelColour(index);
        m_session.farbprobe();
    }
}

void ColourPanel::showColours()
{
    const LetterColours colours = m_session.letterColours();
    m_consonantSample->setFillColor(paletteColor(colours.consonant));
    m_vowelSample->setFillColor(paletteColor(colours.vowel));
}

void ColourPanel::showBackgroundValues()
{
    for (int i = 0; i < 3; ++i) {
        const QSignalBlocker quiet(m_scrollBars[std::size_t(i)]);
        m_scrollBars[std::size_t(i)]->setValue(m_session.backgroundValue(i));
    }
}

void ColourPanel::drawSample()
{
    m_background->setBackgroundColor(m_session.background());
    const LetterColours colours = m_session.letterColours();
    for (const QChar c : QStringLiteral("Hintergrund")) {
        if (QStringLiteral("ieu").contains(c))
            m_background->print(QString(c), paletteColor(colours.vowel));
        else if (QStringLiteral("Hntrgnd").contains(c))
            m_background->print(QString(c), paletteColor(colours.consonant));
    }
    setAccessibleContent(m_background, QStringLiteral("Hintergrundfarbe"), QStringLiteral("Hintergrund"));
}

} // namespace wortilo
