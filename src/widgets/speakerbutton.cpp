// SPDX-License-Identifier: MIT
#include "speakerbutton.h"

#include "core/palette.h"
#include "core/twips.h"
#include "speech/speaker.h"

#include <QPainter>
#include <QPainterPath>

namespace wortilo {

QPixmap loudspeaker(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = size / 16.0; // drawn on a 16 × 16 grid
    // The outline in the brown of the menu's slate, the magnet blue, the cone yellow.
    const QPen outline(QColor(128, 64, 0), std::max(1.0, u));
    p.setPen(outline);
    p.setBrush(paletteColor(9));
    p.drawRect(QRectF(1.5 * u, 5.5 * u, 3 * u, 5 * u));
    QPainterPath cone;
    cone.moveTo(4.5 * u, 5.5 * u);
    cone.lineTo(8.5 * u, 2 * u);
    cone.lineTo(8.5 * u, 14 * u);
    cone.lineTo(4.5 * u, 10.5 * u);
    cone.closeSubpath();
    p.setBrush(paletteColor(14));
    p.drawPath(cone);
    // The sound waves, in the red of the menu's letters.
    p.setPen(QPen(paletteColor(12), std::max(1.0, 1.3 * u), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6 * u, 5 * u, 6 * u, 6 * u), -50 * 16, 100 * 16);
    p.drawArc(QRectF(5 * u, 2.5 * u, 10 * u, 11 * u), -50 * 16, 100 * 16);
    return pm;
}

SpeakerButton::SpeakerButton(QWidget *parent) : QPushButton(parent)
{
    setObjectName(QStringLiteral("Vorlesen"));
    setAccessibleName(QStringLiteral("Wort vorlesen"));
    setFocusPolicy(Qt::NoFocus);
    // Drawn for each size, so that no size is scaled from another; the icon fills the button's
    // height, less its frame.
    QIcon icon;
    for (const int size : {16, 20, 24, 32})
        icon.addPixmap(loudspeaker(size));
    setIcon(icon);
    setIconSize(QSize(20, 20));
    setEnabled(false);
}

void SpeakerButton::setSpeaker(Speaker *speaker)
{
    disconnect(m_availability);
    m_speaker = speaker;
    if (speaker)
        m_availability = connect(speaker, &Speaker::availabilityChanged, this, &SpeakerButton::followAvailability);
    followAvailability();
}

SpeakerButton *addSpeakerButton(QWidget *parent, const QRect &twips, Speaker &speaker)
{
    auto *button = new SpeakerButton(parent);
    button->setGeometry(twipsRect(twips));
    const int side = std::clamp(button->height() - 6, 16, 32);
    button->setIconSize(QSize(side, side));
    button->setSpeaker(&speaker);
    return button;
}

void SpeakerButton::followAvailability()
{
    const QString reason = m_speaker ? m_speaker->unavailableReason() : QString();
    setEnabled(m_speaker && reason.isEmpty());
    setToolTip(reason);
}

} // namespace wortilo
