// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace wortilo {

// Draws a document on the printer the user chose.
using DrawOnPrinter = std::function<void(QPagedPaintDevice &)>;

// The print module's file name. The print dialog and Qt's print support are loaded from beside the
// program on the first print, so that the program starts without them.
inline const QString kPrintModule = QStringLiteral("libwortilo-print.so");

// The print dialog for docName, modal to parent; once it is accepted, draw prints. False, with a
// warning, when the print module cannot be loaded.
bool printWithDialog(QWidget *parent, const QString &docName, const DrawOnPrinter &draw);

} // namespace wortilo
