// SPDX-License-Identifier: MIT
#include "session.h"

#include "core/messages.h"

namespace wortilo {

Session::Session(Messages &messages, const QString &folder, Clock &clock)
    : m_messages(messages), m_clock(clock), m_folder(folder)
{
}

std::future<Session::FolderReading> Session::readFolderInBackground(const QString &path)
{
    return std::async(std::launch::async, [path] {
        FolderReading reading{PictureFolder(path), {}};
        reading.folder.scan();
        reading.words = WordStore::wordsOf(reading.folder.pictureFiles());
        return reading;
    });
}

bool Session::bildersuchen()
{
    if (m_reading.valid()) {
        FolderReading reading = m_reading.get();
        m_folder = std::move(reading.folder);
        m_readWords = std::move(reading.words);
    } else {
        m_folder.scan();
        m_readWords.reset();
    }
    if (m_folder.hasPictureFiles())
        return true;
    m_messages.ok(QStringLiteral("Programmabbruch"), QStringLiteral("Es wurden keine Bilddateien gefunden!") + kCr
                                                         + QStringLiteral("Das Programm ist nicht funktionsfähig!")
                                                         + kCr);
    return false;
}

void Session::loadWords()
{
    m_store.buchstabenliste();
    iniload();
    if (m_readWords)
        m_store.setWords(*std::exchange(m_readWords, std::nullopt));
    else
        m_store.wortliste(m_folder.pictureFiles());
    m_store.filtern();
    Q_EMIT wordsChanged();
}

void Session::iniload()
{
    // Each line is applied as it is read; a bad line leaves it and the lines after it at their
    // values before the read, and the preview and letters apply only when the whole file was read.
    m_settingsPath = settingsFilePath(m_folder.path());
    const SettingsRead read = readSettingsFile(m_settingsPath, settings());
    const Settings &v = read.values;
    const int good = read.goodLines;
    m_switches = v.switches;
    Q_EMIT switchesChanged();
    if (good >= 5)
        setConsonantColour(v.consonantColor);
    if (good >= 6)
        setVowelColour(v.vowelColor);
    // A scroll bar that changes shows its colour at once, as when it is moved by hand.
    const int rgb[] = {v.red, v.green, v.blue};
    for (int channel = 0; channel < 3; ++channel)
        if (m_rgb[std::size_t(channel)] != rgb[channel])
            setBackgroundValue(channel, rgb[channel]);
    if (good < kSettingsLineCount)
        return;
    farbprobe();
    m_store.selectLettersIn(v.letters);
}

Settings Session::settings() const
{
    Settings s;
    s.switches = m_switches;
    s.consonantColor = m_mitlautfarbe;
    s.vowelColor = m_selbstlautfarbe;
    s.red = m_rgb[0];
    s.green = m_rgb[1];
    s.blue = m_rgb[2];
    s.letters = m_store.selectedLetters();
    return s;
}

bool Session::inisave()
{
    if (m_settingsPath.isEmpty())
        m_settingsPath = settingsFilePath(m_folder.path());
    return writeSettingsFile(m_settingsPath, settings());
}

void Session::setSwitch(bool Switches::*which, bool on)
{
    if (m_switches.*which == on)
        return;
    m_switches.*which = on;
    Q_EMIT switchesChanged();
}

void Session::setConsonantColour(int index)
{
    m_mitlautfarbe = index;
    Q_EMIT coloursChanged();
}

void Session::setVowelColour(int index)
{
    m_selbstlautfarbe = index;
    Q_EMIT coloursChanged();
}

LetterColours Session::letterColours() const
{
    return {m_mitlautfarbe, m_selbstlautfarbe};
}

void Session::setBackgroundValue(int channel, int value)
{
    m_rgb[std::size_t(channel)] = value;
    Q_EMIT backgroundValuesChanged();
    farbprobe();
}

void Session::farbprobe()
{
    m_background = QColor(m_rgb[0], m_rgb[1], m_rgb[2]);
    Q_EMIT backgroundApplied();
}

void Session::setLetterSelection(const QVector<bool> &selected)
{
    m_store.setSelection(selected);
    m_store.filtern();
    Q_EMIT wordsChanged();
}

void Session::setAllLettersSelected(bool selected)
{
    m_store.setAllSelected(selected);
    m_store.filtern();
    Q_EMIT wordsChanged();
}

void Session::setFilter(bool on)
{
    if (on == m_store.filterOn())
        return;
    const bool noWords = m_store.setFilter(on);
    Q_EMIT wordsChanged();
    // The message is shown over the box as it was clicked; only then is the box cleared.
    if (noWords)
        m_messages.ok(QStringLiteral("Filter: "), QStringLiteral("Der Filter erzeugt keine Wörter!") + kCr
                                                      + QStringLiteral("Filter wird wieder abgeschaltet.") + kCr);
    Q_EMIT filterChanged(m_store.filterOn());
}

void Session::confirmName(const QString &name)
{
    if (name.isEmpty())
        return;
    m_name = name;
    m_usage.clear();
    Q_EMIT nameChanged(m_name);
}

} // namespace wortilo
