// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QString>

// The settings file WORTILO.INI: ten lines kept between runs (four switches, the two letter
// colours, the background colour and the selected letters). Reading and writing only; the main
// window applies the values to its controls.
namespace wortilo {

inline const QString kSettingsFileName = QStringLiteral("WORTILO.INI");
inline constexpr int kSettingsLineCount = 10;

// The four switches of the options panel, with their values when there is no file.
struct Switches {
    bool confirmations = true;   // "Bestätigungen aktivieren", Check2
    bool colourSettings = false; // "Farbeinstellungen aktivieren", Check3
    bool letterFilter = false;   // "Wortfilterauswahl aktivieren", Check4
    bool nameEntry = true;       // "Namenseingabe aktivieren", Check5

    bool operator==(const Switches &) const = default;
};

// The values kept in WORTILO.INI, with the values used when there is no file.
struct Settings {
    Switches switches;       // lines 1-4 (0 or 1), Check2, Check3, Check4, Check5
    int consonantColor = 10; // line 5, mitlautfarbe (0..15)
    int vowelColor = 12;     // line 6, selbstlautfarbe (0..15)
    int red = 0, green = 0, blue = 0; // lines 7-9, VScroll1..3 (0..255)
    QString letters;         // line 10, selected letters in list order

    bool operator==(const Settings &) const = default;
};

// What a read gives: the start values with the lines before the first bad one applied.
struct SettingsRead {
    Settings values;
    // 0..10: line k was applied iff k <= goodLines. 10 means the whole file was read, so the
    // background preview and the letter selection apply.
    int goodLines = 0;
};

// The settings file in a folder: the file there whose name is WORTILO.INI in any letter case (a
// file made by hand may be called wortilo.ini), or WORTILO.INI when there is none.
QString settingsFilePath(const QString &folder);

// Reads the ten lines from the bytes of a settings file. Lines end in CR LF, LF or CR; a UTF-8
// byte order mark at the start is skipped. A number line that is not a whole number or lies
// outside its range, a missing line or a line longer than any settings line can be stops the
// read there. Line 10 is Windows-1252, or UTF-8 when it is valid UTF-8 with non-ASCII bytes.
SettingsRead parseSettings(const QByteArray &bytes, const Settings &start = {});
// Reads the file at path (only its first few KB); a missing or unreadable file gives goodLines 0.
SettingsRead readSettingsFile(const QString &path, const Settings &start = {});

// The file's bytes: number lines in print form (" 1 ", "-1 "), CR LF after every line, line 10 in
// Windows-1252 holding only the letters of the alphabet (anything else is dropped).
QByteArray formatSettings(const Settings &s);
// Writes the file through a temporary file in the same folder that replaces the old one only
// when complete. Returns false when it cannot be written; the old file then stays as it was.
bool writeSettingsFile(const QString &path, const Settings &s);

} // namespace wortilo
