// SPDX-License-Identifier: MIT
#pragma once
#include "menupanel.h"

class QListWidget;

namespace wortilo {

class Session;

// Picture4, the letter panel ("Laute"): the thirty letters to choose (List1), the nouns written
// with the chosen letters only (List3), and "Abbruch", "A l l e" and "Keiner".
class LetterPanel : public MenuPanel
{
    Q_OBJECT
public:
    LetterPanel(Session &session, QWidget *parent);

private:
    void showWords();

    Session &m_session;
    QListWidget *m_letters = nullptr;
    QListWidget *m_nouns = nullptr;
    bool m_showing = false;
};

} // namespace wortilo
