// SPDX-License-Identifier: MIT
#include "module.h"

#include <QLibrary>
#include <QtDebug>

namespace wortilo {

QFunctionPointer moduleEntry(const QString &path, const char *entry, const char *lost)
{
    QLibrary module(path); // its destructor leaves the module loaded
    const QFunctionPointer function = module.resolve(entry);
    if (!function)
        qWarning().noquote() << QStringLiteral("The module %1 cannot be loaded, %2: %3")
                                    .arg(path, QLatin1String(lost), module.errorString());
    return function;
}

} // namespace wortilo
