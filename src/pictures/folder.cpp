// SPDX-License-Identifier: MIT
#include "folder.h"

#include "core/germantext.h"

#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

namespace wortilo {

namespace {
bool hasPictureExtension(const QByteArray &rawName)
{
    const QByteArray lower = rawName.toLower();
    for (const char *ext : {".wmf", ".jpg", ".gif", ".bmp"})
        if (lower.endsWith(ext))
            return true;
    return false;
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
        const QByteArray raw(e->d_name);
        struct stat info;
        if (!hasPictureExtension(raw) || ::stat(QByteArray(base + raw).constData(), &info) != 0
            || !S_ISREG(info.st_mode))
            continue;
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString name = QString(utf8.decode(raw)).normalized(QString::NormalizationForm_C);
        if (utf8.hasError()) {
            ++m_undecodable;
            continue;
        }
        found.append({name, raw});
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
