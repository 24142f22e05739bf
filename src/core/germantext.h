// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <QStringList>

// German text rules shared by all windows: case mapping that keeps ß, letter colours,
// the noun and display forms of a word entry, and dictionary order.
namespace wortilo {

// The thirty letters a noun may consist of, in alphabet order.
inline const QString kAlphabet = QStringLiteral("AÄBCDEFGHIJKLMNOÖPQRSßTUÜVWXYZ");
inline const QString kVowels = QStringLiteral("AEIOUÄÖÜaeiouäöü");

// Upper case as German writes it: ä→Ä, ö→Ö, ü→Ü, and ß stays ß (QString::toUpper makes "SS").
QString germanUpper(const QString &s);
QString germanLower(const QString &s);

// A character counts as a vowel if it is one of AEIOUÄÖÜaeiouäöü; all others (ß, y...) are consonants.
bool isVowel(QChar c);
// Palette index in which character c is drawn.
inline int letterColor(QChar c, int consonantColor, int vowelColor)
{
    return isVowel(c) ? vowelColor : consonantColor;
}

// Noun form of a word entry (DERHUND.JPG → "Hund"): characters from the fourth up to the
// first ".", first in upper case, the rest in lower case.
QString nounForm(const QString &entry);
// Display form of a word entry (DERHUND.JPG → "der Hund").
QString displayForm(const QString &entry);
// The article of a word entry in lower case ("der", "die", "das"), or empty.
QString articleOf(const QString &entry);

// Dictionary order: letter by letter ignoring case, ä/ö/ü as a/o/u and ß as ss; on a tie the
// form without umlaut comes first; a prefix comes before the longer word. <0, 0 or >0.
int germanCompare(const QString &a, const QString &b);

// Inserts s into the sorted list so that it stays in dictionary order; returns its index.
int insertSorted(QStringList &list, const QString &s);

} // namespace wortilo
