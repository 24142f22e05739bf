// SPDX-License-Identifier: MIT
#include "sound.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <sndfile.h>

namespace wortilo {

bool Sound::isAudible() const
{
    constexpr int kHiss = 32767 / 100;
    return std::any_of(samples.begin(), samples.end(), [](qint16 s) { return std::abs(int(s)) > kHiss; });
}

std::optional<Sound> readRecording(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() == 0 || info.size() > kMaxRecordingBytes)
        return std::nullopt;
    SF_INFO format{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &format);
    if (!file)
        return std::nullopt;
    Sound sound;
    sound.rate = format.samplerate;
    bool ok = format.channels > 0 && format.samplerate >= 4000 && format.samplerate <= 384000;
    // The length the header claims is not trusted (an MP3 only estimates it): the frames read
    // are counted, and reading stops one block beyond the limit.
    const auto limit = std::int64_t(kMaxRecordingSeconds * format.samplerate);
    constexpr sf_count_t kBlock = 4096;
    std::vector<float> block;
    if (ok)
        block.resize(std::size_t(kBlock * format.channels));
    while (ok) {
        const sf_count_t read = sf_readf_float(file, block.data(), kBlock);
        if (read <= 0)
            break;
        for (sf_count_t f = 0; f < read; ++f) {
            float sum = 0;
            for (int c = 0; c < format.channels; ++c)
                sum += block[std::size_t(f * format.channels + c)];
            const float mono = std::clamp(sum / float(format.channels), -1.0f, 1.0f);
            sound.samples.push_back(qint16(std::lround(mono * 32767)));
        }
        ok = std::int64_t(sound.samples.size()) <= limit;
    }
    ok = ok && sf_error(file) == SF_ERR_NO_ERROR;
    sf_close(file);
    if (!ok || !sound.isAudible())
        return std::nullopt;
    return sound;
}

} // namespace wortilo
