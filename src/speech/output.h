// SPDX-License-Identifier: MIT
#pragma once
#include <QtGlobal>
#include <cstddef>

struct pa_simple;

namespace wortilo {

// A playback stream to the sound server's default output, through PulseAudio's simple API
// (PipeWire serves it too). Every call may wait for the server: use it on a worker thread only.
class SoundOutput
{
public:
    SoundOutput() = default;
    ~SoundOutput();
    SoundOutput(const SoundOutput &) = delete;
    SoundOutput &operator=(const SoundOutput &) = delete;

    // Whether a sound server takes a connection (connects and hangs up at once).
    static bool isReachable();

    // A stream for mono 16-bit sound at this rate, the open one if its rate is the same; false
    // when there is no server.
    bool open(int rate);
    bool isOpen() const { return m_stream != nullptr; }
    void close();
    // Hands samples to the server; false (and closed) if the server went away.
    bool write(const qint16 *samples, std::size_t count);
    // Drops what the server has not played yet.
    void flush();

private:
    pa_simple *m_stream = nullptr;
    int m_rate = 0;
};

} // namespace wortilo
