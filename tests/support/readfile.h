// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>

// A test file's bytes; empty when it cannot be read.
inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
