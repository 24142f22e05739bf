// SPDX-License-Identifier: MIT
#include "voicespeaker.h"

#include "pictures/folder.h"

#include <chrono>

namespace wortilo {

namespace {
// Samples are handed over in pieces this long, so that a new word is noticed in between.
constexpr int kPieceMs = 40;
// An idle stream is closed after this, so that the server may suspend the device.
constexpr auto kIdleClose = std::chrono::seconds(5);
} // namespace

VoiceSpeaker::VoiceSpeaker(const PictureFolder &folder, SoundBackendFactory makeBackend)
    : m_folder(folder), m_makeBackend(std::move(makeBackend))
{
}

void VoiceSpeaker::start()
{
    if (!m_thread.joinable())
        m_thread = std::thread([this] { run(); });
}

VoiceSpeaker::~VoiceSpeaker()
{
    {
        const std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void VoiceSpeaker::say(const Word &word, Utterance what)
{
    // The recording holds the noun alone.
    Request request{what == Utterance::Noun ? m_folder.recording(word.entry()) : QString(), spokenText(word, what), 0};
    {
        const std::lock_guard lock(m_mutex);
        request.id = ++m_current;
        m_pending = std::move(request);
    }
    m_wake.notify_all();
}

void VoiceSpeaker::stop()
{
    {
        const std::lock_guard lock(m_mutex);
        ++m_current;
        m_pending.reset();
        m_flush = true;
    }
    m_wake.notify_all();
}

QString VoiceSpeaker::unavailableReason() const
{
    const std::lock_guard lock(m_mutex);
    return m_reason;
}

void VoiceSpeaker::setReason(const QString &reason)
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_reason == reason)
            return;
        m_reason = reason;
    }
    // Dropped by Qt if the speaker is gone by then.
    QMetaObject::invokeMethod(this, [this] { Q_EMIT availabilityChanged(); }, Qt::QueuedConnection);
}

void VoiceSpeaker::run()
{
    const std::unique_ptr<SoundBackend> backend = m_makeBackend();
    if (!backend) {
        setReason(kNoSoundOutput);
        std::unique_lock lock(m_mutex);
        m_wake.wait(lock, [this] { return m_quit; }); // what is asked for is dropped unsaid
        return;
    }
    const QString readyReason = backend->hasVoice() ? QString() : kNoGermanVoice;
    setReason(backend->isServerReachable() ? readyReason : kNoSoundOutput);

    std::unique_lock lock(m_mutex);
    for (;;) {
        const auto woken = [this] { return m_quit || m_flush || m_pending.has_value(); };
        if (backend->isOpen()) {
            if (!m_wake.wait_for(lock, kIdleClose, woken)) {
                backend->close();
                continue;
            }
        } else {
            m_wake.wait(lock, woken);
        }
        if (m_quit)
            return;
        m_flush = false;
        if (!m_pending) {
            lock.unlock();
            backend->flush();
            lock.lock();
            continue;
        }
        const Request request = std::move(*m_pending);
        m_pending.reset();
        lock.unlock();

        backend->flush(); // the word before stops
        const std::shared_ptr<const Sound> sound = backend->sound(request.recording, request.text);
        if (sound && backend->open(sound->rate)) {
            setReason(readyReason);
            const std::size_t piece = std::size_t(sound->rate) * kPieceMs / 1000;
            for (std::size_t at = 0; at < sound->samples.size(); at += piece) {
                {
                    const std::lock_guard check(m_mutex);
                    if (m_quit || m_current != request.id)
                        break; // what follows flushes
                }
                if (at == 0 && m_firstSample)
                    m_firstSample();
                if (!backend->write(sound->samples.data() + at, std::min(piece, sound->samples.size() - at))) {
                    setReason(kNoSoundOutput);
                    break;
                }
            }
        } else if (sound) {
            setReason(kNoSoundOutput);
        }
        lock.lock();
    }
}

} // namespace wortilo
