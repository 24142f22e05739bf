// SPDX-License-Identifier: MIT
#include "pictures/folder.h"
#include "core/germantext.h"
#include "support/words.h"
#include "words/wordstore.h"

#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

using namespace wortilo;

class TestWordStore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void folderYieldsExpectedEntries();
    void countLabel();
    void filterByLetters();
    void filterSwitch();
    void activeEntriesFollowFilter();
};

void TestWordStore::folderYieldsExpectedEntries()
{
    QTemporaryDir dir;
    const QByteArray base = QFile::encodeName(dir.path()) + '/';
    const QList<QByteArray> names = {
        "derHund.jpg", "DERHUND.jpg", QStringLiteral("DieÄpfel.gif").toUtf8(), QStringLiteral("DieA\u0308pfel.gif").toUtf8(),
        "derHund2.bmp", QStringLiteral("die-Tür.bmp").toUtf8(), "das.bmp", "derHund.alt.jpg",
        QStringLiteral("DERFUß.BMP").toUtf8(), QByteArray("derK\xe4se.bmp"), "background.bmp"};
    for (const QByteArray &name : names) {
        const int fd = ::open(QByteArray(base + name).constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0);
        ::close(fd);
    }
    PictureFolder folder(dir.path());
    folder.scan();
    WordStore store;
    store.buchstabenliste();
    store.wortliste(folder.pictureFiles());
    QStringList entries;
    for (const Word &word : store.words())
        entries << word.entry();
    // Names that differ only in letter case or in composing the umlaut are one picture: the first
    // one counts.
    QCOMPARE(entries, (QStringList{"DAS.BMP", "DERFUß.BMP", "DERHUND.ALT.JPG", "DERHUND.JPG", "DIEÄPFEL.GIF"}));
    QCOMPARE(store.label(), QStringLiteral(" 5 Nomen "));
}

void TestWordStore::countLabel()
{
    QCOMPARE(WordStore::countLabel(57, QStringLiteral("Nomen")), QStringLiteral(" 57 Nomen "));
    QCOMPARE(WordStore::countLabel(0, QStringLiteral("Nomen")), QStringLiteral(" 0 Nomen "));
}

void TestWordStore::filterByLetters()
{
    WordStore store;
    store.buchstabenliste();
    QCOMPARE(store.letters().join(QString()), kAlphabet);
    store.wortliste({"derHund.jpg", "dieKatze.bmp", "derFuß.gif", "dasUfo.gif"});
    store.filtern();
    QVERIFY(store.filteredNouns().isEmpty()); // nothing selected
    QCOMPARE(store.label(), QStringLiteral(" 0 Nomen "));

    store.selectLettersIn(QStringLiteral("HUND"));
    QCOMPARE(store.selectedLetters(), QStringLiteral("DHNU"));
    store.filtern();
    QCOMPARE(store.filteredNouns(), QStringList{"Hund"});
    QCOMPARE(store.label(), QStringLiteral(" 1 Nomen "));

    store.selectLettersIn(QStringLiteral("FßOU"));
    store.filtern();
    QCOMPARE(store.filteredNouns(), (QStringList{"Hund", "Fuß", "Ufo"}));

    store.setAllSelected(true);
    store.filtern();
    QCOMPARE(store.filteredNouns().size(), 4);
    store.setAllSelected(false);
    store.selectLettersIn(QStringLiteral("AEIOU"));
    QCOMPARE(store.selectedLetters(), QStringLiteral("AEIOU"));

    // A name written in small letters, umlaut included, is filtered by its capitals.
    store.wortliste({"dasöl.gif", "derHund.jpg"});
    store.setAllSelected(false);
    store.selectLettersIn(QStringLiteral("ÖL"));
    store.filtern();
    QCOMPARE(store.filteredNouns(), QStringList{"Öl"});
}

void TestWordStore::filterSwitch()
{
    WordStore store;
    store.buchstabenliste();
    store.wortliste({"derHund.jpg", "dieKatze.bmp", "dasUfo.gif", "dasEi.gif", "derIgel.jpg", "dieEule.bmp"});
    store.setAllSelected(true);
    store.filtern();

    QCOMPARE(store.setFilter(true), false);
    QCOMPARE(store.label(), QStringLiteral(" 6 Wörter "));
    QVERIFY(store.filterOn());
    QCOMPARE(store.setFilter(false), false);
    QVERIFY(!store.filterOn());

    store.setAllSelected(false);
    store.selectLettersIn(QStringLiteral("EI"));
    store.filtern();
    QCOMPARE(store.setFilter(true), false);
    QCOMPARE(store.label(), QStringLiteral(" 1 Wort "));
    store.setFilter(false);

    store.setAllSelected(false);
    store.filtern();
    QCOMPARE(store.setFilter(true), true); // the message is due once
    QVERIFY(!store.filterOn());
    QCOMPARE(store.label(), QStringLiteral(" 0 Wörter "));
    QCOMPARE(store.setFilter(false), false); // already off: nothing happens
}

void TestWordStore::activeEntriesFollowFilter()
{
    WordStore store;
    store.buchstabenliste();
    store.wortliste({"derHund.jpg", "dieKatze.bmp", "dasUfo.gif"});
    store.selectLettersIn(QStringLiteral("HUNDFO"));
    store.filtern();
    QCOMPARE(store.activeWords().size(), 3);
    store.setFilter(true);
    QCOMPARE(store.activeWords(), test::wordsOf({"DERHUND.JPG", "DASUFO.GIF"}));
    store.setFilter(false);
    QCOMPARE(store.activeWords().size(), 3);
}

QTEST_APPLESS_MAIN(TestWordStore)
#include "tst_wordstore.moc"
