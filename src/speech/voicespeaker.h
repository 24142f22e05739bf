// SPDX-License-Identifier: MIT
#pragma once
#include "soundbackend.h"
#include "speaker.h"

#include <QString>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace wortilo {

class PictureFolder;

// The program's speaker: the recording beside a word's picture or the German voice, played on
// the sound server's default output. Loading the sound libraries, finding, synthesising and
// playing happen on a thread of its own, from start() on; the calls return at once. Whether a
// server and the voice are there is found out on that thread right after start() and reported
// through availabilityChanged().
class VoiceSpeaker : public Speaker
{
    Q_OBJECT
public:
    // folder: where the recordings are, beside the pictures; it must outlive the speaker and is
    // only used on the calling thread. makeBackend is called on the speaker's thread; without a
    // backend the speaker stays silent (kNoSoundOutput).
    VoiceSpeaker(const PictureFolder &folder, SoundBackendFactory makeBackend);
    ~VoiceSpeaker() override;

    // Starts the speaker's thread (once; later calls do nothing). The program calls it once its
    // window is on screen, so that loading the sound libraries does not compete with its start-up.
    // What is said before is said then.
    void start();

    void say(const Word &word, Utterance what) override;
    void stop() override;
    QString unavailableReason() const override;

    // For the benchmark: called on the speaker's thread just before an utterance's first samples
    // are handed to the sound server. Set it before start().
    void setFirstSampleHook(std::function<void()> hook) { m_firstSample = std::move(hook); }

private:
    struct Request {
        QString recording, text;
        quint64 id = 0;
    };

    void run();
    void setReason(const QString &reason);

    const PictureFolder &m_folder;
    SoundBackendFactory m_makeBackend;
    std::function<void()> m_firstSample;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<Request> m_pending;
    quint64 m_current = 0; // the id of the latest word; an older one being played stops
    bool m_flush = false;
    bool m_quit = false;
    QString m_reason;
    std::thread m_thread;
};

} // namespace wortilo
