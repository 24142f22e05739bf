// SPDX-License-Identifier: MIT
#include "appicon.h"

#include <QFile>
#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace wortilo {

QPixmap appInitial(int pixels)
{
    // Prefer the designed icon when it is bundled; draw the W otherwise.
    static const char *const kResource = ":/wortilo/icon.png";
    if (QFile::exists(QString::fromLatin1(kResource))) {
        QPixmap pm(QString::fromLatin1(kResource));
        if (!pm.isNull())
            return pm.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap pm(pixels, pixels);
    pm.fill(QColor(0, 0, 160));
    QPainter p(&pm);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(pixels * 3 / 4);
    p.setFont(f);
    p.setPen(QColor(255, 200, 0));
    p.drawText(pm.rect(), Qt::AlignCenter, QStringLiteral("W"));
    return pm;
}

QIcon appIcon()
{
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 32, 48, 64, 128})
            i.addPixmap(appInitial(size));
        return i;
    }();
    return icon;
}

} // namespace wortilo
