// SPDX-License-Identifier: MIT
#pragma once
#include "activities.h"
#include "widgets/navigation.h"

#include <QPointer>
#include <QWidget>
#include <array>

class QCheckBox;
class QLabel;

namespace wortilo {

class ActivityWindow;
class Form11;
class Session;

// Form1: the main window. It shows the session (name, word count, "Filter"), opens the
// activities from its menu and the settings panels, and ends the program. The activity windows
// hand control back to it.
class Form1 : public QWidget, private Navigation
{
    Q_OBJECT
public:
    explicit Form1(Session &session, const ActivityTable &activities = activityTable(), QWidget *parent = nullptr);
    ~Form1() override;

    // The start-up sequence. Returns false when the folder holds no picture file (after the
    // message): the program must end without writing anything.
    bool startUp();

    // The activity window if it exists (for tests and for closing down).
    ActivityWindow *activityWindow(Activity activity) const;
    Form11 *usageView() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    enum class Panel { Colours, Letters, Options, Name };

    void buildLayout();
    void buildMenu();
    void showWordCount();
    void open(const ActivityRow &row);
    void openUsageView();
    void showWindow(ActivityWindow *window);
    // Navigation
    void returnToMenu() override;
    bool quitting() const override;
    void backToMenu();
    void quitWithConfirmation();
    // Writes the settings file; when that fails, says so (the program ends all the same).
    void saveSettings();
    void endProgram();
    void abgeschaltet();
    // Hides the colour, letter and options panels (not the name panel).
    void tafelnweg();
    // The panel, made when it is first needed.
    QWidget *panel(Panel which);
    // Shows the panel and hides the others, or hides it when it is shown; true when now shown.
    bool togglePanel(Panel which);
    void setPanelShown(Panel which, bool shown);
    bool panelShown(Panel which) const;

    Session &m_session;
    ActivityTable m_activities;
    std::array<QPointer<ActivityWindow>, kActivityCount> m_windows;
    QPointer<Form11> m_usageView;

    QLabel *m_nameLabel = nullptr;  // Label5
    QLabel *m_countLabel = nullptr; // Label7
    QLabel *m_dateLabel = nullptr;  // Label8
    QCheckBox *m_filterBox = nullptr; // Check1
    std::array<QWidget *, 4> m_panels{}; // by Panel; null until first shown
};

} // namespace wortilo
