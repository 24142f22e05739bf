// SPDX-License-Identifier: MIT
#pragma once
#include "core/word.h"

#include <QStringList>

namespace wortilo::test {

// The words of several word-list entries, in order.
inline QList<Word> wordsOf(const QStringList &entries)
{
    QList<Word> words;
    words.reserve(entries.size());
    for (const QString &entry : entries)
        words.append(Word::fromEntry(entry));
    return words;
}

} // namespace wortilo::test
