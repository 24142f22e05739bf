// SPDX-License-Identifier: MIT
#include "settingsfile.h"

#include "core/germantext.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <optional>

namespace wortilo {

namespace {

// No line of a settings file comes near this; a longer one is damaged. Capping the line also
// caps what a read looks at, so a huge file is read no further than its first few KB.
constexpr qsizetype kMaxLineBytes = 512;
constexpr qsizetype kReadLimit = kSettingsLineCount * (kMaxLineBytes + 2) + 3;

// Lines 1 to 4 in file order: the switches, each 0 or 1.
constexpr std::array<bool Switches::*, 4> kSwitchLines = {
    &Switches::confirmations, &Switches::colourSettings, &Switches::letterFilter, &Switches::nameEntry};

struct NumberLine {
    int Settings::*field;
    int min;
    int max;
};

// Lines 5 to 9 in file order, with the range each accepts.
constexpr std::array<NumberLine, 5> kNumberLines = {{
    {&Settings::consonantColor, 0, 15},
    {&Settings::vowelColor, 0, 15},
    {&Settings::red, 0, 255},
    {&Settings::green, 0, 255},
    {&Settings::blue, 0, 255},
}};

// Takes the next line at pos: up to CR LF, LF or CR, or to the end of the bytes. False when
// there is no line left or the line is too long to be one of ours.
bool nextLine(QByteArrayView bytes, qsizetype &pos, QByteArrayView &line)
{
    if (pos >= bytes.size())
        return false;
    const qsizetype limit = std::min(bytes.size(), pos + kMaxLineBytes + 1);
    qsizetype end = pos;
    while (end < limit && bytes[end] != '\r' && bytes[end] != '\n')
        ++end;
    if (end - pos > kMaxLineBytes)
        return false;
    line = bytes.sliced(pos, end - pos);
    pos = end;
    if (pos < bytes.size() && bytes[pos] == '\r') {
        ++pos;
        if (pos < bytes.size() && bytes[pos] == '\n')
            ++pos;
    } else if (pos < bytes.size() && bytes[pos] == '\n') {
        ++pos;
    }
    return true;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

QByteArrayView trimmedBlanks(QByteArrayView v)
{
    while (!v.isEmpty() && isBlank(v.front()))
        v = v.sliced(1);
    while (!v.isEmpty() && isBlank(v.back()))
        v.chop(1);
    return v;
}

// A whole decimal number with an optional sign, blanks around it ignored.
std::optional<int> parseNumber(QByteArrayView line)
{
    QByteArrayView v = trimmedBlanks(line);
    bool negative = false;
    if (!v.isEmpty() && (v.front() == '-' || v.front() == '+')) {
        negative = v.front() == '-';
        v = v.sliced(1);
    }
    if (v.isEmpty())
        return std::nullopt;
    long long value = 0;
    for (const char c : v) {
        if (c < '0' || c > '9')
            return std::nullopt;
        // Past a million the value is out of every range; stop growing it.
        if (value < 1'000'000)
            value = value * 10 + (c - '0');
    }
    return int(negative ? -value : value);
}

// Windows-1252 characters 0x80..0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> kCp1252High = {
    u'\u20AC', u'\uFFFD', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\uFFFD', u'\u017D', u'\uFFFD',
    u'\uFFFD', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\uFFFD', u'\u017E', u'\u0178',
};

QString fromCp1252(QByteArrayView bytes)
{
    QString s;
    s.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        s += (b >= 0x80 && b < 0xA0) ? QChar(kCp1252High[b - 0x80]) : QChar::fromLatin1(c);
    }
    return s;
}

// The letters line as the program writes it (Windows-1252), or as a text editor may save it (UTF-8).
QString decodeLetters(QByteArrayView bytes)
{
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString s = utf8.decode(bytes);
        if (!utf8.hasError())
            return s.normalized(QString::NormalizationForm_C);
    }
    return fromCp1252(bytes);
}

char cp1252Letter(QChar c)
{
    switch (c.unicode()) {
    case u'Ä': return char(0xC4);
    case u'Ö': return char(0xD6);
    case u'Ü': return char(0xDC);
    case u'ß': return char(0xDF);
    default: return char(c.unicode()); // A..Z
    }
}

// A number as the print statement writes it: a blank in place of a plus sign, one blank after.
QByteArray printForm(int value)
{
    return (value < 0 ? QByteArray() : QByteArray(" ")) + QByteArray::number(value) + ' ';
}

} // namespace

SettingsRead parseSettings(const QByteArray &bytes, const Settings &start)
{
    SettingsRead read{start, 0};
    QByteArrayView view(bytes);
    qsizetype pos = view.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    QByteArrayView line;
    // The number on the next line when it lies in min..max.
    auto nextNumber = [&](int min, int max) -> std::optional<int> {
        if (!nextLine(view, pos, line))
            return std::nullopt;
        const std::optional<int> value = parseNumber(line);
        return value && *value >= min && *value <= max ? value : std::nullopt;
    };
    for (bool Switches::*field : kSwitchLines) {
        const std::optional<int> value = nextNumber(0, 1);
        if (!value)
            return read;
        read.values.switches.*field = *value == 1;
        ++read.goodLines;
    }
    for (const NumberLine &number : kNumberLines) {
        const std::optional<int> value = nextNumber(number.min, number.max);
        if (!value)
            return read;
        read.values.*number.field = *value;
        ++read.goodLines;
    }
    if (!nextLine(view, pos, line))
        return read;
    read.values.letters = decodeLetters(trimmedBlanks(line));
    ++read.goodLines;
    return read;
}

QString settingsFilePath(const QString &folder)
{
    const QDir dir(folder);
    if (!dir.exists(kSettingsFileName)) {
        const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
        for (const QString &name : names)
            if (name.compare(kSettingsFileName, Qt::CaseInsensitive) == 0)
                return dir.filePath(name);
    }
    return dir.filePath(kSettingsFileName);
}

SettingsRead readSettingsFile(const QString &path, const Settings &start)
{
    // Only a regular file: opening a named pipe would wait for a writer that never comes.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return SettingsRead{start, 0};
    return parseSettings(file.read(kReadLimit), start);
}

QByteArray formatSettings(const Settings &s)
{
    QByteArray bytes;
    for (bool Switches::*field : kSwitchLines)
        bytes += printForm(s.switches.*field ? 1 : 0) + "\r\n";
    for (const NumberLine &number : kNumberLines)
        bytes += printForm(s.*number.field) + "\r\n";
    for (const QChar c : s.letters)
        if (kAlphabet.contains(c))
            bytes += cp1252Letter(c);
    bytes += "\r\n";
    return bytes;
}

bool writeSettingsFile(const QString &path, const Settings &s)
{
    QSaveFile file(path);
    // Never fall back to writing the old file in place: a failure must leave it whole.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = formatSettings(s);
    // Flush before commit: commit() does not notice a write that fails only when its buffer is
    // flushed (a full disk) and would put the truncated file in place. An unfinished QSaveFile
    // is discarded when it goes out of scope.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError)
        return false;
    return file.commit();
}

} // namespace wortilo
