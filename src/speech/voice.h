// SPDX-License-Identifier: MIT
#pragma once
#include "sound.h"

#include <QString>
#include <optional>

namespace wortilo {

// eSpeak NG's German voice, synthesising into memory. eSpeak keeps its state per process: one
// voice at a time, used from one thread at a time; the data folder the first one loads stays.
// Loading takes a while, so it is loaded when first used, not when made.
class GermanVoice
{
public:
    // dataPath: eSpeak NG's data folder, or empty for the installed one.
    explicit GermanVoice(const QString &dataPath = {});
    ~GermanVoice();
    GermanVoice(const GermanVoice &) = delete;
    GermanVoice &operator=(const GermanVoice &) = delete;

    // Whether the German voice's files are there; looks at the disk only, loads nothing.
    bool isInstalled() const;
    // Loads eSpeak NG and the German voice unless done already; false if either fails.
    bool load();
    // The text spoken, or nothing when the voice cannot be loaded or says nothing.
    std::optional<Sound> synthesise(const QString &text);

private:
    QString m_dataPath;
    enum class State { NotLoaded, Loaded, Failed } m_state = State::NotLoaded;
};

} // namespace wortilo
