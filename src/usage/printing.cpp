// SPDX-License-Identifier: MIT
#include "printing.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QtDebug>

namespace wortilo {

bool printWithDialog(QWidget *parent, const QString &docName, const DrawOnPrinter &draw)
{
    using Entry = void (*)(QWidget *, const QString &, const DrawOnPrinter &);
    // Never unloaded once loaded: the dialog's code must stay while the program runs.
    static Entry entry = nullptr;
    if (!entry) {
        QLibrary module(QDir(QCoreApplication::applicationDirPath()).filePath(kPrintModule));
        entry = reinterpret_cast<Entry>(module.resolve("wortiloPrintWithDialog"));
        if (!entry) {
            qWarning().noquote() << "The print module cannot be loaded:" << module.errorString();
            return false;
        }
    }
    entry(parent, docName, draw);
    return true;
}

} // namespace wortilo
