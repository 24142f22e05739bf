// SPDX-License-Identifier: MIT
#pragma once
#include "core/word.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace wortilo {

// The word store: the letter list with its selection, the word list built from the picture
// files, the filtered list of nouns written with the selected letters only, the count label
// and the "Filter" switch that narrows the activities to those nouns.
class WordStore
{
public:
    // " 57 Nomen ": a blank, the number, a blank, the word, a blank.
    static QString countLabel(qsizetype count, const QString &word);

    // Letter list: the thirty letters of the alphabet, none selected.
    void buchstabenliste();
    const QStringList &letters() const { return m_letters; }
    bool isSelected(int index) const { return m_selected.value(index); }
    // The whole selection at once, one flag per letter in list order; letters without a flag
    // end unselected.
    void setSelection(const QVector<bool> &selected);
    const QVector<bool> &selection() const { return m_selected; }
    void setAllSelected(bool selected);
    // Selects every letter that occurs in text (the saved selection).
    void selectLettersIn(const QString &text);
    // The selected letters in list order, concatenated.
    QString selectedLetters() const;

    // Rebuilds the word list from the picture files (in folder order) and sets the count label.
    // Names that differ only in letter case name one picture: the first is kept.
    void wortliste(const QStringList &fileNames);
    // The words wortliste builds from the picture files after buchstabenliste, made without a
    // store (on a worker thread at start-up); setWords then makes them the word list.
    static QList<Word> wordsOf(const QStringList &fileNames);
    void setWords(QList<Word> words);
    const QList<Word> &words() const { return m_words; }
    // The same rules, telling for each name (in order) the word it makes or why it makes none.
    QList<NameVerdict> judge(const QStringList &fileNames) const;

    // Rebuilds the filtered list from the word list and the selection; sets the count label.
    void filtern();
    // The nouns of the filtered list.
    QStringList filteredNouns() const;

    // The "Filter" switch. Changing it sets the count label to the filtered count with "Wörter";
    // when that count is 0 it returns true (the caller shows the message) and the switch ends off.
    bool setFilter(bool on);
    bool filterOn() const { return m_filter; }

    // The words the activities use: all words, or only the filtered ones while "Filter" is on.
    const QList<Word> &activeWords() const { return m_filter ? m_filteredWords : m_words; }

    QString label() const { return m_label; }

private:
    QStringList m_letters;
    QVector<bool> m_selected;
    QList<Word> m_words;
    QList<Word> m_filteredWords; // the words written with the selected letters only
    bool m_filter = false;
    QString m_label = QStringLiteral("Nomen");
};

} // namespace wortilo
