// SPDX-License-Identifier: MIT
#include "monkey.h"

#include "app/activities.h"
#include "app/form1.h"
#include "core/germantext.h"
#include "core/twips.h"
#include "exercises/choice.h"
#include "exercises/choicewindow.h"
#include "exercises/exercisewindow.h"
#include "exercises/typingwindow.h"
#include "games/abc/abcgame.h"
#include "games/abc/form8.h"
#include "games/fange/catchgame.h"
#include "games/fange/fang.h"
#include "games/galgen/galgen.h"
#include "games/galgen/gallowsgame.h"
#include "games/memory/memo.h"
#include "games/memory/memorygame.h"
#include "games/teppich/carpetgame.h"
#include "games/teppich/form7.h"
#include "session/session.h"
#include "usage/form11.h"
#include "widgets/activitywindow.h"
#include "widgets/drawingsurface.h"
#include "widgets/pictureframe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>
#include <QtTest>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

namespace wortilo::test {

namespace {

constexpr int kRecentActions = 25;

// The letters a German keyboard types, with their key codes; upper case comes with Shift.
struct Letter {
    QChar text;
    Qt::Key key;
};
QList<Letter> germanLetters()
{
    QList<Letter> letters;
    for (char c = 'a'; c <= 'z'; ++c)
        letters.append({QChar(c), Qt::Key(Qt::Key_A + (c - 'a'))});
    letters.append({QChar(u'ä'), Qt::Key_Adiaeresis});
    letters.append({QChar(u'ö'), Qt::Key_Odiaeresis});
    letters.append({QChar(u'ü'), Qt::Key_Udiaeresis});
    letters.append({QChar(u'ß'), Qt::Key_ssharp});
    return letters;
}

Qt::Key keyFor(QChar c)
{
    for (const Letter &l : germanLetters())
        if (l.text == c.toLower())
            return l.key;
    if (c.isDigit())
        return Qt::Key(Qt::Key_0 + c.digitValue());
    if (c == u' ')
        return Qt::Key_Space;
    return Qt::Key_unknown;
}

QString describe(const QWidget *w)
{
    if (!w)
        return QStringLiteral("-");
    QString s = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
    if (const auto *b = qobject_cast<const QAbstractButton *>(w))
        s += QStringLiteral(" \"") + b->text() + u'"';
    return s;
}

QString windowName(const QWidget *w)
{
    return w ? w->windowTitle() : QStringLiteral("(kein Fenster)");
}

// The children of a window shown within its client area.
template <class T> QList<T *> visibleChildren(QWidget *window)
{
    QList<T *> found;
    for (T *w : window->findChildren<T *>())
        if (w->isVisibleTo(window) && !w->isWindow()
            && QRect(w->mapTo(window, QPoint(0, 0)), w->size()).intersects(window->rect()))
            found.append(w);
    return found;
}

// What the pointer can click in a window: the window and its shown children, but not those that
// let the mouse through to what lies beneath.
QList<QWidget *> reachable(QWidget *window)
{
    QList<QWidget *> found{window};
    for (QWidget *w : visibleChildren<QWidget>(window))
        if (!w->testAttribute(Qt::WA_TransparentForMouseEvents))
            found.append(w);
    return found;
}

// The games need many right moves in a row before they are won.
bool isGame(QWidget *window)
{
    return qobject_cast<Fang *>(window) || qobject_cast<Form7 *>(window) || qobject_cast<Form8 *>(window)
           || qobject_cast<Memo *>(window) || qobject_cast<Galgen *>(window);
}

} // namespace

Monkey::Monkey(const Options &options)
    : m_options(options), m_random(options.seed), m_messages([this] { return chance(0.5); })
{
    m_messages.whileShown = [this] { whileBoxOpen(); };
    if (m_options.changeFolder) {
        const QDir dir(m_options.folder);
        for (const QFileInfo &info : dir.entryInfoList(QDir::Files | QDir::Hidden))
            if (info.isFile() && info.isReadable() && info.size() < 4 * 1024 * 1024
                && info.fileName().compare(kSettingsFileName, Qt::CaseInsensitive) != 0) {
                QFile f(info.filePath());
                if (f.open(QIODevice::ReadOnly))
                    m_originals.insert(info.fileName(), f.readAll());
            }
    }
}

Monkey::~Monkey()
{
    m_menu.reset();
    m_session.reset();
}

bool Monkey::chance(double p)
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_random) < p;
}

int Monkey::pick(int n)
{
    return n <= 1 ? 0 : int(std::uniform_int_distribution<int>(0, n - 1)(m_random));
}

// ---------------------------------------------------------------------------------------------
// The program

void Monkey::start()
{
    m_session = std::make_unique<Session>(m_messages, m_options.folder, m_clock);
    m_menu = std::make_unique<Form1>(*m_session);
    QObject::connect(&m_session->usage(), &UsageLog::cleared, m_session.get(), [this] { m_usageCleared = true; });
    QObject::connect(m_session.get(), &Session::nameChanged, m_session.get(), [this] { m_usageClearAllowed = true; });
    m_usage = {};
    if (!m_menu->startUp()) {
        fail(QStringLiteral("start-up found no picture file"));
        return;
    }
    m_menu->show();
    settle();
}

void Monkey::endAndRestart()
{
    checkEnded();
    const Settings before = settingsNow();
    m_menu.reset();
    m_session.reset();
    settle();
    // The end asked the application to quit, and Qt then lets no event loop run any more (not
    // even a box's): a short run of the application's own loop takes that back, as the next
    // start of the program begins afresh.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    ++m_restarts;
    start();
    if (!m_failure.isEmpty())
        return;
    const Settings after = settingsNow();
    if (!(after == before))
        fail(QStringLiteral("the settings read at the new start differ from those of the last run"));
}

// The windows of the program: the main window, the activity windows and the usage view.
QList<QWidget *> Monkey::programWindows() const
{
    QList<QWidget *> windows;
    if (!m_menu)
        return windows;
    windows.append(m_menu.get());
    for (int a = 0; a < kActivityCount; ++a)
        if (QWidget *w = m_menu->activityWindow(Activity(a)))
            windows.append(w);
    if (QWidget *w = m_menu->usageView())
        windows.append(w);
    return windows;
}

QWidget *Monkey::visibleWindow() const
{
    for (QWidget *w : programWindows())
        if (w->isVisible())
            return w;
    return nullptr;
}

Settings Monkey::settingsNow() const
{
    Settings s;
    s.switches = m_session->switches();
    s.consonantColor = m_session->mitlautfarbe();
    s.vowelColor = m_session->selbstlautfarbe();
    s.red = m_session->backgroundValue(0);
    s.green = m_session->backgroundValue(1);
    s.blue = m_session->backgroundValue(2);
    s.letters = m_session->words().selectedLetters();
    return s;
}

// ---------------------------------------------------------------------------------------------
// Running

bool Monkey::run(int steps)
{
    {
        const std::lock_guard lock(m_watchMutex);
        m_watchStop = false;
    }
    m_watchdog = std::thread([this] { watch(); });
    // Checked whenever events are processed, also inside an event loop an action opened.
    QTimer popupGuard;
    QObject::connect(&popupGuard, &QTimer::timeout, [this] { dealWithPopups(); });
    popupGuard.start(0);
    // A timer of its own: a timer does not fire again while its handler runs, and a popup's entry
    // (the usage lists' "Drucken …") opens a modal window inside the popup guard's handler.
    QTimer modalGuard;
    QObject::connect(&modalGuard, &QTimer::timeout, [this] { dealWithModal(); });
    modalGuard.start(0);
    note(QStringLiteral("start"));
    start();
    for (m_step = 1; m_step <= steps && m_failure.isEmpty(); ++m_step) {
        step();
        ++m_progress;
    }
    {
        const std::lock_guard lock(m_watchMutex);
        m_watchStop = true;
    }
    m_watchWake.notify_all();
    m_watchdog.join();
    return m_failure.isEmpty();
}

void Monkey::step()
{
    m_usageCleared = false;
    m_usageClearAllowed = false;

    QWidget *window = visibleWindow();
    if (!window) {
        fail(QStringLiteral("no window is visible"));
        return;
    }
    ++m_windowSteps[windowName(window)];
    const bool isMenu = window == m_menu.get();

    enum Action { Click, Button, Drag, Wheel, Type, Key, Tick, Hint, Resize, Close, Folder };
    auto *fangWindow = qobject_cast<Fang *>(window);
    auto *memoWindow = qobject_cast<Memo *>(window);
    const bool fang = fangWindow != nullptr;
    // A running catch or memory game is lost with a few stray clicks: the child keeps at it.
    const bool engaged = (fang && fangWindow->game().isRunning())
                         || (memoWindow && memoWindow->game().phase() == MemoryGame::Phase::Playing);
    const bool game = isGame(window);
    const bool resizable = window->minimumSize() != window->maximumSize();
    const std::array<double, 11> weights = {
        30,                                 // a click anywhere in the window
        18,                                 // a click on a button, check box or option
        6,                                  // a drag
        3,                                  // the mouse wheel turned
        8,                                  // letters typed
        fang ? 14.0 : 8.0,                  // a key
        fang ? 14.0 : 5.0,                  // time passes
        engaged ? 60.0 : game ? 35.0 : 14.0, // what gets the activity on
        resizable ? 1.0 : 0.0,              // the window's border dragged
        isMenu ? 0.4 : game ? 0.5 : 1.5,    // the close box
        m_options.changeFolder ? 1.0 : 0.0, // the folder changes
    };
    switch (Action(std::discrete_distribution<int>(weights.begin(), weights.end())(m_random))) {
    case Click: clickSomewhere(window); break;
    case Button: clickButton(window); break;
    case Drag: drag(window); break;
    case Wheel: turnWheel(window); break;
    case Type: typeText(window); break;
    case Key: pressKey(window); break;
    case Tick: tick(); break;
    case Hint: hint(window); break;
    case Resize: resize(window); break;
    case Close: closeBox(window); break;
    case Folder: changeFolder(); break;
    }
    timed([this] { settle(); }); // what the inputs left queued
    if (m_session->quitting())
        endAndRestart();
    else
        check();
}

// ---------------------------------------------------------------------------------------------
// Actions

QPoint Monkey::pointIn(QWidget *window, QWidget *child)
{
    const QRect area = QRect(child->mapTo(window, QPoint(0, 0)), child->size()).intersected(window->rect());
    if (area.isEmpty())
        return window->rect().center();
    return area.topLeft() + QPoint(pick(area.width()), pick(area.height()));
}

void Monkey::timed(const std::function<void()> &deliver)
{
    const qint64 outerNested = std::exchange(m_nestedNs, 0), outerNestedCpu = std::exchange(m_nestedCpuNs, 0);
    const auto threadCpuNs = [] {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
    };
    const qint64 cpuStart = threadCpuNs();
    QElapsedTimer timer;
    timer.start();
    deliver();
    const qint64 wall = timer.nsecsElapsed(), cpu = threadCpuNs() - cpuStart;
    const auto record = [this](Slowest &slowest, qint64 ns) {
        if (ns > slowest.ns)
            slowest = {ns, QStringLiteral("step %1: %2").arg(m_step).arg(m_recent.value(m_recent.size() - 1))};
    };
    record(m_slowestWall, wall - m_nestedNs);
    record(m_slowestCpu, cpu - m_nestedCpuNs);
    m_nestedNs = outerNested + wall;
    m_nestedCpuNs = outerNestedCpu + cpu;
}

void Monkey::click(QWidget *window, QPoint at, Qt::MouseButton button, bool twice)
{
    timed([&] {
        if (twice)
            QTest::mouseDClick(window, button, Qt::NoModifier, at);
        else
            QTest::mouseClick(window, button, Qt::NoModifier, at);
    });
}

void Monkey::key(QWidget *window, Qt::Key key, const QString &text, Qt::KeyboardModifiers modifiers)
{
    if (QWindow *handle = window->windowHandle())
        timed([&] { QTest::sendKeyEvent(QTest::Click, handle, key, text, modifiers); });
}

void Monkey::type(QWidget *window, const QString &text)
{
    const QPointer<QWidget> alive(window);
    for (const QChar c : text) {
        if (!alive || !alive->isVisible())
            return;
        key(window, keyFor(c), QString(c), c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
    }
}

void Monkey::clickSomewhere(QWidget *window)
{
    const QList<QWidget *> targets = reachable(window);
    QWidget *target = targets.at(pick(int(targets.size())));
    const QPoint at = pointIn(window, target);
    const Qt::MouseButton button = chance(0.9) ? Qt::LeftButton : chance(0.7) ? Qt::RightButton : Qt::MiddleButton;
    const bool twice = chance(0.06);
    note(QStringLiteral("%1%2 click on %3 at %4,%5")
             .arg(twice ? QStringLiteral("double ") : QString())
             .arg(button == Qt::LeftButton ? QStringLiteral("left") : button == Qt::RightButton ? QStringLiteral("right") : QStringLiteral("middle"))
             .arg(describe(target))
             .arg(at.x())
             .arg(at.y()));
    click(window, at, button, twice);
}

void Monkey::clickButton(QWidget *window)
{
    const QList<QAbstractButton *> buttons = visibleChildren<QAbstractButton>(window);
    if (buttons.isEmpty())
        return clickSomewhere(window);
    QAbstractButton *button = buttons.at(pick(int(buttons.size())));
    // A child playing a game stays a while: the cancel button is pressed less often there.
    if (button->text().startsWith(QStringLiteral("Abbruch")) && isGame(window) && chance(0.75))
        button = buttons.at(pick(int(buttons.size())));
    note(QStringLiteral("click on %1").arg(describe(button)));
    click(window, pointIn(window, button));
}

void Monkey::drag(QWidget *window)
{
    QWidget *from = nullptr;
    QWidget *to = nullptr;
    QList<QWidget *> slotWidgets;
    if (qobject_cast<Form8 *>(window))
        for (QWidget *w : reachable(window))
            if (w->objectName().startsWith(QStringLiteral("Image")))
                slotWidgets.append(w);
    const QList<QScrollBar *> bars = visibleChildren<QScrollBar>(window);
    if (!slotWidgets.isEmpty() && chance(0.8)) {
        from = slotWidgets.at(pick(int(slotWidgets.size())));
        to = slotWidgets.at(pick(int(slotWidgets.size())));
    } else if (!bars.isEmpty() && chance(0.5)) {
        from = to = bars.at(pick(int(bars.size())));
    } else {
        const QList<QWidget *> targets = reachable(window);
        from = targets.at(pick(int(targets.size())));
        to = targets.at(pick(int(targets.size())));
    }
    const QPoint a = pointIn(window, from);
    const QPoint b = pointIn(window, to);
    note(QStringLiteral("drag from %1 at %2,%3 to %4 at %5,%6")
             .arg(describe(from)).arg(a.x()).arg(a.y()).arg(describe(to)).arg(b.x()).arg(b.y()));
    const QPointer<QWidget> alive(window);
    timed([&] { QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, a); });
    const int moves = 1 + pick(3);
    for (int i = 1; i <= moves && alive; ++i)
        timed([&] { QTest::mouseMove(window, a + (b - a) * i / moves); });
    if (alive)
        timed([&] { QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, b); });
}

void Monkey::turnWheel(QWidget *window)
{
    const QList<QWidget *> targets = reachable(window);
    const QPoint at = pointIn(window, targets.at(pick(int(targets.size()))));
    QWidget *under = window->childAt(at);
    if (!under)
        under = window;
    const int notches = (1 + pick(3)) * (chance(0.5) ? 1 : -1);
    note(QStringLiteral("wheel %1 notches over %2").arg(notches).arg(describe(under)));
    const QPointF local = under->mapFrom(window, at);
    QWheelEvent wheel(local, under->mapToGlobal(local), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    timed([&] { QApplication::sendEvent(under, &wheel); });
}

// A window with a sizeable border made smaller or larger, as a window manager does.
void Monkey::resize(QWidget *window)
{
    const QSize size(50 + pick(1500), 50 + pick(1100));
    note(QStringLiteral("resize to %1 x %2").arg(size.width()).arg(size.height()));
    timed([&] { window->resize(size); });
}

void Monkey::typeText(QWidget *window)
{
    static const QList<Letter> letters = germanLetters();
    QString text;
    const int length = 1 + pick(6);
    for (int i = 0; i < length; ++i) {
        QChar c = letters.at(pick(int(letters.size()))).text;
        if (chance(0.15) && c != u'ß')
            c = c.toUpper();
        else if (chance(0.04))
            c = QStringLiteral(" 7-").at(pick(3));
        text.append(c);
    }
    QWidget *focus = window->focusWidget();
    note(QStringLiteral("type \"%1\" into %2").arg(text, describe(focus ? focus : window)));
    type(window, text);
}

void Monkey::pressKey(QWidget *window)
{
    struct Press {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char *name;
        QChar text;
        int weight;
    };
    static const Press presses[] = {
        {Qt::Key_Left, Qt::NoModifier, "Left", {}, 4},
        {Qt::Key_Right, Qt::NoModifier, "Right", {}, 4},
        {Qt::Key_Up, Qt::NoModifier, "Up", {}, 4},
        {Qt::Key_Down, Qt::NoModifier, "Down", {}, 4},
        {Qt::Key_Escape, Qt::NoModifier, "Escape", QChar(27), 3},
        {Qt::Key_Return, Qt::NoModifier, "Return", QChar(13), 2},
        {Qt::Key_Enter, Qt::KeypadModifier, "Enter", QChar(13), 1},
        {Qt::Key_Space, Qt::NoModifier, "Space", QChar(u' '), 2},
        {Qt::Key_Tab, Qt::NoModifier, "Tab", QChar(9), 2},
        {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab", {}, 1},
        {Qt::Key_Backspace, Qt::NoModifier, "Backspace", QChar(8), 2},
        {Qt::Key_Delete, Qt::NoModifier, "Delete", QChar(127), 1},
        {Qt::Key_Home, Qt::NoModifier, "Home", {}, 1},
        {Qt::Key_End, Qt::NoModifier, "End", {}, 1},
        {Qt::Key_PageUp, Qt::NoModifier, "PageUp", {}, 1},
        {Qt::Key_PageDown, Qt::NoModifier, "PageDown", {}, 1},
        {Qt::Key_Menu, Qt::NoModifier, "Menu", {}, 1},
    };
    std::vector<int> weights;
    for (const Press &p : presses)
        weights.push_back(p.weight);
    std::discrete_distribution<int> which(weights.begin(), weights.end());
    const Press *p = &presses[which(m_random)];
    // A child playing a game stays a while: Escape (which leaves the catch game) comes less often there.
    if (p->key == Qt::Key_Escape && isGame(window) && chance(0.75))
        p = &presses[which(m_random)];
    note(QStringLiteral("key %1 to %2").arg(QString::fromLatin1(p->name), describe(window->focusWidget())));
    key(window, p->key, p->text.isNull() ? QString() : QString(p->text), p->modifiers);
}

void Monkey::tick()
{
    const int ms = 100 + pick(3900);
    note(QStringLiteral("%1 ms pass").arg(ms));
    timed([&] { m_clock.advance(ms); });
}

void Monkey::closeBox(QWidget *window)
{
    note(QStringLiteral("close box of %1").arg(windowName(window)));
    if (window == m_menu->usageView())
        m_usageClearAllowed = true;
    timed([&] { window->close(); });
}

// The input that gets an activity on: the word typed, the right cell, drag or letter, the
// figure steered to the next letter. Elsewhere a button.
void Monkey::hint(QWidget *window)
{
    if (auto *typing = qobject_cast<TypingWindow *>(window)) {
        auto *field = typing->findChild<QLineEdit *>(QStringLiteral("Text1"));
        const QString word = typing->frame().currentWord().noun();
        if (!field || word.isEmpty())
            return clickButton(window);
        note(QStringLiteral("hint: write \"%1\" into the field holding \"%2\"").arg(word, field->text()));
        click(window, pointIn(window, field));
        const QPointer<QLineEdit> alive(field);
        // The child corrects what is wrong, then writes on, now and then missing a letter.
        key(window, Qt::Key_End);
        for (int n = int(field->text().size()); n > 0 && alive && field->isVisible() && !word.startsWith(field->text()); --n)
            key(window, Qt::Key_Backspace, QString(QChar(8)));
        if (!alive || !field->isVisible() || !word.startsWith(field->text()))
            return;
        QString rest = word.mid(field->text().size());
        if (chance(0.1) && !rest.isEmpty())
            rest[pick(int(rest.size()))] = u'x';
        type(window, rest.left(1 + pick(int(rest.size()))));
        return;
    }
    if (auto *choosing = qobject_cast<ChoiceWindow *>(window)) {
        // Leafing on to the right word or picture, and choosing it.
        const ChoiceExercise &choice = choosing->choice();
        const bool right = choice.selected() >= 0 && choice.selected() < choice.offered().size()
                           && choice.offered().at(choice.selected()).noun() == choice.currentWord().noun();
        QWidget *target = choosing->nextButton();
        if (right) {
            const bool words = qobject_cast<Form5 *>(window) != nullptr;
            target = words ? static_cast<QWidget *>(choosing->strip())
                           : choosing->image1()->picture().isEmpty() ? choosing->image2() : choosing->image1();
        }
        note(QStringLiteral("hint: click %1").arg(describe(target)));
        click(window, pointIn(window, target));
        return;
    }
    if (auto *carpet = qobject_cast<Form7 *>(window)) {
        const CarpetGame &game = carpet->game();
        auto *field = carpet->findChild<QWidget *>(QStringLiteral("bild1"));
        QList<int> cells;
        for (int k = 0; k < CarpetGame::kCells && game.hasWord() && game.foundCount() < game.word().size(); ++k)
            if (!game.isMarked(k) && k < game.carpet().size() && game.carpet().at(k) == game.word().at(game.foundCount()))
                cells.append(k);
        if (!field || cells.isEmpty())
            return clickButton(window);
        const int cell = cells.at(pick(int(cells.size())));
        const QPoint centre = CarpetGame::cellCorner(cell) + QPoint(CarpetGame::kCellWidth, CarpetGame::kCellHeight) / 2;
        note(QStringLiteral("hint: click carpet cell %1 (%2)").arg(cell).arg(game.carpet().at(cell)));
        click(window, field->mapTo(window, QPoint(px(centre.x()), px(centre.y()))));
        return;
    }
    if (auto *abc = qobject_cast<Form8 *>(window)) {
        const AbcGame &game = abc->game();
        const QStringList order = game.slotOrder();
        const QStringList target = game.targetOrder();
        int to = 0;
        while (to < order.size() && to < target.size() && order[to] == target[to])
            ++to;
        if (game.isSolved() || order.isEmpty() || order.size() != target.size())
            return clickButton(window);
        int from = to;
        if (to < order.size())
            from = int(order.indexOf(target[to], to + 1));
        else
            from = to = 0; // in order but not yet checked: a drop onto itself checks it
        auto *a = abc->findChild<QWidget *>(QStringLiteral("Image%1").arg(from + 1));
        auto *b = abc->findChild<QWidget *>(QStringLiteral("Image%1").arg(to + 1));
        if (!a || !b)
            return clickButton(window);
        note(QStringLiteral("hint: drag picture %1 onto %2").arg(from + 1).arg(to + 1));
        const QPoint p = a->mapTo(window, a->rect().center());
        const QPoint q = b->mapTo(window, b->rect().center());
        timed([&] { QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, p); });
        timed([&] { QTest::mouseMove(window, (p + q) / 2); });
        timed([&] { QTest::mouseMove(window, q); });
        timed([&] { QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, q); });
        return;
    }
    if (auto *fang = qobject_cast<Fang *>(window)) {
        const CatchGame &game = fang->game();
        if (!game.isRunning() || game.fangspalte().isEmpty()) {
            auto *field = fang->findChild<QWidget *>(QStringLiteral("Bild5"));
            note(QStringLiteral("hint: click the field to start"));
            click(window, pointIn(window, field));
            return;
        }
        const QPoint target(game.fangspalte().first(), game.fangzeile().first());
        note(QStringLiteral("hint: steer from %1,%2 to %3,%4").arg(game.figure().x()).arg(game.figure().y()).arg(target.x()).arg(target.y()));
        const QPointer<QWidget> alive(window);
        for (int moves = 1 + pick(4); moves > 0 && alive && alive->isVisible() && game.isRunning() && game.figure() != target; --moves) {
            const QPoint figure = game.figure();
            key(window, target.x() < figure.x()   ? Qt::Key_Left
                        : target.x() > figure.x() ? Qt::Key_Right
                        : target.y() < figure.y() ? Qt::Key_Up
                                                  : Qt::Key_Down);
        }
        return;
    }
    if (auto *memo = qobject_cast<Memo *>(window)) {
        // Memory: the start button while it is offered, else a covered card; with one card open,
        // mostly its twin (the child remembers where it lay).
        const MemoryGame &game = memo->game();
        QList<int> cards;
        for (int k = 1; k <= MemoryGame::kCards; ++k)
            if (game.isCovered(k) && game.inPlay(k))
                cards.append(k);
        QList<int> twins;
        for (int k : std::as_const(cards))
            if (game.firstOpen() != 0 && game.nounOf(k) == game.nounOf(game.firstOpen()))
                twins.append(k);
        QWidget *target = memo->findChild<QWidget *>(QStringLiteral("Command3"));
        if (!game.startOffered() && !cards.isEmpty()) {
            const int card = !twins.isEmpty() && chance(0.7) ? twins.first() : cards.at(pick(int(cards.size())));
            target = memo->findChild<QWidget *>(QStringLiteral("Bezeichnung%1").arg(card));
        }
        if (!target || !target->isVisible())
            return clickButton(window);
        note(QStringLiteral("hint: click %1").arg(describe(target)));
        click(window, pointIn(window, target));
        return;
    }
    if (auto *gallows = qobject_cast<Galgen *>(window)) {
        // The gallows: mostly a letter of the word.
        auto *keys = gallows->findChild<QListWidget *>(QStringLiteral("Liste1"));
        const QString word = germanUpper(gallows->game().word().noun());
        QList<int> rows;
        for (int i = 0; keys && i < keys->count(); ++i)
            if (word.contains(keys->item(i)->text().trimmed()))
                rows.append(i);
        if (!keys || keys->count() == 0)
            return clickButton(window);
        const int row = rows.isEmpty() || chance(0.15) ? pick(keys->count()) : rows.at(pick(int(rows.size())));
        const QPoint at = keys->viewport()->mapTo(window, keys->visualItemRect(keys->item(row)).center());
        note(QStringLiteral("hint: letter %1").arg(keys->item(row)->text().trimmed()));
        click(window, at);
        return;
    }
    clickButton(window);
}

// The teacher changes the folder while the program runs: a picture is spoilt (deleted, cut
// short, replaced by a folder or by a FIFO) or put back as it was.
void Monkey::changeFolder()
{
    const QDir dir(m_options.folder);
    if (!m_spoilt.isEmpty() && chance(0.5)) {
        const QString name = m_spoilt.takeAt(pick(int(m_spoilt.size())));
        note(QStringLiteral("folder: %1 put back").arg(name));
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        ::remove(path.constData());
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(m_originals.value(name));
        return;
    }
    QStringList intact = m_originals.keys();
    intact.sort();
    for (const QString &s : std::as_const(m_spoilt))
        intact.removeOne(s);
    if (intact.isEmpty())
        return;
    const QString name = intact.at(pick(int(intact.size())));
    const QByteArray path = QFile::encodeName(dir.filePath(name));
    m_spoilt.append(name);
    switch (pick(4)) {
    case 0:
        note(QStringLiteral("folder: %1 deleted").arg(name));
        ::remove(path.constData());
        break;
    case 1: {
        note(QStringLiteral("folder: %1 cut short").arg(name));
        QFile f(dir.filePath(name));
        f.resize(f.size() / 2);
        break;
    }
    case 2:
        note(QStringLiteral("folder: %1 replaced by a folder").arg(name));
        ::remove(path.constData());
        ::mkdir(path.constData(), 0755);
        break;
    default:
        note(QStringLiteral("folder: %1 replaced by a FIFO").arg(name));
        ::remove(path.constData());
        ::mkfifo(path.constData(), 0644);
        break;
    }
}

// A modal window that opened during an action: the child cancels the print dialog; any other
// modal window than the message boxes must not open at all.
void Monkey::dealWithModal()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || m_messages.isOpen())
        return;
    if (modal->objectName() == u"Druckdialog")
        note(QStringLiteral("the print dialog cancelled"));
    else
        fail(QStringLiteral("a modal window opened: %1").arg(describe(modal)));
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->reject();
    else
        modal->close();
}

// A popup (a context menu: some run their own event loop until closed) that opened during an
// action: the child picks an entry of the popup or closes it with Escape.
void Monkey::dealWithPopups()
{
    // While a box or a modal window is open the child can only answer it.
    if (m_dealingWithPopup || m_messages.isOpen() || QApplication::activeModalWidget())
        return;
    const QScopedValueRollback busy(m_dealingWithPopup, true);
    QWidget *popup = QApplication::activePopupWidget();
    if (!popup)
        return;
    ++m_popups;
    if (chance(0.5)) {
        note(QStringLiteral("Escape in the popup %1").arg(describe(popup)));
        key(popup, Qt::Key_Escape);
    } else {
        const QPoint at(pick(popup->width()), pick(popup->height()));
        note(QStringLiteral("click in the popup %1 at %2,%3").arg(describe(popup)).arg(at.x()).arg(at.y()));
        click(popup, at);
    }
}

// A modal box runs an event loop of its own while it is open: posted events are delivered and
// timers tick (the input of the program's windows is blocked). Now and then the loop runs with
// time passing, as it does while the child reads the box.
void Monkey::whileBoxOpen()
{
    const FakeMessages::Call &box = m_messages.last();
    ++m_boxes[box.caption];
    note(QStringLiteral("  box \"%1\": %2").arg(box.caption, QString(box.text).replace(QChar(13), u'|')));
    if (!chance(0.3))
        return;
    const int ms = chance(0.5) ? 1000 * (1 + pick(3)) : 0;
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [this, &loop, ms] {
        if (ms > 0)
            m_clock.advance(ms);
        loop.quit();
    });
    loop.exec();
}

void Monkey::settle()
{
    for (int i = 0; i < 2; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// ---------------------------------------------------------------------------------------------
// Invariants

void Monkey::check()
{
    if (m_messages.reentered > 0)
        return fail(QStringLiteral("a box opened while another box was open"));
    if (m_messages.isOpen())
        return fail(QStringLiteral("a box is still open"));
    for (const FakeMessages::Call &box : std::as_const(m_messages.calls))
        if (box.caption.isEmpty() || box.text.isEmpty())
            return fail(QStringLiteral("a box without caption or text: \"%1\" \"%2\"").arg(box.caption, box.text));
    m_messages.calls.clear();
    if (QWidget *modal = QApplication::activeModalWidget())
        return fail(QStringLiteral("a modal window is open: %1").arg(describe(modal)));

    // Exactly one window: the main window, one activity window or the usage view.
    QStringList shown;
    QWidget *only = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip) {
            shown.append(windowName(w));
            only = w;
        }
    if (shown.size() != 1)
        return fail(QStringLiteral("%1 windows are visible: %2").arg(shown.size()).arg(shown.join(QStringLiteral(", "))));
    if (!programWindows().contains(only))
        return fail(QStringLiteral("a window that is none of the program's is visible: %1").arg(describe(only)));

    QWidget *fang = m_menu->activityWindow(Activity::Fange);
    if (m_clock.anyTickerActive() && !(fang && fang->isVisible()))
        return fail(QStringLiteral("a timer runs while the catch game is not visible"));

    // The usage lists only grow, unless a name was confirmed or the view closed by its close box.
    const UsageLog &log = m_session->usage();
    if (m_usageCleared && !m_usageClearAllowed)
        return fail(QStringLiteral("the usage lists were emptied without a new name or the usage view's close box"));
    for (int a = 0; a < kActivityCount; ++a) {
        const QStringList &now = log.lines(Activity(a));
        const QStringList &before = m_usage[std::size_t(a)];
        if (!m_usageCleared && (now.size() < before.size() || now.mid(0, before.size()) != before))
            return fail(QStringLiteral("usage list %1 lost lines").arg(a + 1));
        m_usageLines[std::size_t(a)] += int(now.size() - (m_usageCleared ? 0 : before.size()));
        m_usage[std::size_t(a)] = now;
    }
    if (Form11 *view = m_menu->usageView())
        for (int a = 0; a < kActivityCount; ++a)
            if (view->lines(Activity(a)) != log.lines(Activity(a)))
                return fail(QStringLiteral("usage view list %1 shows other lines than were recorded").arg(a + 1));

    if (m_menu->isVisible()) {
        const auto *count = m_menu->findChild<QLabel *>(QStringLiteral("Label7"));
        const auto *filter = m_menu->findChild<QCheckBox *>(QStringLiteral("Check1"));
        if (count->text() != m_session->words().label())
            return fail(QStringLiteral("the main window shows \"%1\" for \"%2\"").arg(count->text(), m_session->words().label()));
        if (filter->isChecked() != m_session->words().filterOn())
            return fail(QStringLiteral("\"Filter\" is shown %1").arg(filter->isChecked() ? "on, but is off" : "off, but is on"));
    }
}

// After "Beenden" or the main window's close box: no window is left, and WORTILO.INI was written
// whole with the settings the program had.
void Monkey::checkEnded()
{
    if (m_messages.reentered > 0)
        return fail(QStringLiteral("a box opened while another box was open"));
    m_messages.calls.clear();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            return fail(QStringLiteral("%1 is still visible after the end").arg(windowName(w)));
    QFile file(settingsFilePath(m_options.folder));
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("WORTILO.INI was not written"));
    const QByteArray bytes = file.readAll();
    if (bytes.count("\r\n") != kSettingsLineCount || !bytes.endsWith("\r\n"))
        return fail(QStringLiteral("WORTILO.INI is not ten whole lines: %1").arg(QString::fromLatin1(bytes.toHex())));
    const SettingsRead read = parseSettings(bytes);
    if (read.goodLines != kSettingsLineCount)
        return fail(QStringLiteral("WORTILO.INI reads back only %1 lines").arg(read.goodLines));
    if (!(read.values == settingsNow()))
        return fail(QStringLiteral("WORTILO.INI holds other settings than the program had"));
}

void Monkey::fail(const QString &what)
{
    if (!m_failure.isEmpty())
        return;
    m_failure = QStringLiteral("seed %1, step %2: %3\nlast actions:\n  %4")
                    .arg(m_options.seed)
                    .arg(m_step)
                    .arg(what, m_recent.join(QStringLiteral("\n  ")));
}

void Monkey::note(const QString &action)
{
    m_recent.append(QStringLiteral("%1 [%2] %3").arg(m_step).arg(windowName(visibleWindow()), action));
    if (m_recent.size() > kRecentActions)
        m_recent.removeFirst();
    const std::lock_guard lock(m_watchMutex);
    m_watchAction = m_recent.join(QStringLiteral("\n  ")).toStdString();
}

QString Monkey::summary() const
{
    const auto slowestText = [](const Slowest &slowest) {
        return QStringLiteral("%1 ms (%2)").arg(QString::number(slowest.ns / 1e6, 'f', 1), slowest.action);
    };
    QStringList windows;
    for (auto it = m_windowSteps.begin(); it != m_windowSteps.end(); ++it)
        windows.append(QStringLiteral("%1 %2").arg(it.key()).arg(it.value()));
    QStringList boxes;
    for (auto it = m_boxes.begin(); it != m_boxes.end(); ++it)
        boxes.append(QStringLiteral("\"%1\" %2").arg(it.key()).arg(it.value()));
    QStringList usage;
    for (int a = 0; a < kActivityCount; ++a)
        usage.append(QStringLiteral("%1 %2").arg(QString::fromUtf8(activityTable()[std::size_t(a)].heading)).arg(m_usageLines[std::size_t(a)]));
    // One pass for all texts: the actions quote what was typed.
    return QStringLiteral("%1 steps, %2 restarts, %3 popup actions\n  steps per window: %4\n  boxes: %5\n  usage lines: %6\n"
                          "  slowest input: %7\n  most processor time for one input: %8")
        .arg(QString::number(m_step - 1), QString::number(m_restarts), QString::number(m_popups),
             windows.join(QStringLiteral(", ")), boxes.join(QStringLiteral(", ")), usage.join(QStringLiteral(", ")),
             slowestText(m_slowestWall), slowestText(m_slowestCpu));
}

// A step that does not end is a hang: say where, with the seed to replay it, and stop.
void Monkey::watch()
{
    std::unique_lock lock(m_watchMutex);
    int last = m_progress;
    auto since = std::chrono::steady_clock::now();
    while (!m_watchStop) {
        m_watchWake.wait_for(lock, std::chrono::seconds(1));
        if (m_watchStop)
            break;
        if (m_progress != last) {
            last = m_progress;
            since = std::chrono::steady_clock::now();
        } else if (std::chrono::steady_clock::now() - since > std::chrono::seconds(m_options.stepTimeoutSeconds)) {
            std::fprintf(stderr, "monkey: seed %llu, step %d has not ended after %d s (a hang); last actions:\n  %s\n",
                         static_cast<unsigned long long>(m_options.seed), last + 1, m_options.stepTimeoutSeconds,
                         m_watchAction.c_str());
            std::fflush(stderr);
            std::abort();
        }
    }
}

} // namespace wortilo::test
