// SPDX-License-Identifier: MIT
#pragma once
#include "core/activity.h"

#include <QDate>
#include <QFont>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

class QTextDocument;

namespace wortilo {

// The usage view as a sheet to print: the player's name and the date, then each activity's
// heading with its words, in the given letter font. Pages follow as the words need them.
std::unique_ptr<QTextDocument> usageSheet(const QString &name, const QDate &date,
                                          const std::array<QString, kActivityCount> &headings,
                                          const std::array<QStringList, kActivityCount> &lines, const QFont &font);

} // namespace wortilo
