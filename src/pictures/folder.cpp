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
bool hasPictureExtension(const char *rawName)
{
    const size_t length = std::strlen(rawName);
    if (length < 4)
        return false;
    const QByteArrayView extension(rawName + length - 4, 4);
    for (const char *picture : {".wmf", ".jpg", ".gif", ".bmp"})
        if (extension.compare(picture, Qt::CaseInsensitive) == 0)
            return true;
    return false;
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
    m_byEntry.clear();
    m_undecodable = 0;
    // readdir gives the raw bytes, so an undecodable name is recognised instead of being
    // silently turned into replacement characters.
    DIR *dir = ::opendir(QFile::encodeName(m_path).constData());
    if (!dir)
        return;
    const QByteArray base = QFile::encodeName(m_path) + '/';
    QList<std::pair<QString, QByteArray>> found;
    while (const dirent *e = ::readdir(dir)) {
        if (!hasPictureExtension(e->d_name) || !isFile(base, *e))
            continue;
        const QByteArray raw(e->d_name);
        if (!QUtf8StringView(raw).isValidUtf8()) {
            ++m_undecodable;
            continue;
        }
        found.append({QString::fromUtf8(raw).normalized(QString::NormalizationForm_C), raw});
    }
    ::closedir(dir);
    // Alphabetical as a German reader expects (Bär before Bus), letter case ignored; names equal
    // under that rule keep a fixed order.
    std::sort(found.begin(), found.end(), [](const auto &a, const auto &b) {
        const int c = germanCompare(a.first, b.first);
        return c != 0 ? c < 0 : a.first < b.first;
    });
    for (const auto &[name, raw] : found) {
        m_names.append(name);
        // Names that differ only in letter case are one picture, as on a case-insensitive disk:
        // the first one is found.
        const QString entry = germanUpper(name);
        if (!m_byEntry.contains(entry))
            m_byEntry.insert(entry, raw);
    }
}

QString PictureFolder::resolve(const QString &entry) const
{
    const auto it = m_byEntry.constFind(entry);
    if (it == m_byEntry.constEnd())
        return {};
    return QFile::decodeName(QFile::encodeName(m_path) + '/' + it.value());
}

} // namespace wortilo
