// SPDX-License-Identifier: MIT
#pragma once
#include "menupanel.h"

class QLineEdit;

namespace wortilo {

class Session;

// Picture6, the name panel: the player types a new name into Text1 and confirms it with
// "Fertig!" (which also empties the usage view) or leaves it with "Abbruch".
class NamePanel : public MenuPanel
{
    Q_OBJECT
public:
    NamePanel(Session &session, QWidget *parent);

    // Puts the current name into the text field, selected, with the keyboard focus.
    void startEditing();

private:
    Session &m_session;
    QLineEdit *m_text = nullptr;
};

} // namespace wortilo
