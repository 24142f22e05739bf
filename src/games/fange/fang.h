// SPDX-License-Identifier: MIT
#pragma once
#include "widgets/activitywindow.h"

#include <memory>

class QLabel;
class QListWidget;
class QScrollBar;

namespace wortilo {

class CatchGame;
class DrawingSurface;

// fang: the catch game ("Fange"), a figure steered with the arrow keys catches a word's letters.
class Fang : public ActivityWindow
{
    Q_OBJECT
public:
    explicit Fang(ActivityContext &context, Navigation &navigation, QWidget *parent = nullptr);
    ~Fang() override;

    // Centres the window, shows the player's name, fills the word list, prepares a word and gives
    // the field the keyboard.
    void activate() override;

    CatchGame &game() const { return *m_game; }

protected:
    // The window sees every key before the control that has the focus: the arrow keys steer
    // the figure and Escape leaves, wherever the focus is.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void fangzeichnen();
    void showState();
    void showWordList();
    void fanghilfe();
    void fangstopp();

    std::unique_ptr<CatchGame> m_game;
    QListWidget *m_wordList = nullptr;
    QLabel *m_playerName = nullptr;
    QLabel *m_seconds = nullptr;
    QScrollBar *m_speed = nullptr;
    QLabel *m_speedValue = nullptr;
    DrawingSurface *m_field = nullptr;
    QLabel *m_figure = nullptr;
    QLabel *m_caught = nullptr;
    QLabel *m_next = nullptr;
    QLabel *m_rest = nullptr;
};

} // namespace wortilo
