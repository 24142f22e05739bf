// SPDX-License-Identifier: MIT
#include "output.h"

#include <pulse/simple.h>

namespace wortilo {

namespace {
pa_simple *connect(int rate)
{
    const pa_sample_spec spec{PA_SAMPLE_S16LE, uint32_t(rate), 1};
    const uint32_t bytesPerMs = uint32_t(rate) * 2 / 1000;
    // A short queue, so that stop and a new word take effect at once, and playback starting with
    // the first few milliseconds: the server's default waits for two seconds of sound, longer
    // than most words.
    pa_buffer_attr buffer{};
    buffer.maxlength = uint32_t(-1);
    buffer.tlength = 250 * bytesPerMs;
    buffer.prebuf = 10 * bytesPerMs;
    buffer.minreq = uint32_t(-1);
    buffer.fragsize = uint32_t(-1);
    int error = 0;
    return pa_simple_new(nullptr, "Wortilo", PA_STREAM_PLAYBACK, nullptr, "Wort", &spec, nullptr, &buffer, &error);
}
} // namespace

SoundOutput::~SoundOutput()
{
    close();
}

bool SoundOutput::isReachable()
{
    pa_simple *probe = connect(22050);
    if (!probe)
        return false;
    pa_simple_free(probe);
    return true;
}

bool SoundOutput::open(int rate)
{
    if (m_stream && m_rate == rate)
        return true;
    close();
    m_stream = connect(rate);
    m_rate = rate;
    return m_stream != nullptr;
}

void SoundOutput::close()
{
    if (m_stream)
        pa_simple_free(m_stream);
    m_stream = nullptr;
}

bool SoundOutput::write(const qint16 *samples, std::size_t count)
{
    int error = 0;
    if (m_stream && pa_simple_write(m_stream, samples, count * sizeof(qint16), &error) == 0)
        return true;
    close();
    return false;
}

void SoundOutput::flush()
{
    int error = 0;
    if (m_stream && pa_simple_flush(m_stream, &error) != 0)
        close();
}

} // namespace wortilo
