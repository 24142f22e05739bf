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
        m_names.append(name);
        m_byEntry.insert(germanUpper(name), raw);
    }
    ::closedir(dir);
    std::sort(m_names.begin(), m_names.end(), [](const QString &a, const QString &b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
}

QString PictureFolder::resolve(const QString &entry) const
{
    const auto it = m_byEntry.constFind(entry);
    if (it == m_byEntry.constEnd())
        return {};
    return QFile::decodeName(QFile::encodeName(m_path) + '/' + it.value());
}

} // namespace wortilo
