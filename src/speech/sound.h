// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <QtGlobal>
#include <optional>
#include <vector>

namespace wortilo {

// A sound in memory: mono, 16-bit samples at the given rate.
struct Sound {
    std::vector<qint16> samples;
    int rate = 0;

    double seconds() const { return rate > 0 ? double(samples.size()) / rate : 0; }
    // Whether anything louder than background hiss is heard (a peak above 1 % of full scale).
    bool isAudible() const;
    qsizetype bytes() const { return qsizetype(samples.size() * sizeof(qint16)); }
};

// A recording is passed over beyond these: a word lasts a second or two.
constexpr double kMaxRecordingSeconds = 10;
constexpr qint64 kMaxRecordingBytes = 10 * 1024 * 1024;

// The recording in a sound file (any format libsndfile reads: Ogg Vorbis and Opus, FLAC, WAV,
// MP3), mixed down to mono; nothing when the file is missing, damaged, empty, silent, longer than
// kMaxRecordingSeconds or larger than kMaxRecordingBytes.
std::optional<Sound> readRecording(const QString &path);

} // namespace wortilo
