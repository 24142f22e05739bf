// SPDX-License-Identifier: MIT
#pragma once
#include "widgets/activitywindow.h"
#include "core/host.h"

#include <QStringList>
#include <array>

class QLabel;
class QListWidget;
class QPushButton;

namespace wortilo {

// Form11: the usage view ("Kontrolle"), one list per activity of the words worked through in this run.
class Form11 : public ActivityWindow
{
    Q_OBJECT
public:
    explicit Form11(Host &host, QWidget *parent = nullptr);

    // Centres the window and shows the player's current name.
    void activate() override;

    // Adds a line at the end of one list (no sorting); works while the window is hidden.
    void append(UsageList list, const QString &line);
    // Empties all twelve lists (a new name was confirmed).
    void clearAll();
    QStringList lines(UsageList list) const;

    // The heading of a list as the view shows it ("Lesen", "Ergänzen", ...).
    static QString heading(UsageList list);

private:
    QListWidget *list(UsageList list) const;

    QLabel *m_label1 = nullptr;
    QPushButton *m_command1 = nullptr;
    std::array<QListWidget *, kUsageListCount> m_lists{};
};

} // namespace wortilo
