// SPDX-License-Identifier: MIT
#pragma once
#include <QFrame>

class QLineEdit;

namespace wortilo {

class Session;

// Picture6, the name panel: the player types a new name into Text1 and confirms it with
// "Fertig!" (which also empties the usage view) or leaves it with "Abbruch".
class NamePanel : public QFrame
{
    Q_OBJECT
public:
    NamePanel(Session &session, QWidget *parent);

    // Puts the current name into the text field, selected, with the keyboard focus.
    void startEditing();

Q_SIGNALS:
    void closeRequested();

private:
    Session &m_session;
    QLineEdit *m_text = nullptr;
};

} // namespace wortilo
