// SPDX-License-Identifier: MIT
#pragma once
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
// the sound server's default output. Finding, synthesising and playing happen on a thread of its
// own; the calls return at once. Whether a server and the voice are there is found out on that
// thread right after construction and reported through availabilityChanged().
class VoiceSpeaker : public Speaker
{
    Q_OBJECT
public:
    // folder: where the recordings are, beside the pictures; it must outlive the speaker and is
    // only used on the calling thread. voiceData: eSpeak NG's data folder, empty for the
    // installed one.
    explicit VoiceSpeaker(const PictureFolder &folder, const QString &voiceData = {});
    ~VoiceSpeaker() override;

    void say(const Word &word, Utterance what) override;
    void stop() override;
    QString unavailableReason() const override;

    // For the benchmark: called on the speaker's thread just before an utterance's first samples
    // are handed to the sound server. Set it before the first word.
    void setFirstSampleHook(std::function<void()> hook) { m_firstSample = std::move(hook); }

private:
    struct Request {
        QString recording, text;
        quint64 id = 0;
    };

    void run(const QString &voiceData);
    void setReason(const QString &reason);

    const PictureFolder &m_folder;
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
