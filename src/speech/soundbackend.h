// SPDX-License-Identifier: MIT
#pragma once
#include "sound.h"

#include <QString>
#include <cstddef>
#include <functional>
#include <memory>

namespace wortilo {

// What the speaker's thread needs from the sound libraries (libsndfile, eSpeak NG, PulseAudio):
// the sound for a word and a stream to play it on. The program loads them from a module of their
// own on that thread, so that loading some twenty libraries is not part of its start-up. Used on
// one thread only.
class SoundBackend
{
public:
    virtual ~SoundBackend() = default;

    // Whether the German voice's files are there (a recording may still be said without it).
    virtual bool hasVoice() const = 0;
    // Whether a sound server takes a connection.
    virtual bool isServerReachable() = 0;
    // recording: a sound file's path or empty; text: what the voice says instead. Null when
    // neither gives a sound.
    virtual std::shared_ptr<const Sound> sound(const QString &recording, const QString &text) = 0;

    // The output stream: see SoundOutput.
    virtual bool open(int rate) = 0;
    virtual bool isOpen() const = 0;
    virtual void close() = 0;
    virtual bool write(const qint16 *samples, std::size_t count) = 0;
    virtual void flush() = 0;
};

// Makes the backend, on the speaker's thread; null when the sound libraries cannot be loaded.
using SoundBackendFactory = std::function<std::unique_ptr<SoundBackend>()>;

// The backend linked into this binary. voiceData: eSpeak NG's data folder, empty for the
// installed one.
std::unique_ptr<SoundBackend> makeSoundBackend(const QString &voiceData = {});

// The sound module's file name; the program looks for it in its own folder.
inline const QString kSoundModule = QStringLiteral("libwortilo-sound.so");

// The backend in the sound module at modulePath; null, with a warning, when it cannot be loaded.
std::unique_ptr<SoundBackend> loadSoundBackend(const QString &modulePath);

} // namespace wortilo
