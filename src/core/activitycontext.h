// SPDX-License-Identifier: MIT
#pragma once
#include "activity.h"
#include "germantext.h"
#include "word.h"

#include <QColor>
#include <QList>

namespace wortilo {

class Clock;
class Messages;
class PictureFolder;
class PictureLoader;
class Random;
class Speaker;

// The two letter colours as palette indices.
struct LetterColours {
    int consonant = 10;
    int vowel = 12;
    // Palette index in which character c is drawn.
    int of(QChar c) const { return isVowel(c) ? vowel : consonant; }
};

// What an activity works with: the shared state it reads, the usage log it writes, and the
// services it draws on. Engines and their windows get it; how a window hands control back to
// the menu is not part of it. The session implements it; tests use a fake.
class ActivityContext
{
public:
    virtual ~ActivityContext() = default;

    // The words the activities draw from (the word list, narrowed to the letter filter's nouns
    // while "Filter" is checked).
    virtual QList<Word> activeWords() const = 0;
    // The background colour chosen on the colour panel.
    virtual QColor background() const = 0;
    virtual LetterColours letterColours() const = 0;
    // Whether right answers are confirmed by a message ("Bestätigungen aktivieren").
    virtual bool confirmationsOn() const = 0;
    virtual QString playerName() const = 0;
    // Appends a line to the activity's list of the usage view.
    virtual void appendUsage(Activity activity, const QString &line) = 0;

    virtual Messages &messages() = 0;
    virtual const PictureFolder &pictureFolder() const = 0;
    // Decodes the pictures off the window's thread.
    virtual PictureLoader &pictureLoader() = 0;
    // The program's one random generator, and the clock the games seed it from.
    virtual Random &random() = 0;
    virtual Clock &clock() = 0;
    // Says words aloud; never waits, and stays silent when it cannot speak.
    virtual Speaker &speaker() = 0;
};

} // namespace wortilo
