// SPDX-License-Identifier: MIT
#pragma once
#include "core/activity.h"
#include "support/manualclock.h"
#include "support/randommessages.h"
#include "words/settingsfile.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QMap>
#include <QPoint>
#include <QStringList>
#include <array>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <thread>

class QWidget;

namespace wortilo {
class Form1;
class Session;
} // namespace wortilo

namespace wortilo::test {

// A monkey: the whole program (main window, real session on a picture folder, every activity),
// driven for many steps by random but valid input a child could give: clicks and double clicks
// anywhere in the visible window, drags, the mouse wheel, typed letters and keys to the focused
// control, timer ticks, a window's border dragged, close boxes, context menus, every message box
// answered OK, Yes or No, and now and then the input that gets an activity on (the right word,
// letter, cell, picture or drag). After every step it checks what must hold whatever the child
// does:
//  - exactly one window is visible: the main window, one activity window or the usage view;
//  - no box is left open, none opened while another was open, no other modal window opened;
//  - no timer runs while the catch game's window is not visible;
//  - the usage lists only grow, unless a name was confirmed or the usage view closed by its
//    close box, and the usage view shows what was recorded;
//  - the main window's word count and "Filter" show the session's;
//  - "Beenden" or the main window's close box end the run with no window left, WORTILO.INI
//    written whole (ten lines) with the settings the program had, and the next start (the run
//    goes on with a fresh main window) reads the same settings back.
// A step that never ends is reported by a watchdog.
//
// Everything random comes from one seeded generator and the clock is the test's, so a seed
// replays a run (only Qt's own timers, such as a scroll bar's repeat while held, run on real time).
class Monkey
{
public:
    struct Options {
        QString folder;
        quint64 seed = 1;
        // The folder changes under the running program now and then: a picture is spoilt
        // (deleted, cut short, replaced by a folder or a FIFO) or put back.
        bool changeFolder = false;
        // A step that takes longer is a hang: the watchdog prints the replay and aborts.
        int stepTimeoutSeconds = 120;
    };

    explicit Monkey(const Options &options);
    ~Monkey();
    Monkey(const Monkey &) = delete;
    Monkey &operator=(const Monkey &) = delete;

    // Plays the steps; false at the first broken invariant.
    bool run(int steps);
    // What broke, with the seed, the step and the last actions.
    QString failure() const { return m_failure; }
    // What the run did: steps per window, boxes per caption, restarts, the slowest input.
    QString summary() const;

private:
    void start();
    void endAndRestart();
    QList<QWidget *> programWindows() const;
    QWidget *visibleWindow() const;

    void step();
    void clickSomewhere(QWidget *window);
    void clickButton(QWidget *window);
    void drag(QWidget *window);
    void turnWheel(QWidget *window);
    void resize(QWidget *window);
    void typeText(QWidget *window);
    void pressKey(QWidget *window);
    void tick();
    void closeBox(QWidget *window);
    void hint(QWidget *window);
    void changeFolder();
    void whileBoxOpen();
    void dealWithPopups();
    void dealWithModal();

    void click(QWidget *window, QPoint at, Qt::MouseButton button = Qt::LeftButton, bool twice = false);
    void type(QWidget *window, const QString &text);
    void key(QWidget *window, Qt::Key key, const QString &text = QString(),
             Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    QPoint pointIn(QWidget *window, QWidget *child);
    void settle();
    // Delivers one input (a click, a key, a wheel turn, a drag's press, move or release, the
    // window's border dragged, time passing) and times the window's answer to it; an input given
    // meanwhile (in a popup's event loop) is timed on its own.
    void timed(const std::function<void()> &deliver);

    bool chance(double p);
    int pick(int n);

    void check();
    void checkEnded();
    Settings settingsNow() const;
    void fail(const QString &what);
    void note(const QString &action);

    void watch();

    Options m_options;
    std::mt19937_64 m_random;
    ManualClock m_clock;
    RandomMessages m_messages;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<Form1> m_menu;

    int m_step = 0;
    QString m_failure;
    QStringList m_recent; // the last actions, for the report
    bool m_dealingWithPopup = false;

    // The usage log after the last step, and whether this step may have emptied it.
    std::array<QStringList, kActivityCount> m_usage;
    bool m_usageCleared = false;
    bool m_usageClearAllowed = false;

    // The folder's pictures as they were, for putting spoilt ones back.
    QHash<QString, QByteArray> m_originals;
    QStringList m_spoilt;

    // Statistics.
    QMap<QString, int> m_windowSteps;
    QMap<QString, int> m_boxes;
    int m_restarts = 0;
    int m_popups = 0;
    std::array<int, kActivityCount> m_usageLines{};
    // The slowest input by wall time and by the window thread's processor time (which other
    // work on the machine does not lengthen), with what it was.
    struct Slowest {
        qint64 ns = 0;
        QString action;
    } m_slowestWall, m_slowestCpu;
    qint64 m_nestedNs = 0, m_nestedCpuNs = 0; // the time of inputs given within the input being timed

    // The watchdog.
    std::thread m_watchdog;
    std::mutex m_watchMutex;
    std::condition_variable m_watchWake;
    bool m_watchStop = false;
    std::atomic<int> m_progress{0};
    std::string m_watchAction;
};

} // namespace wortilo::test
