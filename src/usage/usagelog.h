// SPDX-License-Identifier: MIT
#pragma once
#include "core/activity.h"

#include <QObject>
#include <QStringList>
#include <array>

namespace wortilo {

// What the player has worked through in this run: one list of lines per activity, in the order
// they were appended. Nothing of it is saved.
class UsageLog : public QObject
{
    Q_OBJECT
public:
    void append(Activity activity, const QString &line);
    // Empties every list (a new name was confirmed, or the view was closed by its close box).
    void clear();
    const QStringList &lines(Activity activity) const { return m_lines[std::size_t(activity)]; }
    // Lines in all lists together.
    int size() const;

Q_SIGNALS:
    void appended(wortilo::Activity activity, const QString &line);
    void cleared();

private:
    std::array<QStringList, kActivityCount> m_lines;
};

} // namespace wortilo
