// SPDX-License-Identifier: MIT
#pragma once
#include "core/word.h"

#include <QObject>
#include <QString>

namespace wortilo {

// Why the speaker cannot speak, as its buttons' tooltip says it.
inline const QString kNoSoundOutput = QStringLiteral("Kein Tonausgang gefunden");
inline const QString kNoGermanVoice = QStringLiteral("Keine deutsche Stimme gefunden");

// What is said about a word.
enum class Utterance {
    Noun,        // Hund
    WithArticle, // der Hund
    Sentence,    // Ich sehe einen Hund
};

// The words of an utterance about a word.
QString spokenText(const Word &word, Utterance what);

// Says words aloud, injected into the engines like the clock and the generator. Saying never
// waits: a speaker that cannot speak stays silent and tells why through its availability.
class Speaker : public QObject
{
    Q_OBJECT
public:
    // Says something about a word; a new word stops the one still being said.
    virtual void say(const Word &word, Utterance what) = 0;
    // Stops what is being said.
    virtual void stop() = 0;
    // Empty while the speaker can speak, otherwise why not (kNoSoundOutput, kNoGermanVoice).
    virtual QString unavailableReason() const = 0;

    bool isAvailable() const { return unavailableReason().isEmpty(); }
    // Says the noun; a word without one (a null word, or a picture named by its article alone)
    // has nothing to say.
    void sayNoun(const Word &word)
    {
        if (word.hasNoun())
            say(word, Utterance::Noun);
    }

Q_SIGNALS:
    // The reason changed (found out after start-up, or the sound server went away or came back).
    void availabilityChanged();
};

// A speaker that says nothing, for a run without the program's voice (tests, a session no
// voice was handed to): its buttons show why.
class SilentSpeaker : public Speaker
{
    Q_OBJECT
public:
    void say(const Word &, Utterance) override {}
    void stop() override {}
    QString unavailableReason() const override { return kNoSoundOutput; }
};

} // namespace wortilo
