// SPDX-License-Identifier: MIT
#include "voice.h"

#include <QDir>
#include <QFile>
#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

namespace wortilo {

namespace {
// Slower than eSpeak's 175 words a minute: the listeners are learning to read.
constexpr int kWordsPerMinute = 140;

// Collects what eSpeak synthesises; called back during espeak_Synth.
int collect(short *samples, int count, espeak_EVENT *events)
{
    if (samples && count > 0 && events && events->user_data) {
        auto *sound = static_cast<Sound *>(events->user_data);
        sound->samples.insert(sound->samples.end(), samples, samples + count);
    }
    return 0; // go on
}
} // namespace

GermanVoice::GermanVoice(const QString &dataPath) : m_dataPath(dataPath) {}

// eSpeak stays loaded until the process ends: espeak_Terminate followed by another
// espeak_Initialize hangs in eSpeak NG 1.51.
GermanVoice::~GermanVoice() = default;

bool GermanVoice::isInstalled() const
{
    QString folder = m_dataPath;
    if (folder.isEmpty()) {
        // Finds the folder as espeak_Initialize would; reads no data.
        espeak_ng_InitializePath(nullptr);
        const char *path = nullptr;
        espeak_Info(&path);
        folder = path ? QFile::decodeName(path) : QString();
    }
    const QDir dir(folder);
    return !folder.isEmpty() && dir.exists(QStringLiteral("phontab")) && dir.exists(QStringLiteral("de_dict"))
           && dir.exists(QStringLiteral("lang/gmw/de"));
}

bool GermanVoice::load()
{
    if (m_state != State::NotLoaded)
        return m_state == State::Loaded;
    m_state = State::Failed;
    // A missing data folder would otherwise end the program.
    if (!isInstalled())
        return false;
    static bool initialised = false;
    if (!initialised) {
        const QByteArray path = QFile::encodeName(m_dataPath);
        if (espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, path.isEmpty() ? nullptr : path.constData(),
                              espeakINITIALIZE_DONT_EXIT)
            <= 0)
            return false;
        initialised = true;
        espeak_SetSynthCallback(collect);
    }
    if (espeak_SetVoiceByName("de") != EE_OK)
        return false;
    espeak_SetParameter(espeakRATE, kWordsPerMinute, 0);
    m_state = State::Loaded;
    return true;
}

std::optional<Sound> GermanVoice::synthesise(const QString &text)
{
    if (!load())
        return std::nullopt;
    Sound sound;
    sound.rate = espeak_ng_GetSampleRate();
    const QByteArray utf8 = text.toUtf8();
    if (espeak_Synth(utf8.constData(), std::size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                     &sound)
        != EE_OK)
        return std::nullopt;
    if (!sound.isAudible())
        return std::nullopt;
    return sound;
}

} // namespace wortilo
