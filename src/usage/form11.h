// SPDX-License-Identifier: MIT
#pragma once
#include "widgets/activitywindow.h"
#include "core/activity.h"

#include <QStringList>
#include <array>

class QAction;
class QLabel;
class QPagedPaintDevice;
class QListWidget;
class QPushButton;

namespace wortilo {

class UsageLog;

// Form11: the usage view ("Kontrolle"): the usage log, one list per activity of the words worked
// through in this run, under the player's name. Closing it by its close box empties the log.
class Form11 : public ActivityWindow
{
    Q_OBJECT
public:
    using Headings = std::array<QString, kActivityCount>;

    Form11(ActivityContext &context, Navigation &navigation, UsageLog &log, const Headings &headings,
           QWidget *parent = nullptr);

    // Centres the window and shows the player's current name.
    void activate() override;

    // The lines a list shows.
    QStringList lines(Activity activity) const;

    // Prints the view: the player's name, today's date and each list under its heading.
    void printTo(QPagedPaintDevice &printer) const;
    // Ctrl+P and "Drucken …" in the lists' context menu: the print dialog, then printTo.
    void print();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QListWidget *list(Activity activity) const;

    UsageLog &m_log;

    QLabel *m_playerName = nullptr;
    QPushButton *m_cancel = nullptr;
    QAction *m_print = nullptr;
    Headings m_headings;
    std::array<QListWidget *, kActivityCount> m_lists{};
};

} // namespace wortilo
