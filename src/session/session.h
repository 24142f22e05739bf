// SPDX-License-Identifier: MIT
#pragma once
#include "core/activitycontext.h"
#include "core/random.h"
#include "pictures/folder.h"
#include "pictures/pictureloader.h"
#include "speech/speaker.h"
#include "usage/usagelog.h"
#include "words/settingsfile.h"
#include "words/wordstore.h"

#include <QObject>
#include <QThread>
#include <future>
#include <optional>
#include <utility>

namespace wortilo {

// The program's state for one run, without widgets: the word store with its letter selection and
// filter, the settings kept in WORTILO.INI, the player's name and the usage log. The main window,
// its panels and the usage view show it and change it through it; the activities work with it
// as their context.
class Session : public QObject, public ActivityContext
{
    Q_OBJECT
public:
    Session(Messages &messages, const QString &folder, Clock &clock);

    // Start-up: looks for picture files and shows "Programmabbruch" when there is none (the
    // program must then end without writing anything). Returns whether there are any.
    bool bildersuchen();
    // The picture folder read, sorted and its names judged on a worker thread: the program
    // begins it before the toolkit starts, and the picture check and the word list take its
    // result instead of reading and judging themselves.
    struct FolderReading {
        PictureFolder folder;
        QList<Word> words;
    };
    static std::future<FolderReading> readFolderInBackground(const QString &path);
    void takeFolderReading(std::future<FolderReading> reading) { m_reading = std::move(reading); }
    // Start-up after the picture check: the letter list, the settings file, the word list and
    // the filtered list, in that order.
    void loadWords();
    // Writes WORTILO.INI (under the name it was found by, in any letter case). False when it
    // cannot be written; the old file then stays as it was.
    bool inisave();

    const WordStore &words() const { return m_store; }

    // The values WORTILO.INI keeps, as they are now.
    Settings settings() const;

    // The four switches of the options panel; one is named by its member
    // (setSwitch(&Switches::nameEntry, false)).
    const Switches &switches() const { return m_switches; }
    void setSwitch(bool Switches::*which, bool on);

    // The letter colours as palette indices: consonants and vowels.
    int mitlautfarbe() const { return m_mitlautfarbe; }
    int selbstlautfarbe() const { return m_selbstlautfarbe; }
    void setConsonantColour(int index);
    void setVowelColour(int index);

    // The three background values of the colour panel's scroll bars (0..255).
    int backgroundValue(int channel) const { return m_rgb[std::size_t(channel)]; }
    void setBackgroundValue(int channel, int value);
    // Makes the background values the shared background colour and has the sample redrawn.
    void farbprobe();

    // The letter panel: the whole selection as the list shows it (one flag per letter, however
    // many changed in one step), or all / none; each filters once and reports once.
    void setLetterSelection(const QVector<bool> &selected);
    void setAllLettersSelected(bool selected);
    // The "Filter" switch; when it would give no words it says so and ends off.
    void setFilter(bool on);

    // "Fertig!" on the name panel: a non-empty name becomes the player's name and empties the
    // usage log, also when the name is unchanged. An empty one changes nothing.
    void confirmName(const QString &name);

    UsageLog &usage() { return m_usage; }
    const UsageLog &usage() const { return m_usage; }

    // The program is ending: windows that close from now on hand no control back.
    void setQuitting() { m_quitting = true; }
    bool quitting() const { return m_quitting; }

    // ActivityContext
    QList<Word> activeWords() const override { return m_store.activeWords(); }
    QColor background() const override { return m_background; }
    LetterColours letterColours() const override;
    bool confirmationsOn() const override { return m_switches.confirmations; }
    QString playerName() const override { return m_name; }
    void appendUsage(Activity activity, const QString &line) override { m_usage.append(activity, line); }
    Messages &messages() override { return m_messages; }
    const PictureFolder &pictureFolder() const override { return m_folder; }
    PictureLoader &pictureLoader() override { return m_pictureLoader; }
    Random &random() override { return m_random; }
    Clock &clock() override { return m_clock; }
    Speaker &speaker() override { return *m_speaker; }
    // The speaker the activities use from now on (silent until one is set); it must outlive the
    // session's activities.
    void setSpeaker(Speaker &speaker) { m_speaker = &speaker; }

Q_SIGNALS:
    void switchesChanged();
    void coloursChanged();
    // The background values changed (the scroll bars follow them).
    void backgroundValuesChanged();
    // The shared background colour was applied: the sample word is drawn anew.
    void backgroundApplied();
    // The letter selection, the filtered nouns or the count label changed.
    void wordsChanged();
    void filterChanged(bool on);
    void nameChanged(const QString &name);

private:
    void iniload();

    Messages &m_messages;
    Clock &m_clock;
    Random m_random;
    PictureFolder m_folder;
    std::future<FolderReading> m_reading;
    std::optional<QList<Word>> m_readWords; // the words of the folder reading, until the word list takes them
    PictureLoader m_pictureLoader{QThread::idealThreadCount()};
    QString m_settingsPath;
    WordStore m_store;
    // The letter colours and switches start with their defaults in every run, before the
    // settings are read.
    Switches m_switches;
    int m_mitlautfarbe = Settings().consonantColor;
    int m_selbstlautfarbe = Settings().vowelColor;
    std::array<int, 3> m_rgb{0, 0, 0};
    QColor m_background = Qt::black; // until the settings or the colour panel apply one
    QString m_name = QStringLiteral("Freund");
    UsageLog m_usage;
    bool m_quitting = false;
    SilentSpeaker m_silent;
    Speaker *m_speaker = &m_silent;
};

} // namespace wortilo
