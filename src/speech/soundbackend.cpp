// SPDX-License-Identifier: MIT
#include "soundbackend.h"

#include "output.h"
#include "soundsource.h"

namespace wortilo {

namespace {
class LinkedSoundBackend final : public SoundBackend
{
public:
    explicit LinkedSoundBackend(const QString &voiceData) : m_source(voiceData) {}

    bool hasVoice() const override { return m_source.hasVoice(); }
    bool isServerReachable() override { return SoundOutput::isReachable(); }
    std::shared_ptr<const Sound> sound(const QString &recording, const QString &text) override
    {
        return m_source.sound(recording, text);
    }
    bool open(int rate) override { return m_output.open(rate); }
    bool isOpen() const override { return m_output.isOpen(); }
    void close() override { m_output.close(); }
    bool write(const qint16 *samples, std::size_t count) override { return m_output.write(samples, count); }
    void flush() override { m_output.flush(); }

private:
    SoundSource m_source;
    SoundOutput m_output;
};
} // namespace

std::unique_ptr<SoundBackend> makeSoundBackend(const QString &voiceData)
{
    return std::make_unique<LinkedSoundBackend>(voiceData);
}

} // namespace wortilo
