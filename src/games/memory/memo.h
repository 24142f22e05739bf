// SPDX-License-Identifier: MIT
#pragma once
#include "memorygame.h"
#include "widgets/activitywindow.h"

#include <QFont>
#include <array>

class QLabel;
class QPushButton;

namespace wortilo {

class DrawingSurface;

// memo: the memory window. The nouns are printed on a drawing surface that fills the window;
// the eighteen card labels lie on top of it and hide the nouns while they are shown.
class Memo : public ActivityWindow
{
    Q_OBJECT
public:
    static inline const QColor kCardColour = QColor(224, 224, 224);

    explicit Memo(ActivityContext &context, Navigation &navigation, QWidget *parent = nullptr);

    // The background colour from the colour panel, then a new game.
    void activate() override;

    MemoryGame &game() { return m_game; }
    DrawingSurface *board() const { return m_board; }
    // The label of card k (1..18).
    QLabel *card(int k) const { return m_cards[std::size_t(k - 1)]; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Forgets the board before leaving.
    void cancelClicked() override;
    QFont nounFont(const QString &noun) const;
    void printNouns();
    void frameCards(int a, int b);
    void showCards();
    int cardOf(QObject *object) const;

    MemoryGame m_game;
    DrawingSurface *m_board = nullptr;
    QFont m_nounFont;
    std::array<QLabel *, MemoryGame::kCards> m_cards{};
    QPushButton *m_start = nullptr;
    int m_pressedCard = 0;
};

} // namespace wortilo
