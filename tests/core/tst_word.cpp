// SPDX-License-Identifier: MIT
#include "core/germantext.h"
#include "core/word.h"

#include <QtTest>

using namespace wortilo;

Q_DECLARE_METATYPE(wortilo::NameFault)

// Which picture file names are words, and the forms of a word.
class TestWord : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fromFileName_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("entry"); // empty: not a word
        QTest::addColumn<QString>("article");
        QTest::addColumn<QString>("noun");
        QTest::addColumn<QString>("upperNoun");
        QTest::addColumn<NameFault>("fault");
        QTest::addColumn<QString>("character"); // the one that is no letter
        QTest::newRow("plain") << "derHund.jpg" << "DERHUND.JPG" << "der" << "Hund" << "HUND" << NameFault::None << QString();
        QTest::newRow("umlaut") << "DieÄpfel.gif" << "DIEÄPFEL.GIF" << "die" << "Äpfel" << "ÄPFEL" << NameFault::None << QString();
        QTest::newRow("decomposed umlaut") << QStringLiteral("DieA\u0308pfel.gif") << "DIEÄPFEL.GIF" << "die" << "Äpfel"
                                           << "ÄPFEL" << NameFault::None << QString();
        QTest::newRow("eszett stays") << "derFuß.bmp" << "DERFUß.BMP" << "der" << "Fuß" << "FUß" << NameFault::None << QString();
        QTest::newRow("article only") << "das.bmp" << "DAS.BMP" << "das" << "" << "" << NameFault::None << QString();
        QTest::newRow("first dot only") << "derHund.alt.jpg" << "DERHUND.ALT.JPG" << "der" << "Hund" << "HUND" << NameFault::None << QString();
        QTest::newRow("article letters in noun") << "derDieb.jpg" << "DERDIEB.JPG" << "der" << "Dieb" << "DIEB" << NameFault::None << QString();
        QTest::newRow("mixed case") << "DaSTaXi.wmf" << "DASTAXI.WMF" << "das" << "Taxi" << "TAXI" << NameFault::None << QString();
        QTest::newRow("digit") << "derHund2.bmp" << "" << "" << "" << "" << NameFault::NotALetter << QString("2");
        QTest::newRow("hyphen") << "die-Tür.bmp" << "" << "" << "" << "" << NameFault::NotALetter << QString("-");
        QTest::newRow("blank") << "der Hund.bmp" << "" << "" << "" << "" << NameFault::NotALetter << QString(" ");
        QTest::newRow("no article") << "background.bmp" << "" << "" << "" << "" << NameFault::NoArticle << QString();
        QTest::newRow("short name") << "de.bmp" << "" << "" << "" << "" << NameFault::NoArticle << QString();
        QTest::newRow("replacement char") << QStringLiteral("derH\uFFFDnd.bmp") << "" << "" << "" << "" << NameFault::NotALetter << QStringLiteral("\uFFFD");
        QTest::newRow("emoji told whole") << QStringLiteral("derHund\U0001F436.jpg") << "" << "" << "" << "" << NameFault::NotALetter
                                          << QStringLiteral("\U0001F436");
        QTest::newRow("accent not a letter") << QStringLiteral("dasCafé.jpg") << "" << "" << "" << "" << NameFault::NotALetter << QString("é");
    }
    void fromFileName()
    {
        QFETCH(QString, file);
        QFETCH(QString, entry);
        QFETCH(QString, article);
        QFETCH(QString, noun);
        QFETCH(QString, upperNoun);
        QFETCH(NameFault, fault);
        QFETCH(QString, character);
        const NameVerdict verdict = Word::judge(file, kAlphabet);
        QCOMPARE(verdict.fault, fault);
        QCOMPARE(verdict.character, character);
        QCOMPARE(verdict.word.has_value(), fault == NameFault::None);
        const std::optional<Word> word = Word::fromFileName(file, kAlphabet);
        QCOMPARE(word.has_value(), !entry.isEmpty());
        if (!word)
            return;
        QCOMPARE(word->entry(), entry);
        QCOMPARE(word->article(), article);
        QCOMPARE(word->noun(), noun);
        QCOMPARE(word->upperNoun(), upperNoun);
        QCOMPARE(word->display(), article + u' ' + noun);
        // The word list holds the entry; the word made again from it is the same.
        const Word again = Word::fromEntry(word->entry());
        QCOMPARE(again.noun(), noun);
        QCOMPARE(again.article(), article);
    }

    // Letters outside the chosen set make a file no word.
    void allowedLetters()
    {
        QVERIFY(Word::fromFileName(QStringLiteral("derHund.jpg"), QStringLiteral("HUND")));
        QVERIFY(!Word::fromFileName(QStringLiteral("derHund.jpg"), QStringLiteral("HUN")));
    }
};

QTEST_APPLESS_MAIN(TestWord)
#include "tst_word.moc"
