// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <QStringList>

// German text rules shared by all windows: case mapping that keeps ß, vowels, and dictionary
// order.
namespace wortilo {

// The thirty letters a noun may consist of, in alphabet order.
inline const QString kAlphabet = QStringLiteral("AÄBCDEFGHIJKLMNOÖPQRSßTUÜVWXYZ");
inline const QString kVowels = QStringLiteral("AEIOUÄÖÜaeiouäöü");

// Upper case as German writes it: ä→Ä, ö→Ö, ü→Ü, and ß stays ß (QString::toUpper makes "SS").
QString germanUpper(const QString &s);
QChar germanUpper(QChar c);
QString germanLower(const QString &s);

// A character counts as a vowel if it is one of AEIOUÄÖÜaeiouäöü; all others (ß, y...) are consonants.
bool isVowel(QChar c);

// Dictionary order: letter by letter ignoring case, ä/ö/ü as a/o/u and ß as ss; on a tie the
// form without umlaut comes first; a prefix comes before the longer word. <0, 0 or >0.
int germanCompare(const QString &a, const QString &b);

// Inserts s into the sorted list so that it stays in dictionary order; returns its index.
int insertSorted(QStringList &list, const QString &s);

} // namespace wortilo
