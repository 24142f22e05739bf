// SPDX-License-Identifier: MIT
#include "optionspanel.h"

#include "core/twips.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"

#include <QCheckBox>
#include <QPushButton>

namespace wortilo {

OptionsPanel::OptionsPanel(Session &session, QWidget *parent)
    : MenuPanel(QStringLiteral("Picture5"), QSize(4095, 2295), parent), m_session(session)
{
    addShape(this, QStringLiteral("Shape4"), QRect(60, 60, 3975, 2175), Qt::transparent, QColor(0, 0, 128));

    const struct {
        const char *name;
        const char *text;
        int top;
        bool Switches::*which;
    } switches[] = {
        {"Check2", "Bestätigungen aktivieren", 360, &Switches::confirmations},
        {"Check3", "Farbeinstellungen aktivieren", 840, &Switches::colourSettings},
        {"Check5", "Namenseingabe aktivieren", 1320, &Switches::nameEntry},
        {"Check4", "Wortfilterauswahl aktivieren", 1800, &Switches::letterFilter},
    };
    for (const auto &s : switches) {
        auto *box = new QCheckBox(QString::fromUtf8(s.text), this);
        box->setObjectName(QString::fromLatin1(s.name));
        box->setGeometry(twipsRect(240, s.top, 3780, 375));
        box->setFont(verdana(8.25));
        connect(box, &QCheckBox::toggled, this, [this, which = s.which](bool on) { m_session.setSwitch(which, on); });
        m_boxes.append({box, s.which});
    }
    auto *close = addCloseButton(QStringLiteral("Command23"), QStringLiteral("X"), QRect(3660, 60, 375, 300),
                                 verdana(9.75));
    close->setAccessibleName(QStringLiteral("Optionen schließen"));

    showSwitches();
    connect(&session, &Session::switchesChanged, this, &OptionsPanel::showSwitches);
}

void OptionsPanel::showSwitches()
{
    for (const auto &[box, which] : m_boxes)
        box->setChecked(m_session.switches().*which);
}

} // namespace wortilo
