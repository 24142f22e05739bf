// SPDX-License-Identifier: MIT
#pragma once
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QRect>

namespace wortilo {

class Speaker;

// A loudspeaker with two sound waves, size × size pixels, on a transparent ground.
QPixmap loudspeaker(int size);

// The button that has the current word said ("Wort vorlesen"). It never takes the keyboard
// focus, so typing goes on where it was; while the speaker cannot speak it is disabled and its
// tooltip says why. A click only emits clicked(): the window decides what is said.
class SpeakerButton : public QPushButton
{
    Q_OBJECT
public:
    explicit SpeakerButton(QWidget *parent = nullptr);

    // The speaker whose availability the button follows (none: disabled, no tooltip).
    void setSpeaker(Speaker *speaker);

private:
    void followAvailability();

    QPointer<Speaker> m_speaker;
    QMetaObject::Connection m_availability;
};

// A speaker button placed in twips that follows the speaker's availability.
SpeakerButton *addSpeakerButton(QWidget *parent, const QRect &twips, Speaker &speaker);

} // namespace wortilo
