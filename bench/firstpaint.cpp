// SPDX-License-Identifier: MIT
#include "firstpaint.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <vector>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// VmHWM of a process, in MiB; 0 when it cannot be read.
double peakMiB(pid_t pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

// The processor time of all threads of a process so far, in milliseconds (schedstat: nanoseconds
// on a processor), which unlike the wall time does not grow with the load of other programs.
double cpuMs(pid_t pid)
{
    double ns = 0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(tasks.filePath(task + QStringLiteral("/schedstat")));
        if (stat.open(QIODevice::ReadOnly))
            ns += stat.readAll().split(' ').value(0).toDouble();
    }
    return ns / 1e6;
}

struct FreeEvent {
    void operator()(xcb_generic_event_t *e) const { std::free(e); }
};
using Event = std::unique_ptr<xcb_generic_event_t, FreeEvent>;

} // namespace

FirstPaintWatcher::FirstPaintWatcher()
{
    m_connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(m_connection))
        return;
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(m_connection, &xcb_damage_id);
    if (!damage || !damage->present)
        return;
    // The version must be agreed before the extension is used.
    std::free(xcb_damage_query_version_reply(
        m_connection, xcb_damage_query_version(m_connection, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(m_connection);
    m_damageEvent = damage->first_event;
}

FirstPaintWatcher::~FirstPaintWatcher()
{
    xcb_disconnect(m_connection);
}

FirstPaintWatcher::Launch FirstPaintWatcher::launch(const QString &program, const QStringList &arguments,
                                                    const QString &workingDir, int timeoutMs)
{
    Launch result;
    while (Event e{xcb_poll_for_event(m_connection)}) {
    } // left over from an earlier launch
    QList<QByteArray> args{QFile::encodeName(program)};
    for (const QString &a : arguments)
        args.append(a.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const QByteArray dir = QFile::encodeName(workingDir);
    const double start = nowMs();
    const pid_t pid = fork();
    if (pid < 0)
        return result;
    if (pid == 0) {
        // As the launcher starts it: in its picture folder. Its own output is not wanted here.
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        if (chdir(dir.constData()) == 0)
            execv(argv[0], argv.data());
        _exit(127);
    }

    // A Damage object is made for every new top-level window as soon as it is created, well
    // before it is mapped, so that no paint can come before it.
    QHash<xcb_window_t, xcb_damage_damage_t> damages;
    auto watch = [&](xcb_window_t window) {
        if (damages.contains(window))
            return;
        const xcb_damage_damage_t damage = xcb_generate_id(m_connection);
        xcb_damage_create(m_connection, damage, window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        xcb_flush(m_connection);
        damages.insert(window, damage);
    };
    xcb_window_t mapped = XCB_WINDOW_NONE;
    const int fd = xcb_get_file_descriptor(m_connection);
    while (!result.ok && nowMs() - start < timeoutMs && !xcb_connection_has_error(m_connection)) {
        Event e{xcb_poll_for_event(m_connection)};
        if (!e) {
            if (waitpid(pid, nullptr, WNOHANG) == pid)
                return result; // ended before it painted
            pollfd p{fd, POLLIN, 0};
            poll(&p, 1, 50);
            continue;
        }
        const int type = e->response_type & 0x7F;
        if (type == XCB_CREATE_NOTIFY) {
            const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(e.get());
            if (created->parent == m_root)
                watch(created->window);
        } else if (type == XCB_MAP_NOTIFY) {
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(e.get());
            if (map->event == m_root && mapped == XCB_WINDOW_NONE && !map->override_redirect) {
                mapped = map->window;
                result.mappedMs = nowMs() - start;
                watch(mapped);
            }
        } else if (type == m_damageEvent + XCB_DAMAGE_NOTIFY) {
            const auto *damage = reinterpret_cast<xcb_damage_notify_event_t *>(e.get());
            if (damage->drawable == mapped && mapped != XCB_WINDOW_NONE) {
                result.paintedMs = nowMs() - start;
                result.cpuMs = cpuMs(pid);
                result.peakMiB = peakMiB(pid);
                result.ok = result.peakMiB > 0;
            }
        } // errors (a Damage object for an input-only window) do not matter
    }
    for (const xcb_damage_damage_t damage : std::as_const(damages))
        xcb_damage_destroy(m_connection, damage);
    xcb_flush(m_connection);
    kill(pid, SIGTERM);
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
    return result;
}
