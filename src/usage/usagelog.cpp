// SPDX-License-Identifier: MIT
#include "usagelog.h"

namespace wortilo {

void UsageLog::append(Activity activity, const QString &line)
{
    m_lines[std::size_t(activity)].append(line);
    Q_EMIT appended(activity, line);
}

void UsageLog::clear()
{
    for (QStringList &lines : m_lines)
        lines.clear();
    Q_EMIT cleared();
}

int UsageLog::size() const
{
    int n = 0;
    for (const QStringList &lines : m_lines)
        n += int(lines.size());
    return n;
}

} // namespace wortilo
