// SPDX-License-Identifier: MIT
#include "pictures/folder.h"

#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

using namespace wortilo;

// Creates a file whose name is given as raw bytes (to make names that are not valid UTF-8).
static void touchRaw(const QString &dir, const QByteArray &rawName, const QByteArray &content = "x")
{
    const QByteArray path = QFile::encodeName(dir) + '/' + rawName;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, content.constData(), size_t(content.size())), ssize_t(content.size()));
    ::close(fd);
}

class TestFolder : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void listsPicturesInOrder();
    void composesDecomposedNames();
    void skipsUndecodableNames();
    void resolvesCaseInsensitively();
    void missingFolder();
};

void TestFolder::listsPicturesInOrder()
{
    QTemporaryDir dir;
    for (const char *name : {"zebra.BMP", "Apfel.jpg", "banane.Gif", "notes.txt", "WORTILO.INI", "auto.wmf", "bild.jpeg"})
        touchRaw(dir.path(), name);
    // As a German reader orders them: Bär before Bus, not after it as by code unit.
    for (const QString &name : {QStringLiteral("derBus.gif"), QStringLiteral("derBär.gif")})
        touchRaw(dir.path(), name.toUtf8());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ordner.bmp"))); // a folder is no picture
    // A link to a picture is one; a link to nothing or to a folder is not.
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("zebra.BMP")), dir.filePath(QStringLiteral("link.bmp"))));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("weg.bmp")), dir.filePath(QStringLiteral("nichts.bmp"))));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("ordner.bmp")), dir.filePath(QStringLiteral("ordnerlink.gif"))));
    PictureFolder folder(dir.path());
    folder.scan();
    QCOMPARE(folder.pictureFiles(),
             (QStringList{"Apfel.jpg", "auto.wmf", "banane.Gif", "derBär.gif", "derBus.gif", "link.bmp", "zebra.BMP"}));
    QVERIFY(folder.hasPictureFiles());
    // A picture in a format that is not read is refused, and said so; other files are not pictures.
    QCOMPARE(folder.refusedFiles().size(), 1);
    QCOMPARE(folder.refusedFiles().first().name, QStringLiteral("bild.jpeg"));
    QCOMPARE(folder.refusedFiles().first().why, RefusedFile::Why::OtherFormat);
}

void TestFolder::composesDecomposedNames()
{
    QTemporaryDir dir;
    touchRaw(dir.path(), QStringLiteral("dieA\u0308pfel.gif").toUtf8()); // as copied from some systems
    PictureFolder folder(dir.path());
    folder.scan();
    QCOMPARE(folder.pictureFiles(), QStringList{QStringLiteral("dieÄpfel.gif")});
    const QString path = folder.resolve(QStringLiteral("DIEÄPFEL.GIF"));
    QVERIFY(!path.isEmpty());
    QVERIFY(QFile::exists(path));
}

void TestFolder::skipsUndecodableNames()
{
    QTemporaryDir dir;
    touchRaw(dir.path(), QByteArray("derH\xfc" "nd.bmp"));
    PictureFolder folder(dir.path());
    folder.scan();
    QVERIFY(folder.pictureFiles().isEmpty());
    QVERIFY(folder.hasPictureFiles()); // it is still a picture file, only never a word
    QCOMPARE(folder.refusedFiles().size(), 1);
    QCOMPARE(folder.refusedFiles().first().why, RefusedFile::Why::UndecodableName);
    QCOMPARE(folder.refusedFiles().first().name, QStringLiteral("derH\uFFFDnd.bmp"));
}

void TestFolder::resolvesCaseInsensitively()
{
    QTemporaryDir dir;
    touchRaw(dir.path(), "derHund.jpg", "dog");
    touchRaw(dir.path(), QStringLiteral("derFuß.bmp").toUtf8(), "foot");
    PictureFolder folder(dir.path());
    folder.scan();
    QFile hund(folder.resolve(QStringLiteral("DERHUND.JPG")));
    QVERIFY(hund.open(QIODevice::ReadOnly));
    QCOMPARE(hund.readAll(), QByteArray("dog"));
    QFile fuss(folder.resolve(QStringLiteral("DERFUß.BMP")));
    QVERIFY(fuss.open(QIODevice::ReadOnly));
    QCOMPARE(fuss.readAll(), QByteArray("foot"));
    QVERIFY(folder.resolve(QStringLiteral("DERKATZE.JPG")).isEmpty());
    // Two names for one entry: the first in the folder's order is the picture.
    touchRaw(dir.path(), "DERHUND.jpg", "DOG");
    folder.scan();
    QCOMPARE(folder.pictureFiles().size(), 3);
    QFile first(folder.resolve(QStringLiteral("DERHUND.JPG")));
    QVERIFY(first.open(QIODevice::ReadOnly));
    QCOMPARE(first.readAll(), QByteArray("DOG"));
    QVERIFY(folder.resolve(QStringLiteral("DERFUSS.BMP")).isEmpty());
}

void TestFolder::missingFolder()
{
    PictureFolder folder(QStringLiteral("/nonexistent/wortilo/folder"));
    folder.scan();
    QVERIFY(!folder.hasPictureFiles());
    QVERIFY(folder.pictureFiles().isEmpty());
}

QTEST_APPLESS_MAIN(TestFolder)
#include "tst_folder.moc"
