// SPDX-License-Identifier: MIT
#pragma once
#include "menupanel.h"
#include "session/session.h"

class QCheckBox;

namespace wortilo {

// Picture5, the options panel: the four switches of the session ("Bestätigungen aktivieren",
// "Farbeinstellungen aktivieren", "Namenseingabe aktivieren", "Wortfilterauswahl aktivieren")
// and "X", which closes the panel.
class OptionsPanel : public MenuPanel
{
    Q_OBJECT
public:
    OptionsPanel(Session &session, QWidget *parent);

private:
    void showSwitches();

    Session &m_session;
    QList<std::pair<QCheckBox *, bool Switches::*>> m_boxes;
};

} // namespace wortilo
