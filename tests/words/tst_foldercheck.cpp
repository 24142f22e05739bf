// SPDX-License-Identifier: MIT
// The folder check: each kind of file that does not count, or counts but cannot be shown, is
// named with its reason, and a folder passes only when every picture file counts and loads.
#include "exercises/testpictures.h"
#include "words/foldercheck.h"

#include <QtTest>
#include <fcntl.h>
#include <unistd.h>

using namespace wortilo;
using namespace testpictures;

namespace {

void put(const QString &dir, const QByteArray &rawName, const QByteArray &bytes)
{
    const int fd = ::open(QByteArray(QFile::encodeName(dir) + '/' + rawName).constData(), O_WRONLY | O_CREAT, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
    ::close(fd);
}

} // namespace

class TestFolderCheck : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // One bad file beside a good one: the finding names the file, says whether the word counts,
    // and gives the reason; the folder fails.
    void findings_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("counts");
        QTest::addColumn<QString>("reason"); // a part of it
        const QByteArray jpeg = encode(makeImage(40, 30), "JPEG");
        QTest::newRow("no article") << QByteArray("Hund.jpg") << jpeg << false << "nicht mit der, die oder das";
        QTest::newRow("blank") << QByteArray("der Hund.jpg") << jpeg << false << "ein Leerzeichen";
        QTest::newRow("digit") << QByteArray("derHund2.jpg") << jpeg << false << "eine Ziffer („2“)";
        QTest::newRow("png") << QByteArray("dieKatze.png") << encode(makeImage(4, 4), "PNG") << false
                             << "keine .png-Dateien: bitte als .jpg, .gif oder .bmp speichern";
        QTest::newRow("jpeg") << QByteArray("dieKatze.JPEG") << jpeg << false << "Endung in .jpg zu ändern";
        QTest::newRow("same word") << QByteArray("dasgut.jpg") << jpeg << false << "Dasselbe Wort wie „dasGut.jpg“";
        QTest::newRow("no text") << QByteArray("die\xff\xfeKatze.bmp") << jpeg << false << "kein gültiger Text";
        QTest::newRow("damaged") << QByteArray("dieKatze.jpg") << jpeg.left(jpeg.size() / 2) << true
                                 << "beschädigt oder unvollständig";
        QTest::newRow("empty") << QByteArray("dieKatze.gif") << QByteArray() << true << "beschädigt";
        QTest::newRow("too large") << QByteArray("derRiese.bmp") << encode(makeImage(Picture::kMaxSide + 1, 2), "BMP")
                                   << true << "zu groß";
        QTest::newRow("not a picture") << QByteArray("dieKatze.bmp") << QByteArray("Text") << true
                                       << "kein BMP-, JPEG-, GIF- oder WMF-Bild";
    }
    void findings()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, counts);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        put(dir.path(), "dasGut.jpg", encode(makeImage(40, 30), "JPEG"));
        put(dir.path(), "WORTILO.INI", "kein Bild");
        put(dir.path(), name, bytes);
        FolderCheck check(dir.path());
        check.readFolder();
        check.checkPictures();
        QCOMPARE(check.findings().size(), 1);
        const FolderCheck::Finding &f = check.findings().first();
        QCOMPARE(f.file, QString::fromUtf8(name));
        QCOMPARE(f.counts, counts);
        QVERIFY2(f.reason.contains(reason), qPrintable(f.reason));
        QVERIFY(!check.passed());
        QVERIFY(check.report().contains(f.file + QStringLiteral(": ") + f.reason));
        QCOMPARE(check.summary().last(), QStringLiteral("1 Datei braucht Hilfe."));
    }

    // A good folder passes and is counted by article and format; an empty or missing one fails.
    void passes_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("passed");
        QTest::addColumn<QStringList>("summary");
        QTest::newRow("good") << QStringList{"derHund.jpg", "dieKatze.bmp", "dieMaus.GIF", "dasAuto.bmp"} << true << true
                              << QStringList{"4 Wörter zählen.", "Nach Artikel: der 1, die 2, das 1.",
                                             "Nach Format: .bmp 2, .gif 1, .jpg 1, .wmf 0.",
                                             "Alles in Ordnung: Jede Bilddatei zählt und lässt sich zeigen."};
        QTest::newRow("empty") << QStringList{} << true << false
                               << QStringList{"0 Wörter zählen.", "Nach Artikel: der 0, die 0, das 0.",
                                              "Nach Format: .bmp 0, .gif 0, .jpg 0, .wmf 0.",
                                              "Im Ordner liegt kein Bild; so startet Wortilo nicht."};
        QTest::newRow("missing") << QStringList{} << false << false
                                 << QStringList{"Den Ordner gibt es nicht, oder er lässt sich nicht öffnen."};
    }
    void passes()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, exists);
        QFETCH(bool, passed);
        QFETCH(QStringList, summary);
        QTemporaryDir dir;
        const QString folder = exists ? dir.path() : dir.filePath(QStringLiteral("fehlt"));
        for (const QString &file : files) {
            const char *format = file.endsWith(u"jpg") ? "JPEG" : "BMP";
            put(folder, file.toUtf8(), file.endsWith(u"GIF") ? encodeGif(makeImage(8, 8)) : encode(makeImage(8, 8), format));
        }
        FolderCheck check(folder);
        check.readFolder();
        check.checkPictures();
        QVERIFY(check.findings().isEmpty());
        QCOMPARE(check.passed(), passed);
        QCOMPARE(check.summary(), summary);
    }

    // The pictures are loaded the way the frames find them: by the word's entry, whatever the case.
    void loadsThroughTheLoader()
    {
        QTemporaryDir dir;
        put(dir.path(), "derHund.jpg", "x");
        QStringList asked;
        FolderCheck check(dir.path(), [&asked](const QString &path) {
            asked << path;
            return Picture::Fault::None;
        });
        check.readFolder();
        QCOMPARE(check.pictureCount(), 1);
        check.checkPictures();
        QCOMPARE(asked, QStringList{dir.filePath(QStringLiteral("derHund.jpg"))});
        QVERIFY(check.passed());
    }
};

QTEST_MAIN(TestFolderCheck)
#include "tst_foldercheck.moc"
