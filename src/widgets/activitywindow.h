// SPDX-License-Identifier: MIT
#pragma once
#include "navigation.h"

#include <QColor>
#include <QWidget>

class QPushButton;

namespace wortilo {

class ActivityContext;

// Base of every window opened from the main window's menu. The main window creates it on
// first use, then only hides and shows it; it calls activate() each time it shows it.
// Leaving by the cancel button hides the window and hands control back; closing it by its
// close box hands control back too and discards the window (and with it its state). The window
// and its engine work with the activity context; only the window knows the way back.
class ActivityWindow : public QWidget
{
    Q_OBJECT
public:
    // The background of the activity windows, unless one paints its own.
    static inline const QColor kBackground = QColor(192, 192, 255);

    explicit ActivityWindow(ActivityContext &context, Navigation &navigation, QWidget *parent = nullptr);

    // Runs every time the main window shows this window (not on Qt's window activation, which
    // also fires when a message box closes).
    virtual void activate() {}

    ActivityContext &context() const { return m_context; }

protected:
    // True once the program is ending.
    bool quitting() const { return m_navigation.quitting(); }
    // Fixed client area in twips; the window is not resizable unless resizable is set.
    void setClientSizeTwips(int width, int height, bool resizable = false);
    // The window's object name, its title and its fixed client area in twips.
    void setUpWindow(const QString &name, const QString &title, int width, int height);
    // "Abbruch . . .": runs cancelClicked.
    QPushButton *addCancelButton(const QString &name, const QRect &twips, const QFont &font);
    // What the cancel button does: back to the main window (leave); a window that must first put
    // its game or pictures aside does that before.
    virtual void cancelClicked() { leave(); }
    // "Hilfe": shows the activity's help text in a message box.
    QPushButton *addHelpButton(const QString &name, const QRect &twips, const QFont &font, const QString &helpCaption,
                               const QString &helpText);
    // Centres the window on the screen, title bar and borders included.
    void centre();
    // Hides the window and shows the main window (the cancel button); what is being said stops,
    // as it does when the window is closed.
    void leave();
    // For a window that finds no word it can use: once it is shown, the menu's message for no
    // words, then back to the main window.
    void refuseWithoutWords();

    void closeEvent(QCloseEvent *event) override;

private:
    ActivityContext &m_context;
    Navigation &m_navigation;
};

} // namespace wortilo
