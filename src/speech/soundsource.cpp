// SPDX-License-Identifier: MIT
#include "soundsource.h"

namespace wortilo {

std::shared_ptr<const Sound> SoundSource::sound(const QString &recording, const QString &text)
{
    // Read each time: the teacher may record a word again while the program runs.
    if (!recording.isEmpty())
        if (std::optional<Sound> recorded = readRecording(recording))
            return std::make_shared<const Sound>(std::move(*recorded));
    if (const auto *cached = m_synthesised.object(text))
        return *cached;
    std::optional<Sound> spoken = m_voice.synthesise(text);
    if (!spoken)
        return nullptr;
    auto sound = std::make_shared<const Sound>(std::move(*spoken));
    m_synthesised.insert(text, new std::shared_ptr<const Sound>(sound), sound->bytes());
    return sound;
}

} // namespace wortilo
