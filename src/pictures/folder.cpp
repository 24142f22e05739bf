// SPDX-License-Identifier: MIT
#include "folder.h"

#include "core/germantext.h"

#include <QFile>
#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

namespace wortilo {

namespace {
bool hasExtension(QByteArrayView rawName, std::initializer_list<const char *> extensions)
{
    for (const char *extension : extensions) {
        const qsizetype length = qsizetype(std::strlen(extension));
        if (rawName.size() >= length && rawName.last(length).compare(extension, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool hasPictureExtension(QByteArrayView rawName)
{
    return hasExtension(rawName, {".wmf", ".jpg", ".gif", ".bmp"});
}

// Picture formats a teacher may drop into the folder that Wortilo does not read.
bool hasOtherPictureExtension(QByteArrayView rawName)
{
    return hasExtension(rawName, {".png", ".jpeg", ".jpe", ".jfif", ".webp", ".heic", ".heif", ".avif", ".tif",
                                  ".tiff", ".svg", ".emf", ".jxl"});
}

// Sound files beside the pictures, in the order one is preferred over another of the same name.
constexpr const char *kSoundExtensions[] = {".ogg", ".oga", ".opus", ".flac", ".wav", ".mp3"};

// The rank of a name's sound extension in kSoundExtensions, or -1.
int soundExtension(QByteArrayView name)
{
    for (int i = 0; i < int(std::size(kSoundExtensions)); ++i) {
        const QByteArrayView extension(kSoundExtensions[i]);
        if (name.size() > extension.size() && name.last(extension.size()).compare(extension, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

// A raw name as a composed string, or a null string if it is not valid UTF-8.
QString composedName(QByteArrayView raw)
{
    if (std::all_of(raw.begin(), raw.end(), [](char c) { return uchar(c) < 0x80; }))
        return QString::fromLatin1(raw);
    if (!QUtf8StringView(raw).isValidUtf8())
        return {};
    return QString::fromUtf8(raw).normalized(QString::NormalizationForm_C);
}

// Whether a directory entry is a file (or a link to one). The entry's type saves asking the
// disk for each of thousands of names; links and file systems that do not tell are asked.
bool isFile(const QByteArray &base, const dirent &e)
{
    if (e.d_type == DT_REG)
        return true;
    if (e.d_type != DT_LNK && e.d_type != DT_UNKNOWN)
        return false;
    struct stat info;
    return ::stat(QByteArray(base + e.d_name).constData(), &info) == 0 && S_ISREG(info.st_mode);
}
} // namespace

PictureFolder::PictureFolder(const QString &path) : m_path(path) {}

void PictureFolder::scan()
{
    m_names.clear();
    m_storedAs.clear();
    m_byEntry.clear();
    m_sounds.clear();
    m_soundByStem.clear();
    m_undecodable = 0;
    m_refused.clear();
    // readdir gives the raw bytes, so an undecodable name is recognised instead of being
    // silently turned into replacement characters.
    DIR *dir = ::opendir(QFile::encodeName(m_path).constData());
    if (!dir)
        return;
    const QByteArray base = QFile::encodeName(m_path) + '/';
    QStringList names;
    while (const dirent *e = ::readdir(dir)) {
        const QByteArrayView raw(e->d_name);
        const bool picture = hasPictureExtension(raw);
        if (!picture && !hasOtherPictureExtension(raw)) {
            if (soundExtension(raw) >= 0 && isFile(base, *e))
                m_sounds.append(QByteArray(e->d_name));
            continue;
        }
        if (!isFile(base, *e))
            continue;
        if (!picture) {
            m_refused.append({QString::fromUtf8(raw).normalized(QString::NormalizationForm_C), RefusedFile::Why::OtherFormat});
        } else if (std::all_of(raw.begin(), raw.end(), [](char c) { return uchar(c) < 0x80; })) {
            names.append(QString::fromLatin1(raw)); // ASCII: already composed, and its own UTF-8
        } else if (QUtf8StringView(raw).isValidUtf8()) {
            const QString name = QString::fromUtf8(raw).normalized(QString::NormalizationForm_C);
            if (name.toUtf8() != raw && !m_storedAs.contains(name))
                m_storedAs.insert(name, raw.toByteArray());
            names.append(name);
        } else {
            ++m_undecodable;
            m_refused.append({QString::fromUtf8(raw), RefusedFile::Why::UndecodableName});
        }
    }
    ::closedir(dir);
    // Alphabetical as a German reader expects (Bär before Bus), letter case ignored; names equal
    // under that rule keep a fixed order.
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = germanCompare(a, b);
        return c != 0 ? c < 0 : a < b;
    });
    m_names = std::move(names);
    std::sort(m_refused.begin(), m_refused.end(),
              [](const RefusedFile &a, const RefusedFile &b) { return germanCompare(a.name, b.name) < 0; });
}

QString PictureFolder::resolve(const QString &entry) const
{
    // Indexed when the first picture is looked for, not at start-up.
    if (m_byEntry.isEmpty()) {
        m_byEntry.reserve(m_names.size());
        for (qsizetype i = 0; i < m_names.size(); ++i) {
            // Names that differ only in letter case are one picture, as on a case-insensitive
            // disk: the first one is found.
            const QString upper = germanUpper(m_names[i]);
            if (!m_byEntry.contains(upper))
                m_byEntry.insert(upper, m_storedAs.value(m_names[i], m_names[i].toUtf8()));
        }
    }
    const auto it = m_byEntry.constFind(entry);
    if (it == m_byEntry.constEnd())
        return {};
    return QFile::decodeName(QFile::encodeName(m_path) + '/' + it.value());
}

QString PictureFolder::recording(const QString &entry) const
{
    // Indexed when the first word is said: most folders hold no recordings at all.
    if (m_soundByStem.isEmpty() && !m_sounds.isEmpty()) {
        QHash<QString, int> rank;
        for (const QByteArray &raw : m_sounds) {
            const int extension = soundExtension(raw);
            const QString name = composedName(raw);
            if (name.isNull())
                continue;
            const QString stem = germanUpper(name.left(name.size() - qsizetype(std::strlen(kSoundExtensions[extension]))));
            const auto known = rank.constFind(stem);
            if (known != rank.constEnd() && known.value() <= extension)
                continue;
            rank.insert(stem, extension);
            m_soundByStem.insert(stem, raw);
        }
    }
    const qsizetype dot = entry.lastIndexOf(u'.');
    const auto it = m_soundByStem.constFind(dot > 0 ? entry.left(dot) : entry);
    if (it == m_soundByStem.constEnd())
        return {};
    return QFile::decodeName(QFile::encodeName(m_path) + '/' + it.value());
}

} // namespace wortilo
