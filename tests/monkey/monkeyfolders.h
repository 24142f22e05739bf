// SPDX-License-Identifier: MIT
#pragma once
// The picture folders the monkey plays in: copies of the bundled pictures, small ones, and a
// hostile one full of files that cannot be shown or are named oddly.
#include "exercises/testpictures.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace monkeyfolders {

inline QString bundledFolder()
{
    return QStringLiteral(WORTILO_BILDER);
}

// Copies the bundled pictures whose names are listed (all of them, with the settings file as
// shipped, when the list is empty) into folder.
inline bool copyBundled(const QString &folder, const QStringList &only = {})
{
    const QDir from(bundledFolder());
    const QStringList names = only.isEmpty() ? from.entryList(QDir::Files) : only;
    for (const QString &name : names)
        if (!QFile::copy(from.filePath(name), QDir(folder).filePath(name)))
            return false;
    return !names.isEmpty();
}

// Writes a file whose name is given as raw bytes (so names that are not valid UTF-8 can be made).
inline bool writeRaw(const QString &folder, const QByteArray &name, const QByteArray &bytes)
{
    const QByteArray path = QFile::encodeName(folder) + '/' + name;
    FILE *f = ::fopen(path.constData(), "wb");
    if (!f)
        return false;
    const bool ok = bytes.isEmpty() || ::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), f) == std::size_t(bytes.size());
    return ::fclose(f) == 0 && ok;
}

// A file of the given size whose first bytes are head; the rest is a hole that takes no room on
// the disk and reads as zeros.
inline bool writeSparse(const QString &path, const QByteArray &head, qint64 size)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(head) == head.size() && f.resize(size);
}

// A BMP of width × height pixels of 24 bits whose pixel data is a hole in the file (black).
inline bool writeLargeBmp(const QString &path, quint32 width, quint32 height)
{
    const qint64 stride = (qint64(width) * 24 + 31) / 32 * 4;
    return writeSparse(path, testpictures::bmpHeaderOnly(width, height), 54 + stride * height);
}

// The hostile folder: enough good pictures for every activity (A B C needs five), among
// files that cannot be loaded or are hard to draw, odd names and things that are not files,
// and a damaged settings file under a lower-case name.
inline bool makeHostile(const QString &folder)
{
    using namespace testpictures;
    bool ok = copyBundled(folder, {QStringLiteral("derHund.gif"), QStringLiteral("dieKatze.jpg"),
                                   QStringLiteral("dasEi.wmf"), QStringLiteral("derBär.bmp"),
                                   QStringLiteral("dieStraße.jpg"), QStringLiteral("dasKänguru.bmp"),
                                   QStringLiteral("dieSonne.wmf"), QStringLiteral("dasFeuerwehrauto.jpg")});
    const QDir dir(folder);
    auto add = [&](const QString &name, const QByteArray &bytes) { ok = writeFile(dir.filePath(name), bytes) && ok; };
    const QByteArray jpeg = encode(makeImage(353, 257), "jpeg");

    // Unloadable or costly contents under good word names.
    add(QStringLiteral("dasLeere.gif"), QByteArray());
    add(QStringLiteral("derText.bmp"), QByteArray("Das ist kein Bild.\r\n"));
    add(QStringLiteral("dieHälfte.jpg"), jpeg.left(jpeg.size() / 2));
    add(QStringLiteral("derRiese.bmp"), bmpHeaderOnly(60000, 60000));
    add(QStringLiteral("derGigant.jpg"), jpegClaiming(jpeg, 60000, 60000));
    add(QStringLiteral("dasGebirge.gif"), gifHeaderOnly(60000, 60000));
    add(QStringLiteral("dieVerkleidung.bmp"), jpeg); // a JPEG under a BMP name loads
    ok = writeSparse(dir.filePath(QStringLiteral("dieWolke.bmp")), bmpHeaderOnly(9000, 9000), 100 * 1024 * 1024) && ok;
    ok = writeLargeBmp(dir.filePath(QStringLiteral("derBerg.bmp")), 4000, 3000) && ok;
    const QDir slow(QStringLiteral(WORTILO_TESTDATA "/wmf/regress"));
    const QStringList slowFiles = slow.entryList({QStringLiteral("*.wmf")}, QDir::Files, QDir::Name);
    for (int i = 0; i < slowFiles.size(); ++i)
        ok = QFile::copy(slow.filePath(slowFiles[i]), dir.filePath(QStringLiteral("dasMuster%1.wmf").arg(QChar(u'a' + i)))) && ok;

    // Odd names.
    add(QStringLiteral("dieMo\u0308hre.jpg"), jpeg); // NFD umlaut
    ok = writeRaw(folder, "der\xff\xfe" "Baum.gif", encodeGif(makeImage(20, 20))) && ok; // not UTF-8
    ok = writeRaw(folder, "das\xc3" ".bmp", jpeg) && ok;                              // cut UTF-8
    add(QStringLiteral("DERHUND.GIF"), QByteArray("kein Bild"));                      // case-only twins
    add(QStringLiteral("derhund.GIF"), jpeg);
    add(QStringLiteral("die Maus.bmp"), jpeg);   // a blank
    add(QStringLiteral("derKasten"), jpeg);      // no extension
    add(QStringLiteral("der.bmp"), jpeg);        // no noun
    add(QStringLiteral("das.jpg.gif"), jpeg);    // no noun before the first dot
    add(QStringLiteral("dasß.gif"), jpeg);       // a noun of one ß
    add(QStringLiteral("die") + QString(200, u'a') + QStringLiteral(".jpg"), jpeg); // a very long noun
    add(QStringLiteral(".derVersteckt.bmp"), jpeg);
    add(QStringLiteral("dieTasche.BMP"), encode(makeImage(200, 300), "bmp"));
    add(QStringLiteral("dasBild.jpeg"), jpeg);
    add(QStringLiteral("derÄrger.gif"), encodeGif(makeImage(30, 40)));
    add(QStringLiteral("dieR2D2.bmp"), jpeg);
    add(QStringLiteral("die\nZeile.bmp"), jpeg);

    // Things that are not readable files, named like pictures. The tests may run as root, where
    // chmod does not keep a file from being read: the FIFO, the folder and the links are what
    // stays unreadable then.
    const QString locked = dir.filePath(QStringLiteral("derSchrank.gif"));
    add(QStringLiteral("derSchrank.gif"), encodeGif(makeImage(20, 20)));
    ok = QFile::setPermissions(locked, {}) && ok;
    ok = ::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("dieRöhre.jpg"))).constData(), 0644) == 0 && ok;
    ok = dir.mkdir(QStringLiteral("dasVerzeichnis.bmp")) && ok;
    ok = QFile::link(QStringLiteral("nirgends.jpg"), dir.filePath(QStringLiteral("dieLücke.jpg"))) && ok;
    ok = QFile::link(QStringLiteral("derKreis.bmp"), dir.filePath(QStringLiteral("derKreis.bmp"))) && ok;

    // Settings under a lower-case name, damaged from its fifth line on.
    add(QStringLiteral("wortilo.ini"), QByteArray(" 0 \r\n 1 \r\n 1 \r\n 1 \r\nrot\r\n 12 \r\n"));
    return ok;
}

// Empties the folder (one level deep, as the folders made here are), names that are not valid
// UTF-8 included, which QDir cannot remove.
inline void empty(const QString &folder)
{
    const QByteArray base = QFile::encodeName(folder) + '/';
    DIR *dir = ::opendir(base.constData());
    if (!dir)
        return;
    QList<QByteArray> names;
    while (const dirent *e = ::readdir(dir))
        if (qstrcmp(e->d_name, ".") != 0 && qstrcmp(e->d_name, "..") != 0)
            names.append(base + e->d_name);
    ::closedir(dir);
    for (const QByteArray &path : names)
        if (::unlink(path.constData()) != 0)
            ::rmdir(path.constData());
}

} // namespace monkeyfolders
