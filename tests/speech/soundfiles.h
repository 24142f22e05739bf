// SPDX-License-Identifier: MIT
#pragma once
#include <QFile>
#include <QString>
#include <cmath>
#include <sndfile.h>
#include <vector>

namespace wortilo::test {

// Writes a sine tone (amplitude 0..1 of full scale; 0 writes silence) in the format libsndfile
// gives the extension of path: .ogg/.oga Vorbis, .opus, .flac, .wav, .mp3. False on failure.
inline bool writeTone(const QString &path, double seconds, int rate = 22050, int channels = 1,
                      double amplitude = 0.5, double hertz = 440)
{
    int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    const QString lower = path.toLower();
    if (lower.endsWith(QLatin1String(".ogg")) || lower.endsWith(QLatin1String(".oga")))
        format = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    else if (lower.endsWith(QLatin1String(".opus")))
        format = SF_FORMAT_OGG | SF_FORMAT_OPUS;
    else if (lower.endsWith(QLatin1String(".flac")))
        format = SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    else if (lower.endsWith(QLatin1String(".mp3")))
        format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    const auto frames = sf_count_t(seconds * rate);
    std::vector<float> samples(std::size_t(frames * channels));
    for (sf_count_t f = 0; f < frames; ++f)
        for (int c = 0; c < channels; ++c)
            samples[std::size_t(f * channels + c)] = float(amplitude * std::sin(2 * M_PI * hertz * double(f) / rate));
    const bool ok = sf_writef_float(file, samples.data(), frames) == frames;
    return sf_close(file) == 0 && ok;
}

} // namespace wortilo::test
