// SPDX-License-Identifier: MIT
#pragma once
#include <QChar>
#include <QString>

// What the menu says when an activity cannot open, written out here so that a change in the
// program's text shows.
namespace wortilo::test {

// Too few active words (the exercises and A B C).
inline QString tooFewWordsMessage()
{
    const QString cr(QChar(13));
    return QStringLiteral("Es sind zu wenig Wörter vorhanden,") + cr + QStringLiteral("bitte die Filterauswahl kontrollieren!")
           + cr;
}

// No active word at all (the games that play one word at a time).
inline QString noWordsMessage()
{
    const QString cr(QChar(13));
    return QStringLiteral("Es sind keine Wörter vorhanden.") + cr + QStringLiteral("bitte die Filterwahl kontrollieren!") + cr;
}

} // namespace wortilo::test
