// SPDX-License-Identifier: MIT
// The print module's one entry: the program loads it with printWithDialog().
#include "printing.h"

#include <QPrintDialog>
#include <QPrinter>

extern "C" Q_DECL_EXPORT void wortiloPrintWithDialog(QWidget *parent, const QString &docName,
                                                     const wortilo::DrawOnPrinter &draw)
{
    QPrinter printer;
    printer.setDocName(docName);
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("Druckdialog"));
    if (dialog.exec() == QDialog::Accepted)
        draw(printer);
}
