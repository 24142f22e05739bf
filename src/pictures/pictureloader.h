// SPDX-License-Identifier: MIT
#pragma once
#include "pictures/picture.h"

#include <QHash>
#include <QObject>
#include <QSize>
#include <QString>
#include <QThreadPool>
#include <memory>
#include <optional>

namespace wortilo {

// Decodes pictures on worker threads and draws them at the size they will be shown, so that a
// window only hands over finished images. The program has one; every window takes its pictures
// through a PictureQueue of its own.
class PictureLoader
{
public:
    // threads: the number of worker threads; with 0 a picture is decoded on the thread that
    // asks for it, at once (for tests that look at a picture the moment it is asked for).
    explicit PictureLoader(int threads);
    // Work not yet started is dropped; work that runs is finished in the background.
    ~PictureLoader();
    PictureLoader(const PictureLoader &) = delete;
    PictureLoader &operator=(const PictureLoader &) = delete;

    bool decodesAtOnce() const { return !m_pool; }
    // Null when decoding at once.
    QThreadPool *pool() const { return m_pool.get(); }

    // What a worker does for one picture: loads it and draws it at the size for its shape (a
    // landscape or a portrait picture); an empty size leaves it undrawn.
    static Picture prepare(const QString &path, QSize landscape, QSize portrait);

private:
    // Qt's shared thread pool is given at least this many threads (see the constructor).
    static constexpr int kSharedThreads = 64;

    std::unique_ptr<QThreadPool> m_pool;
};

// One window's pictures: those it needs now, and at most kHeldAhead decoded before it needs
// them. Work still queued when the queue is cancelled or destroyed (the window is left) is not
// done, and what is decoded after that is dropped.
class PictureQueue : public QObject
{
    Q_OBJECT
public:
    static constexpr int kHeldAhead = 2;

    explicit PictureQueue(PictureLoader &loader, QObject *parent = nullptr);
    ~PictureQueue() override;

    // The sizes the window shows landscape and portrait pictures at; they are drawn at that size
    // while they are decoded. Applies to pictures asked for from now on.
    void setShownSizes(QSize landscape, QSize portrait);

    // Starts decoding the picture at path before it is needed (nothing when it is held or being
    // decoded). Beyond kHeldAhead, the picture asked for ahead longest ago is dropped.
    void prepare(const QString &path);
    // The picture at path when it is decoded: handed over, and no longer held. Otherwise nothing;
    // it is then being decoded (started if it was not), and ready hands it over when it is done.
    // A path that names no file gives an unloadable picture at once.
    std::optional<Picture> take(const QString &path);
    // Drops the picture at path, held or being decoded: it is no longer needed.
    void drop(const QString &path);
    // Drops every picture held and every one still being decoded.
    void cancel();
    // The pictures held or being decoded.
    qsizetype heldCount() const { return m_entries.size(); }

Q_SIGNALS:
    // A picture asked for with take() is decoded, and handed over.
    void ready(const QString &path, const Picture &picture);

private:
    struct Job;
    struct Channel;
    struct Entry {
        std::shared_ptr<Job> job; // null once decoded
        Picture picture;
        bool wanted = false;      // asked for with take(), not only ahead
        quint64 order = 0;        // when it was asked for ahead
    };
    Entry started(const QString &path, bool wanted);
    void finished(const std::shared_ptr<Job> &job, const Picture &picture);

    PictureLoader &m_loader;
    std::shared_ptr<Channel> m_channel;
    QSize m_landscape, m_portrait;
    QHash<QString, Entry> m_entries;
    quint64 m_asked = 0;
};

} // namespace wortilo
