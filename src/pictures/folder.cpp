// SPDX-License-Identifier: MIT
#include "folder.h"

#include "core/germantext.h"

#include <QFile>
#include <algorithm>
#include <cstring>
#include <deque>
#include <vector>
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
    m_storedAs.clear();
    m_byEntry.clear();
    m_undecodable = 0;
    // readdir gives the raw bytes, so an undecodable name is recognised instead of being
    // silently turned into replacement characters.
    DIR *dir = ::opendir(QFile::encodeName(m_path).constData());
    if (!dir)
        return;
    const QByteArray base = QFile::encodeName(m_path) + '/';
    struct Found {
        QString key; // dictionary order
        QString name;
        QByteArray storedAs; // the name on disk where it is not the name's UTF-8 (a decomposed umlaut)
    };
    std::deque<Found> found; // grows without copying: thousands of names at start-up
    while (const dirent *e = ::readdir(dir)) {
        if (!hasPictureExtension(e->d_name) || !isFile(base, *e))
            continue;
        const QByteArrayView raw(e->d_name);
        Found f;
        if (std::all_of(raw.begin(), raw.end(), [](char c) { return uchar(c) < 0x80; })) {
            f.name = QString::fromLatin1(raw); // ASCII: already composed, and its own UTF-8
        } else if (QUtf8StringView(raw).isValidUtf8()) {
            f.name = QString::fromUtf8(raw).normalized(QString::NormalizationForm_C);
            if (f.name.toUtf8() != raw)
                f.storedAs = raw.toByteArray();
        } else {
            ++m_undecodable;
            continue;
        }
        f.key = germanSortKey(f.name);
        found.push_back(std::move(f));
    }
    ::closedir(dir);
    // Alphabetical as a German reader expects (Bär before Bus), letter case ignored; names equal
    // under that rule keep a fixed order. Each name is folded once, not at every comparison.
    std::vector<Found *> order;
    order.reserve(found.size());
    for (Found &f : found)
        order.push_back(&f);
    std::sort(order.begin(), order.end(), [](const Found *a, const Found *b) {
        const int c = QStringView(a->key).compare(QStringView(b->key));
        return c != 0 ? c < 0 : a->name < b->name;
    });
    m_names.reserve(qsizetype(order.size()));
    for (Found *f : order) {
        f->key = QString();
        if (!f->storedAs.isNull())
            m_storedAs.insert(m_names.size(), f->storedAs);
        m_names.append(std::move(f->name));
    }
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
                m_byEntry.insert(upper, m_storedAs.value(i, m_names[i].toUtf8()));
        }
    }
    const auto it = m_byEntry.constFind(entry);
    if (it == m_byEntry.constEnd())
        return {};
    return QFile::decodeName(QFile::encodeName(m_path) + '/' + it.value());
}

} // namespace wortilo
