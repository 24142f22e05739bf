// SPDX-License-Identifier: MIT
#pragma once
#include <QFrame>

class QPushButton;

namespace wortilo {

// A panel that the main window shows over its menu (letters, options, name): a light-cyan frame
// with a button of its own that asks the main window to close it.
class MenuPanel : public QFrame
{
    Q_OBJECT
Q_SIGNALS:
    void closeRequested();

protected:
    // The panel with its object name and its size in twips.
    MenuPanel(const QString &name, QSize twips, QWidget *parent);

    // The button that asks for the panel to be closed.
    QPushButton *addCloseButton(const QString &name, const QString &caption, const QRect &twips, const QFont &font);
};

} // namespace wortilo
