// SPDX-License-Identifier: MIT
#pragma once
#include "pictures/folder.h"
#include "core/host.h"
#include "words/wordstore.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace wortilo {

class ActivityWindow;
class ColourPanel;
class DrawingSurface;
class Form11;
class Messages;
class Shape;

// Form1: the main window with the menu, the word count, the "Filter" switch and the four
// settings panels. It owns the shared state the activity windows read.
class Form1 : public QWidget, public Host
{
    Q_OBJECT
public:
    // The activities opened from the menu, in the order of their buttons' table.
    enum class Activity { Lesen, Begleiter, Ergaenzen, Abschrift, Diktat, Wortwahl, Bildwahl, Memory, Galgen, Teppich, Abc, Fange, Count };
    using Factory = std::function<ActivityWindow *(Host &)>;

    Form1(Messages &messages, const QString &folder, QWidget *parent = nullptr);
    ~Form1() override;

    // The start-up sequence. Returns false when the folder holds no picture file (after the
    // message): the program must end without writing anything.
    bool startUp();
    // Installs the window class of an activity; the menu creates it on first use.
    void setFactory(Activity activity, Factory factory);

    // Host
    QStringList activeEntries() const override { return m_store.activeEntries(); }
    QColor background() const override;
    bool confirmationsOn() const override;
    QString playerName() const override;
    void appendUsage(UsageList list, const QString &line) override;
    Messages &messages() override { return m_messages; }
    const PictureFolder &pictureFolder() const override { return m_folder; }
    void returnToMenu() override;
    bool quitting() const override { return m_quitting; }

    const WordStore &wordStore() const { return m_store; }
    // The activity window if it exists (for tests and for closing down).
    ActivityWindow *activityWindow(Activity activity) const;
    Form11 *usageView() const;

    void wortliste();
    void inisave();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildLayout();
    void buildPanels();
    void bildersuchen();
    void iniload();
    void filtern();
    void farbfelder();
    void farbprobe();
    void tafelnweg();
    void abgeschaltet();
    void showLabel7();
    void activate();
    void openActivity(Activity activity, int minimum, bool messageA, bool hidePanels);
    void openUsageView();
    void showWindow(ActivityWindow *window);
    void quitWithConfirmation();
    void endProgram();
    void onFilterToggled(bool checked);
    void onLetterClicked(int row);
    void refreshLetterList();
    std::array<QWidget *, 4> panels() const;
    // Shows the panel and hides the others, or hides it when it is shown; true when now shown.
    bool togglePanel(QWidget *panel);
    void setPanelShown(QWidget *panel, bool shown);
    bool panelShown(const QWidget *panel) const;
    void setConsonantColour(int index);
    void setVowelColour(int index);
    void onColourPanelPress(QPoint twipsPos);
    void setShapeColour(Shape *shape, int index);

    Messages &m_messages;
    PictureFolder m_folder;
    WordStore m_store;
    bool m_quitting = false;
    bool m_filterGuard = false;

    std::array<Factory, int(Activity::Count)> m_factories;
    std::array<QPointer<ActivityWindow>, int(Activity::Count)> m_windows;
    QPointer<Form11> m_usage;

    // Main window
    QLabel *m_label5 = nullptr; // player's name
    QLabel *m_label7 = nullptr; // word count
    QLabel *m_label8 = nullptr; // date
    QCheckBox *m_check1 = nullptr; // "Filter"
    // Options panel
    QWidget *m_picture5 = nullptr;
    QCheckBox *m_check2 = nullptr, *m_check3 = nullptr, *m_check4 = nullptr, *m_check5 = nullptr;
    // Colour panel
    ColourPanel *m_picture3 = nullptr;
    Shape *m_shape2 = nullptr, *m_shape3 = nullptr;
    DrawingSurface *m_hintergrund = nullptr;
    std::array<QScrollBar *, 3> m_vscroll{};
    // Letter panel
    QWidget *m_picture4 = nullptr;
    QListWidget *m_list1 = nullptr, *m_list3 = nullptr;
    // Name panel
    QWidget *m_picture6 = nullptr;
    QLineEdit *m_text1 = nullptr;
};

} // namespace wortilo
