// SPDX-License-Identifier: MIT
// The settings file WORTILO.INI: exact bytes written, values restored, and what a short, damaged
// or foreign file leaves applied.
#include "support/fulldisk.h"
#include "support/nooverride.h"
#include "words/settingsfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace wortilo {
// Readable failure output for QCOMPARE on whole settings.
char *toString(const Settings &s)
{
    const QString text = QStringLiteral("{%1 %2 %3 %4 | %5 %6 | %7 %8 %9 | \"%10\"}")
                             .arg(s.switches.confirmations).arg(s.switches.colourSettings)
                             .arg(s.switches.letterFilter).arg(s.switches.nameEntry)
                             .arg(s.consonantColor).arg(s.vowelColor).arg(s.red).arg(s.green).arg(s.blue)
                             .arg(s.letters);
    return qstrdup(text.toUtf8().constData());
}
} // namespace wortilo

Q_DECLARE_METATYPE(wortilo::Settings)

using namespace wortilo;

namespace {

// Defaults with the given values on lines 1.. in file order (switches, colours, background).
Settings withLines(const QList<int> &numbers, const QString &letters = {})
{
    Settings s;
    bool *const switches[] = {&s.switches.confirmations, &s.switches.colourSettings, &s.switches.letterFilter,
                              &s.switches.nameEntry};
    int *const fields[] = {&s.consonantColor, &s.vowelColor, &s.red, &s.green, &s.blue};
    for (int i = 0; i < numbers.size(); ++i) {
        if (i < 4)
            *switches[i] = numbers[i] != 0;
        else
            *fields[i - 4] = numbers[i];
    }
    s.letters = letters;
    return s;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray garbage(qsizetype size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator gen(seed);
    for (char &c : bytes)
        c = char(gen.bounded(256));
    return bytes;
}

const QByteArray kAllGood = " 0 \r\n 1 \r\n 1 \r\n 0 \r\n 3 \r\n 14 \r\n 200 \r\n 100 \r\n 50 \r\nAEIOU\r\n";
const Settings kAllGoodValues = withLines({0, 1, 1, 0, 3, 14, 200, 100, 50}, QStringLiteral("AEIOU"));

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void formatsDefaultsWithAbcExactly();
    void formatsLetterLine_data();
    void formatsLetterLine();
    void roundTrip_data();
    void roundTrip();
    void readStopsAtFirstBadLine_data();
    void readStopsAtFirstBadLine();
    void unappliedLinesKeepStartValues();
    void readsNothingFromOtherThanAFile_data();
    void readsNothingFromOtherThanAFile();
    void acceptsOtherLineEnds_data();
    void acceptsOtherLineEnds();
    void readsLetterLine_data();
    void readsLetterLine();
    void failedWriteKeepsOldFile_data();
    void failedWriteKeepsOldFile();
};

void TestSettingsFile::formatsDefaultsWithAbcExactly()
{
    Settings s;
    s.letters = QStringLiteral("ABC");
    QCOMPARE(formatSettings(s), QByteArray(" 1 \r\n 0 \r\n 0 \r\n 1 \r\n 10 \r\n 12 \r\n 0 \r\n 0 \r\n 0 \r\nABC\r\n"));
}

void TestSettingsFile::formatsLetterLine_data()
{
    QTest::addColumn<QString>("letters");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("none") << QString() << QByteArray("\r\n");
    QTest::newRow("umlauts one byte each") << QStringLiteral("AÄOÖSßUÜ") << QByteArray("A\xC4O\xD6S\xDFU\xDC\r\n");
    QTest::newRow("whole alphabet") << QStringLiteral("AÄBCDEFGHIJKLMNOÖPQRSßTUÜVWXYZ")
                                    << QByteArray("A\xC4" "BCDEFGHIJKLMNO\xD6PQRS\xDFTU\xDCVWXYZ\r\n");
    // Only letters of the letter list can be selected; anything else must not reach the file,
    // least of all a line break that would shift the lines.
    QTest::newRow("non-letters dropped") << QStringLiteral("a B\r\n1-é€ÿC") << QByteArray("BC\r\n");
}

void TestSettingsFile::formatsLetterLine()
{
    QFETCH(QString, letters);
    QFETCH(QByteArray, line);
    Settings s;
    s.letters = letters;
    const QByteArray bytes = formatSettings(s);
    QCOMPARE(bytes.count("\r\n"), 10);
    QVERIFY(bytes.endsWith(line));
    QCOMPARE(bytes.left(bytes.size() - line.size()), formatSettings(Settings{}).chopped(2));
}

void TestSettingsFile::roundTrip_data()
{
    QTest::addColumn<Settings>("settings");

    QTest::newRow("defaults, nothing selected") << Settings{};
    QTest::newRow("lowest values") << withLines({0, 0, 0, 0, 0, 0, 0, 0, 0}, QStringLiteral("Z"));
    QTest::newRow("highest values, umlaut letters")
        << withLines({1, 1, 1, 1, 15, 15, 255, 255, 255}, QStringLiteral("AÄBOÖSßUÜZ"));
    QTest::newRow("every value different") << kAllGoodValues;
}

void TestSettingsFile::roundTrip()
{
    QFETCH(Settings, settings);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(kSettingsFileName);
    // A longer old file must be replaced whole, not overwritten in front.
    QVERIFY(writeBytes(path, QByteArray(300, 'x')));

    QVERIFY(writeSettingsFile(path, settings));
    QCOMPARE(readAll(path), formatSettings(settings));
    const SettingsRead read = readSettingsFile(path, withLines({0, 1, 1, 0, 7, 7, 9, 9, 9}, QStringLiteral("Q")));
    QCOMPARE(read.goodLines, 10);
    QCOMPARE(read.values, settings);
    // Nothing but the settings file is left in the folder.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{kSettingsFileName});
}

void TestSettingsFile::readStopsAtFirstBadLine_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("goodLines");
    QTest::addColumn<Settings>("values");

    const QByteArray numbers9 = " 0 \r\n 1 \r\n 1 \r\n 0 \r\n 3 \r\n 14 \r\n 200 \r\n 100 \r\n 50 \r\n";
    const Settings applied9 = withLines({0, 1, 1, 0, 3, 14, 200, 100, 50});

    QTest::newRow("missing file") << false << QByteArray() << 0 << Settings{};
    QTest::newRow("empty file") << true << QByteArray() << 0 << Settings{};
    QTest::newRow("four lines only") << true << QByteArray(" 0 \r\n 1 \r\n 1 \r\n 0 \r\n") << 4
                                     << withLines({0, 1, 1, 0});
    QTest::newRow("letter in a number line") << true << QByteArray(" 0 \r\n 1 \r\n 1 \r\n 0 \r\n 1x \r\n 3 \r\n") << 4
                                             << withLines({0, 1, 1, 0});
    QTest::newRow("word for a number") << true << QByteArray("eins\r\n") << 0 << Settings{};
    QTest::newRow("decimal fraction") << true << QByteArray(" 0 \r\n 1.0 \r\n") << 1 << withLines({0});
    QTest::newRow("two numbers on a line") << true << QByteArray(" 0 \r\n 1 1 \r\n") << 1 << withLines({0});
    QTest::newRow("empty number line") << true << QByteArray(" 0 \r\n\r\n 1 \r\n") << 1 << withLines({0});
    QTest::newRow("sign without digits") << true << QByteArray(" 0 \r\n - \r\n") << 1 << withLines({0});
    QTest::newRow("2 as a switch") << true << QByteArray(" 0 \r\n 1 \r\n 2 \r\n") << 2 << withLines({0, 1});
    QTest::newRow("-1 as a switch") << true << QByteArray("-1 \r\n") << 0 << Settings{};
    QTest::newRow("16 as a colour") << true << QByteArray(" 0 \r\n 1 \r\n 1 \r\n 0 \r\n 3 \r\n 16 \r\n") << 5
                                    << withLines({0, 1, 1, 0, 3});
    QTest::newRow("256 as a scroll value")
        << true << QByteArray(" 0 \r\n 1 \r\n 1 \r\n 0 \r\n 3 \r\n 14 \r\n 200 \r\n 256 \r\n 0 \r\nA\r\n") << 7
        << withLines({0, 1, 1, 0, 3, 14, 200});
    QTest::newRow("negative scroll value") << true << QByteArray(" 0 \r\n 1 \r\n 1 \r\n 0 \r\n 3 \r\n 14 \r\n-1 \r\n")
                                           << 6 << withLines({0, 1, 1, 0, 3, 14});
    QTest::newRow("number too big for an int") << true << QByteArray(" 99999999999999999999 \r\n") << 0 << Settings{};
    QTest::newRow("line 10 missing") << true << numbers9 << 9 << applied9;
    QTest::newRow("line 9 without line end, line 10 missing") << true << numbers9.chopped(2) << 9 << applied9;
    QTest::newRow("binary garbage") << true << QByteArray("\x89PNG\r\n\x1A\n" + garbage(4096, 1)) << 0 << Settings{};
    QTest::newRow("garbage after three lines") << true << QByteArray(numbers9.left(15) + garbage(4096, 2)) << 3
                                               << withLines({0, 1, 1});
    QTest::newRow("10 MB without a line end") << true << QByteArray(10 * 1024 * 1024, '1') << 0 << Settings{};
    QTest::newRow("10 MB line 10") << true << QByteArray(numbers9 + QByteArray(10 * 1024 * 1024, 'A')) << 9 << applied9;
    QTest::newRow("10 MB after the ten lines") << true << QByteArray(kAllGood + garbage(10 * 1024 * 1024, 3)) << 10
                                               << kAllGoodValues;
}

void TestSettingsFile::readStopsAtFirstBadLine()
{
    QFETCH(bool, fileExists);
    QFETCH(QByteArray, bytes);
    QFETCH(int, goodLines);
    QFETCH(Settings, values);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(kSettingsFileName);
    if (fileExists)
        QVERIFY(writeBytes(path, bytes));

    const SettingsRead read = readSettingsFile(path);
    QCOMPARE(read.goodLines, goodLines);
    QCOMPARE(read.values, values);
    if (fileExists)
        QCOMPARE(readAll(path), bytes); // reading never changes the file
}

void TestSettingsFile::unappliedLinesKeepStartValues()
{
    // The main window passes what it set up before reading (its own colour defaults, say);
    // lines after the first bad one must leave exactly those.
    const Settings start = withLines({0, 1, 0, 1, 4, 5, 6, 7, 8}, QStringLiteral("XY"));
    const SettingsRead read = parseSettings(" 1 \r\n 0 \r\n 1 \r\nja\r\n 9 \r\n", start);
    QCOMPARE(read.goodLines, 3);
    QCOMPARE(read.values, withLines({1, 0, 1, 1, 4, 5, 6, 7, 8}, QStringLiteral("XY")));
}

void TestSettingsFile::readsNothingFromOtherThanAFile_data()
{
    QTest::addColumn<bool>("pipe");
    QTest::newRow("folder") << false;
    QTest::newRow("named pipe") << true;
}

void TestSettingsFile::readsNothingFromOtherThanAFile()
{
    QFETCH(bool, pipe);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(kSettingsFileName);
    if (pipe) {
#ifdef Q_OS_UNIX
        // Nobody ever writes into it: a read that opened it would wait forever.
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#else
        QSKIP("named pipes are a Unix matter");
#endif
    } else {
        QVERIFY(QDir().mkpath(path));
    }
    const Settings start = withLines({0, 0, 0, 0, 1, 2, 3, 4, 5});
    const SettingsRead read = readSettingsFile(path, start);
    QCOMPARE(read.goodLines, 0);
    QCOMPARE(read.values, start);
}

void TestSettingsFile::acceptsOtherLineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QByteArray lf = kAllGood;
    lf.replace("\r\n", "\n");
    QByteArray cr = kAllGood;
    cr.replace("\r\n", "\r");
    QTest::newRow("CR LF") << kAllGood;
    QTest::newRow("LF") << lf;
    QTest::newRow("CR") << cr;
    QTest::newRow("mixed") << QByteArray(" 0\n1\r\n1\r0 \n 3 \r\n14\n200\n100\r\n50\nAEIOU\n");
    QTest::newRow("no line end after line 10") << kAllGood.chopped(2);
    QTest::newRow("tabs and extra blanks") << QByteArray("\t0\t\r\n   1\r\n1   \r\n 0 \r\n 3 \r\n 14 \r\n 200 \r\n"
                                                         " 100 \r\n 50 \r\n \tAEIOU \t\r\n");
    QTest::newRow("UTF-8 byte order mark") << QByteArray("\xEF\xBB\xBF" + lf);
    QTest::newRow("leading zeros and plus sign") << QByteArray("00\r\n+1\r\n01\r\n0\r\n003\r\n014\r\n0200\r\n100\r\n50\r\nAEIOU\r\n");
    QTest::newRow("lines after line 10 ignored") << QByteArray(kAllGood + "7\r\nZZZ\r\n\r\n");
}

void TestSettingsFile::acceptsOtherLineEnds()
{
    QFETCH(QByteArray, bytes);
    const SettingsRead read = parseSettings(bytes);
    QCOMPARE(read.goodLines, 10);
    QCOMPARE(read.values, kAllGoodValues);
}

void TestSettingsFile::readsLetterLine_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("letters");

    QTest::newRow("vowels") << QByteArray("AEIOU") << QStringLiteral("AEIOU");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("blanks only") << QByteArray("   ") << QString();
    QTest::newRow("blanks around") << QByteArray("  ABC  ") << QStringLiteral("ABC");
    QTest::newRow("Windows-1252 umlauts") << QByteArray("A\xC4O\xD6S\xDFU\xDC") << QStringLiteral("AÄOÖSßUÜ");
    QTest::newRow("UTF-8 umlauts") << QByteArray("\xC3\x84\xC3\x96\xC3\x9C\xC3\x9F") << QStringLiteral("ÄÖÜß");
    QTest::newRow("UTF-8 decomposed umlaut") << QByteArray("A\xCC\x88U\xCC\x88") << QStringLiteral("ÄÜ");
    // Not valid UTF-8, so Windows-1252: each byte is one character.
    QTest::newRow("lone UTF-8 lead byte") << QByteArray("\xC3Z") << QStringLiteral("ÃZ");
    QTest::newRow("Windows-1252 high range") << QByteArray("\x80\x8A") << QStringLiteral("€Š");
}

void TestSettingsFile::readsLetterLine()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, letters);
    const SettingsRead read = parseSettings(" 1 \r\n 0 \r\n 0 \r\n 1 \r\n 10 \r\n 12 \r\n 0 \r\n 0 \r\n 0 \r\n" + line + "\r\n");
    QCOMPARE(read.goodLines, 10);
    QCOMPARE(read.values.letters, letters);
}

namespace {
enum class WriteFailure { FolderIsAFile, TargetIsAFolder, ReadOnlyFolder, DiskFull };
}
Q_DECLARE_METATYPE(WriteFailure)

void TestSettingsFile::failedWriteKeepsOldFile_data()
{
    QTest::addColumn<WriteFailure>("failure");
    QTest::newRow("folder is a file") << WriteFailure::FolderIsAFile;
    QTest::newRow("target is a folder") << WriteFailure::TargetIsAFolder;
    QTest::newRow("read-only folder") << WriteFailure::ReadOnlyFolder;
    QTest::newRow("disk full") << WriteFailure::DiskFull;
}

void TestSettingsFile::failedWriteKeepsOldFile()
{
    QFETCH(WriteFailure, failure);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("bilder"));
    QString path = QDir(folder).filePath(kSettingsFileName);
    const QByteArray old = kAllGood;
    Settings changed;
    changed.letters = QStringLiteral("ÄÖÜ");

    bool written = true;
    switch (failure) {
    case WriteFailure::FolderIsAFile:
        QVERIFY(writeBytes(folder, old));
        path = folder + QStringLiteral("/") + kSettingsFileName;
        written = writeSettingsFile(path, changed);
        QCOMPARE(readAll(folder), old);
        QVERIFY(!QFileInfo::exists(path));
        break;
    case WriteFailure::TargetIsAFolder:
        QVERIFY(QDir().mkpath(path));
        written = writeSettingsFile(path, changed);
        QVERIFY(QFileInfo(path).isDir());
        break;
    case WriteFailure::ReadOnlyFolder: {
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(writeBytes(path, old));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        {
            // Root, as the tests run in CI, would otherwise write into the folder all the same.
            const test::NoPermissionOverride asUser;
            QVERIFY(asUser.isActive());
            written = writeSettingsFile(path, changed);
        }
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(readAll(path), old);
        break;
    }
    case WriteFailure::DiskFull: {
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(writeBytes(path, old));
        {
            const test::FullDisk full;
            QVERIFY(full.isActive());
            written = writeSettingsFile(path, changed);
        }
        QCOMPARE(readAll(path), old);
        break;
    }
    }
    QVERIFY(!written);
    // No temporary file is left behind: the only files are the ones the row made.
    QDirIterator it(dir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        QVERIFY2(file == folder || file == path, qPrintable(file));
    }
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
