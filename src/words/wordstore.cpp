// SPDX-License-Identifier: MIT
#include "wordstore.h"

#include "core/germantext.h"

#include <algorithm>

namespace wortilo {

std::optional<QString> WordStore::qualify(const QString &fileName, const QString &allowedLetters)
{
    const QString upper = germanUpper(fileName.normalized(QString::NormalizationForm_C));
    const QString article = upper.left(3);
    if (article != u"DER" && article != u"DIE" && article != u"DAS")
        return std::nullopt;
    const qsizetype dot = upper.indexOf(u'.');
    const QString noun = upper.mid(3, dot < 0 ? -1 : dot - 3);
    for (const QChar c : noun)
        if (!allowedLetters.contains(c))
            return std::nullopt;
    return upper;
}

QString WordStore::countLabel(qsizetype count, const QString &word)
{
    return u' ' + QString::number(count) + u' ' + word + u' ';
}

void WordStore::buchstabenliste()
{
    m_letters.clear();
    for (const QChar c : kAlphabet)
        m_letters.append(QString(c));
    m_selected = QVector<bool>(m_letters.size(), false);
}

void WordStore::setSelected(int index, bool selected)
{
    if (index >= 0 && index < m_selected.size())
        m_selected[index] = selected;
}

void WordStore::setAllSelected(bool selected)
{
    m_selected.fill(selected);
}

void WordStore::selectLettersIn(const QString &text)
{
    for (int i = 0; i < m_letters.size(); ++i)
        if (text.contains(m_letters[i]))
            m_selected[i] = true;
}

QString WordStore::selectedLetters() const
{
    QString s;
    for (int i = 0; i < m_letters.size(); ++i)
        if (m_selected[i])
            s += m_letters[i];
    return s;
}

void WordStore::wortliste(const QStringList &fileNames)
{
    const QString allowed = m_letters.join(QString());
    m_entries.clear();
    for (const QString &name : fileNames)
        if (const auto entry = qualify(name, allowed))
            m_entries.append(*entry);
    m_label = countLabel(m_entries.size(), QStringLiteral("Nomen"));
}

void WordStore::filtern()
{
    const QString selected = germanUpper(selectedLetters());
    m_filteredNouns.clear();
    m_filteredEntries.clear();
    for (const QString &entry : m_entries) {
        const QString noun = nounForm(entry);
        const QString upperNoun = germanUpper(noun);
        const bool allSelected = std::all_of(upperNoun.begin(), upperNoun.end(),
                                             [&](QChar c) { return selected.contains(c); });
        if (allSelected) {
            m_filteredNouns.append(noun);
            m_filteredEntries.append(entry);
        }
    }
    m_label = countLabel(m_filteredNouns.size(), QStringLiteral("Nomen"));
}

bool WordStore::setFilter(bool on)
{
    if (on == m_filter)
        return false;
    m_filter = on;
    const qsizetype count = m_filteredNouns.size();
    m_label = count == 1 ? QStringLiteral(" 1 Wort ") : countLabel(count, QStringLiteral("Wörter"));
    if (count == 0) {
        m_filter = false; // the switch ends off without running these steps again
        return true;
    }
    return false;
}

} // namespace wortilo
