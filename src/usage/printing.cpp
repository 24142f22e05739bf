// SPDX-License-Identifier: MIT
#include "printing.h"

#include "core/module.h"

#include <QCoreApplication>
#include <QDir>

namespace wortilo {

bool printWithDialog(QWidget *parent, const QString &docName, const DrawOnPrinter &draw)
{
    using Entry = void (*)(QWidget *, const QString &, const DrawOnPrinter &);
    static Entry entry = nullptr; // looked for again after a failure, found once
    if (!entry)
        entry = reinterpret_cast<Entry>(moduleEntry(QDir(QCoreApplication::applicationDirPath()).filePath(kPrintModule),
                                                    "wortiloPrintWithDialog", "nothing is printed"));
    if (!entry)
        return false;
    entry(parent, docName, draw);
    return true;
}

} // namespace wortilo
