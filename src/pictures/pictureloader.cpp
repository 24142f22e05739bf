// SPDX-License-Identifier: MIT
#include "pictureloader.h"

#include <QMutex>
#include <algorithm>
#include <atomic>
#include <vector>

namespace wortilo {

PictureLoader::PictureLoader(int threads)
{
    if (threads <= 0)
        return;
    m_pool = std::make_unique<QThreadPool>();
    m_pool->setMaxThreadCount(threads);
    // Qt spreads big fills and scalings over its shared thread pool and waits for them, on the
    // window's thread as on these workers. With only as many threads there as there are cores, the
    // window's painting would queue behind a picture being prepared: enough threads that nothing
    // queues (idle ones end after half a minute).
    QThreadPool *shared = QThreadPool::globalInstance();
    shared->setMaxThreadCount(std::max(shared->maxThreadCount(), kSharedThreads));
}

PictureLoader::~PictureLoader()
{
    if (!m_pool)
        return;
    m_pool->clear();
    // A decode under way is not waited for (a hostile file may take a second): the pool is kept
    // until the process ends, and what its workers finish goes nowhere.
    static QMutex mutex;
    static std::vector<std::unique_ptr<QThreadPool>> retired;
    const QMutexLocker lock(&mutex);
    retired.push_back(std::move(m_pool));
}

Picture PictureLoader::prepare(const QString &path, QSize landscape, QSize portrait)
{
    const Picture picture = Picture::load(path);
    const QSize size = picture.isLandscape() ? landscape : portrait;
    return size.isEmpty() ? picture : picture.withRendering(size);
}

// One picture being decoded; the worker leaves it when it is cancelled before it begins.
struct PictureQueue::Job {
    QString path;
    QSize landscape, portrait;
    std::atomic<bool> cancelled = false;
};

// The way back from the workers: a worker hands its picture to the queue while the queue lives,
// and the queue's destructor takes the lock before it lets go, so no hand-over can race it.
struct PictureQueue::Channel {
    QMutex mutex;
    PictureQueue *queue = nullptr;
};

PictureQueue::PictureQueue(PictureLoader &loader, QObject *parent)
    : QObject(parent), m_loader(loader), m_channel(std::make_shared<Channel>())
{
    m_channel->queue = this;
}

PictureQueue::~PictureQueue()
{
    cancel();
    const QMutexLocker lock(&m_channel->mutex);
    m_channel->queue = nullptr;
}

void PictureQueue::setShownSizes(QSize landscape, QSize portrait)
{
    m_landscape = landscape;
    m_portrait = portrait;
}

PictureQueue::Entry PictureQueue::started(const QString &path, bool wanted)
{
    auto job = std::make_shared<Job>();
    job->path = path;
    job->landscape = m_landscape;
    job->portrait = m_portrait;
    m_loader.pool()->start([job, channel = m_channel] {
        if (job->cancelled)
            return;
        const Picture picture = PictureLoader::prepare(job->path, job->landscape, job->portrait);
        const QMutexLocker lock(&channel->mutex);
        if (!channel->queue || job->cancelled)
            return;
        // Delivered on the queue's thread; destroying the queue discards what is not delivered.
        PictureQueue *queue = channel->queue;
        QMetaObject::invokeMethod(queue, [queue, job, picture] { queue->finished(job, picture); }, Qt::QueuedConnection);
    });
    return Entry{std::move(job), Picture(), wanted, wanted ? 0 : ++m_asked};
}

void PictureQueue::prepare(const QString &path)
{
    if (m_loader.decodesAtOnce() || path.isEmpty() || m_entries.contains(path))
        return;
    auto oldest = m_entries.end();
    qsizetype ahead = 0;
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->wanted)
            continue;
        ++ahead;
        if (oldest == m_entries.end() || it->order < oldest->order)
            oldest = it;
    }
    if (ahead >= kHeldAhead)
        drop(oldest.key());
    m_entries.insert(path, started(path, false));
}

std::optional<Picture> PictureQueue::take(const QString &path)
{
    if (path.isEmpty() || m_loader.decodesAtOnce())
        return PictureLoader::prepare(path, m_landscape, m_portrait);
    const auto it = m_entries.find(path);
    if (it == m_entries.end()) {
        m_entries.insert(path, started(path, true));
        return std::nullopt;
    }
    if (it->job) {
        it->wanted = true;
        return std::nullopt;
    }
    const Picture picture = it->picture;
    m_entries.erase(it);
    return picture;
}

void PictureQueue::drop(const QString &path)
{
    const auto it = m_entries.find(path);
    if (it == m_entries.end())
        return;
    if (it->job)
        it->job->cancelled = true;
    m_entries.erase(it);
}

void PictureQueue::cancel()
{
    for (const Entry &entry : std::as_const(m_entries))
        if (entry.job)
            entry.job->cancelled = true;
    m_entries.clear();
}

void PictureQueue::finished(const std::shared_ptr<Job> &job, const Picture &picture)
{
    const auto it = m_entries.find(job->path);
    if (it == m_entries.end() || it->job != job)
        return; // dropped meanwhile
    if (it->wanted) {
        m_entries.erase(it);
        Q_EMIT ready(job->path, picture);
        return;
    }
    it->job.reset();
    it->picture = picture;
}

} // namespace wortilo
