// SPDX-License-Identifier: MIT
#pragma once
#include "sound.h"
#include "voice.h"

#include <QCache>
#include <QString>
#include <memory>

namespace wortilo {

// Where a word's sound comes from: the teacher's recording beside the picture if it is usable,
// otherwise the German voice. Synthesised sounds are kept for the run, up to kCacheBytes.
class SoundSource
{
public:
    static constexpr qsizetype kCacheBytes = 4 * 1024 * 1024;

    explicit SoundSource(const QString &voiceData = {}) : m_voice(voiceData), m_synthesised(kCacheBytes) {}

    bool hasVoice() const { return m_voice.isInstalled(); }
    // recording: a sound file's path or empty; text: what the voice says instead. Null when
    // neither gives a sound.
    std::shared_ptr<const Sound> sound(const QString &recording, const QString &text);

private:
    GermanVoice m_voice;
    QCache<QString, std::shared_ptr<const Sound>> m_synthesised;
};

} // namespace wortilo
